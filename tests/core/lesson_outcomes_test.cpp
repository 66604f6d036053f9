// Each lesson that comes with the program, opened, started and run to its end as the window runs
// it, against the physics it teaches: one row of the table per outcome, a figure and its bounds.

#include "batch/batch_runner.h"
#include "batch/lessons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <ranges>
#include <sstream>

namespace kvor {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// The figures a lesson is judged by, from its series of values (row 0 is the start, before any
// contact, `e` the last), its record and what it printed.
std::map<std::string, double> Figures(BatchRunner& runner, const std::string& out) {
    const DataSeries& series = runner.experiment().series();
    const ModelRecord& m = runner.record();
    const auto relative = [](double value, double expected) { return std::abs(value / expected - 1); };
    const auto v = [&](std::size_t row, const std::string& column) {
        std::size_t c = 0;
        while (SeriesColumnName(c) != column) ++c;
        return series.row(row)[c];
    };
    const auto most = [&](auto f) {
        return std::ranges::max(std::views::iota(std::size_t{0}, series.size()) | std::views::transform(f));
    };
    // The number after the second "NAME= " of the end-impact line " NAME= before   NAME= after".
    const auto shown = [&](const std::string& name) {
        const std::size_t line = out.find("picture1\t " + name + "= ");
        return line == std::string::npos ? kInf : std::stod(out.substr(out.find(name + "= ", line + 12) + 4));
    };
    // The angular momentum about the origin; the ball takes no spin from the rod.
    const auto L = [&](std::size_t i) {
        return m.m1 * (v(i, "X1_m") * v(i, "VY1_m_s") - v(i, "Y1_m") * v(i, "VX1_m_s")) +
               m.m2 * (v(i, "X2_m") * v(i, "VY2_m_s") - v(i, "Y2_m") * v(i, "VX2_m_s")) +
               m.J2 * v(i, "w2_rad_s");
    };
    const auto rest = [&](auto i, const std::string& n) { // m·√(1 − v²/c²)
        return v(i, "m" + n + "_kg") * std::sqrt(1 - std::pow(v(i, "V" + n + "_m_s") / m.Vsv, 2));
    };
    const std::size_t e = series.size() - 1;
    const double VX1 = v(0, "VX1_m_s"), VX2 = v(0, "VX2_m_s"), E0 = v(0, "E0_J");
    // Like charges come closest where the kinetic energy mu v²/2 of the relative motion is all k/r.
    const double k = m.Kq * m.q1 * m.q2, mu = m.m1 * m.m2 / (m.m1 + m.m2), r0 = v(0, "X2_m") - v(0, "X1_m");
    return {
        {"exchange", std::max(relative(v(e, "VX1_m_s"), VX2), relative(v(e, "VX2_m_s"), VX1))},
        {"halves", std::max(relative(v(e, "VX1_m_s"), -VX1 / 2), relative(v(e, "VX2_m_s"), VX1 / 2))},
        {"restitution", (v(e, "VX2_m_s") - v(e, "VX1_m_s")) / (VX1 - VX2)},
        {"lost", (E0 - v(e, "E_J")) / E0},
        {"lost - Ej", std::abs(E0 - v(e, "E_J") - v(e, "Ej_J")) / E0},
        {"angle", (v(e, "Ugol1_deg") + v(e, "Ugol2_deg"))},
        {"spin", std::min(std::abs(v(e, "w1_rad_s")), std::abs(v(e, "w2_rad_s")))},
        {"Es", v(e, "Es_J")},
        {"closest", relative(-most([&](auto i) { return v(i, "X1_m") - v(i, "X2_m"); }),
                             k / (mu * (VX2 - VX1) * (VX2 - VX1) / 2 + k / r0))},
        {"Fc+Fj", most([&](auto i) { return std::abs(v(i, "FcFj_N")); })},
        {"-Em", most([&](auto i) { return -v(i, "Em_J"); })},
        {"end balance", std::abs(v(e, "balance_J")) / E0},
        {"balance", most([&](auto i) { return std::abs(v(i, "balance_J")) / E0; })},
        {"Lorentz", most([&](auto i) {
             return std::max(relative(rest(i, "1"), m.m10), relative(rest(i, "2"), m.m20));
         })},
        {"w2", most([&](auto i) { return std::abs(v(i, "w2_rad_s")); })},
        {"VX2", v(e, "VX2_m_s")},
        {"end impact",
         std::max({relative(v(e, "VX1_m_s"), shown("V1")), relative(v(e, "VX2_m_s"), shown("V2")),
                   relative(v(e, "w2_rad_s"), shown("w2"))})},
        {"L", relative(L(e), L(0))},
    };
}

struct Outcome {
    std::size_t lesson; // from 1, as "Опыты" numbers them
    const char* figure;
    double above, below;
    const char* change = ""; // a line after the lesson's own
};

// clang-format off
const Outcome kOutcomes[] = {
    {1, "exchange", -1, 1e-6},   {2, "halves", -1, 1e-6},  {3, "restitution", 0, 1}, {3, "lost", 0, kInf},
    {3, "lost - Ej", -1, 1e-6},  {4, "angle", 89.9, 90.1}, {5, "spin", 1e-3, kInf},  {5, "Es", 0, kInf},
    {6, "closest", -1, 1e-3},    {6, "Fc+Fj", -1, 1e-300}, {7, "-Em", 0, kInf},      {7, "balance", -1, 1e-6},
    {8, "Lorentz", -1, 1e-9},    {9, "w2", -1, 1e-9},      {9, "VX2", 1, kInf},      {11, "L", -1, 1e-6},
    // The lesson ends after the first contact and before the rod meets the ball again.
    {10, "end impact", 1e-3, 0.1}, {12, "end balance", 1e-6, kInf}, {12, "end balance", -1, 1e-6, "set шаг 1E-04"},
};
// clang-format on

class Lessons : public testing::TestWithParam<Outcome> {};

TEST_P(Lessons, ShowWhatTheyTeach) {
    const Outcome& o = GetParam();
    const std::vector<Lesson> lessons = LessonsIn(LessonFolder());
    std::ostringstream out;
    BatchRunner runner(out, {'.', "/dev/null"});
    runner.run({"open " + lessons.at(o.lesson - 1).file.string(), o.change, "start"});
    ASSERT_EQ(out.str().find("message"), std::string::npos) << out.str();
    ASSERT_NE(out.str().find("end\t"), std::string::npos) << "the run ends at the lesson's end";
    const double figure = Figures(runner, out.str()).at(o.figure);
    EXPECT_TRUE(figure > o.above && figure < o.below)
        << "lesson " << o.lesson << ", " << o.figure << ": " << figure;
}

INSTANTIATE_TEST_SUITE_P(EachOutcome, Lessons, testing::ValuesIn(kOutcomes));

} // namespace
} // namespace kvor
