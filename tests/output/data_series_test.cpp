// The series of screen updates and its table, as a script keeps them with "csv FILE": a row per
// update with the numbers the panel showed, '.' as the decimal point in any locale.

#include "batch/batch_runner.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace kvor {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    return parts;
}

// The panel box that shows each column, or the box the start writes it into.
const std::map<std::string, TextBox> kShownIn = {
    {"T_s", Text60},       {"VX1_m_s", Text31},    {"VX2_m_s", Text32},   {"VY1_m_s", Text33},
    {"VY2_m_s", Text34},   {"V1_m_s", Text35},     {"V2_m_s", Text36},    {"w1_rad_s", Text37},
    {"w2_rad_s", Text38},  {"X1_m", Text39},       {"X2_m", Text40},      {"FcFj_N", Text41},
    {"Fs_N", Text42},      {"Fm_N", Text43},       {"Fq_N", Text44},      {"Ew_J", Text45},
    {"Ev_J", Text46},      {"Es_J", Text47},       {"Ej_J", Text48},      {"Em_J", Text49},
    {"Eq_J", Text50},      {"KD0_kg_m_s", Text52}, {"KD_kg_m_s", Text53}, {"balance_J", Text58},
    {"Ugol1_deg", Text59}, {"E0_J", Text62},       {"E_J", Text63},       {"Ugol2_deg", Text64},
    {"Alfa_deg", Text65},
};

TEST(SeriesTable, ARowPerScreenUpdateWithThePanelsNumbersAndAPointForTheComma) {
    test::TempFolder folder;
    const auto table = folder / "series.csv";
    std::ostringstream out;
    BatchRunner runner(out, {',', folder / "kvor.dat"});
    // The worked example at NC0 = 1500; the panel printed at the eighth update, in the contact.
    runner.run({"csv " + table.string(), "set NC0 1500", "start", "run 7", "print", "stop"});
    std::map<TextBox, std::string> panel;
    for (const std::string& line : split(out.str(), '\n'))
        if (const auto tab = line.find('\t'); line.starts_with("Text"))
            panel[static_cast<TextBox>(std::stoi(line.substr(4, tab - 4)))] = line.substr(tab + 1);

    const std::vector<std::string> lines = split(test::FileText(table), '\n');
    ASSERT_EQ(lines.size(), 1u + 9u); // stopped at the update after the eighth
    for (const std::string& line : lines) ASSERT_TRUE(line.ends_with('\r'));
    const auto header = split(lines[0].substr(0, lines[0].size() - 1), ',');
    const auto eighth = split(lines[8].substr(0, lines[8].size() - 1), ',');
    ASSERT_EQ(header.size(), eighth.size());
    EXPECT_EQ(header[0], "experiment");
    EXPECT_EQ(eighth[0], "1");
    int compared = 0;
    for (std::size_t i = 1; i < header.size(); ++i) {
        const auto shown = kShownIn.find(header[i]);
        if (shown == kShownIn.end()) continue;
        std::string text = panel[shown->second];
        for (char& c : text) c = c == ',' ? '.' : c;
        EXPECT_EQ(eighth[i], text) << header[i];
        ++compared;
    }
    EXPECT_EQ(compared, static_cast<int>(kShownIn.size()));
    EXPECT_NE(panel[Text41], "0") << "the eighth update should fall in the contact";
}

TEST(SeriesTable, EveryFollowingExperimentIsNumberedAndAnUnwritableFileIsSaidOnce) {
    test::TempFolder folder;
    std::ostringstream out;
    BatchRunner runner(out, {'.', folder / "kvor.dat"});
    // Stopped at the second update, Start again during the run makes experiment 1, whose second
    // update brings a Reverse: experiment 2, stopped at its first update. The rows of the
    // experiment under way when "csv" came are not written.
    runner.run({"set NC0 2000", "start", "run 2", "csv " + (folder / "t.csv").string(), "run 1", "start",
                "run 2", "reverse", "run 1", "stop", "run 1", "csv " + (folder / "no" / "t.csv").string(),
                "start", "run 1", "stop"});
    std::map<std::string, int> rows;
    for (const std::string& line : split(test::FileText(folder / "t.csv"), '\n')) ++rows[line.substr(0, 2)];
    EXPECT_EQ(rows, (std::map<std::string, int>{{"ex", 1}, {"1,", 2}, {"2,", 2}}));
    EXPECT_EQ(out.str(), "message\tОшибка записи в файл\n");
}

TEST(DataSeries, KeepsNoMoreRowsThanItsCapacityAndANewExperimentStartsEmpty) {
    DataSeries series(2);
    ModelRecord r;
    for (int i = 1; i <= 3; ++i) {
        r.Ts = i;
        series.append(r);
    }
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(series.row(1)[kT], 2);
    const unsigned generation = series.generation();
    series.clear();
    EXPECT_EQ(series.size(), 0u);
    EXPECT_NE(series.generation(), generation);
}

} // namespace
} // namespace kvor
