// The series of screen updates and its table, as a script keeps them with "csv FILE": a row per
// update with the numbers the panel showed, '.' as the decimal point in any locale. The numbering
// of experiments and a file that cannot be written are a golden scenario (series_csv).

#include "batch/batch_runner.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <map>
#include <sstream>

namespace kvor {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    return parts;
}

// The panel box that shows each column, or into which the start writes it.
const std::map<std::string, int> kShownIn = {
    {"T_s", 60},    {"VX1_m_s", 31},    {"VX2_m_s", 32},   {"VY1_m_s", 33},   {"VY2_m_s", 34},
    {"V1_m_s", 35}, {"V2_m_s", 36},     {"w1_rad_s", 37},  {"w2_rad_s", 38},  {"X1_m", 39},
    {"X2_m", 40},   {"FcFj_N", 41},     {"Fs_N", 42},      {"Fm_N", 43},      {"Fq_N", 44},
    {"Ew_J", 45},   {"Ev_J", 46},       {"Es_J", 47},      {"Ej_J", 48},      {"Em_J", 49},
    {"Eq_J", 50},   {"KD0_kg_m_s", 52}, {"KD_kg_m_s", 53}, {"balance_J", 58}, {"Ugol1_deg", 59},
    {"E0_J", 62},   {"E_J", 63},        {"Ugol2_deg", 64}, {"Alfa_deg", 65},
};

TEST(SeriesTable, ARowPerScreenUpdateWithThePanelsNumbersAndAPointForTheComma) {
    const auto table =
        std::filesystem::path(testing::TempDir()) / ("kvor-series-" + std::to_string(getpid()));
    std::ostringstream out;
    BatchRunner runner(out, {',', "/dev/null"});
    // The worked example at NC0 = 1500; the panel printed at the eighth update, in the contact.
    runner.run({"csv " + table.string(), "set NC0 1500", "start", "run 7", "print", "stop"});
    std::map<int, std::string> panel;
    for (const std::string& line : split(out.str(), '\n'))
        if (const auto tab = line.find('\t'); line.starts_with("Text"))
            panel[std::stoi(line.substr(4, tab - 4))] = line.substr(tab + 1);

    std::ostringstream written;
    written << std::ifstream(table).rdbuf();
    std::filesystem::remove(table);
    const std::vector<std::string> lines = split(written.str(), '\n');
    ASSERT_EQ(lines.size(), 2u + 9u); // the header, the start, and up to the update after the eighth
    for (const std::string& line : lines) ASSERT_TRUE(line.ends_with('\r'));
    const auto header = split(lines[0].substr(0, lines[0].size() - 1), ',');
    const auto eighth = split(lines[9].substr(0, lines[9].size() - 1), ',');
    ASSERT_EQ(header.size(), eighth.size());
    EXPECT_EQ(header[0] + eighth[0], "experiment1");
    std::size_t compared = 0;
    for (std::size_t i = 1; i < header.size(); ++i) {
        if (!kShownIn.contains(header[i])) continue;
        std::string text = panel[kShownIn.at(header[i])];
        for (char& c : text) c = c == ',' ? '.' : c;
        EXPECT_EQ(eighth[i], text) << header[i];
        ++compared;
    }
    EXPECT_EQ(compared, kShownIn.size());
    EXPECT_NE(panel[41], "0") << "the eighth update should fall in the contact";
}

TEST(DataSeries, KeepsNoMoreRowsThanItsCapacityAndANewExperimentStartsEmpty) {
    DataSeries series(2);
    ModelRecord r;
    for (r.Ts = 1; r.Ts <= 3; r.Ts = r.Ts + 1) series.append(r);
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(series.row(1)[0], 2);
    const unsigned generation = series.generation();
    series.clear();
    EXPECT_EQ(series.size() + generation + 1, series.generation());
}

} // namespace
} // namespace kvor
