// The step study tells the truth: at h it ends at the values the run showed, bit for bit; a smooth
// flyby shows the fourth order; through a damped contact of the fixed step it either cannot tell
// or estimates the step's error within a factor 5 of the true one. The experiments are those of
// the golden scenarios accuracy_*.kvs.

#include "batch/batch_runner.h"
#include "closed_form.h"
#include "control/step_study.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

namespace kvor {
namespace {

struct Session {
    // Plays the scenario; the experiment it leaves is studied.
    explicit Session(const std::string& scenario) {
        std::ifstream in(std::string(KVOR_SCENARIOS) + "/" + scenario + ".kvs");
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        EXPECT_FALSE(lines.empty()) << scenario;
        runner.run(lines);
    }
    StudyStart start() { return runner.experiment().studyStart().value(); }

    std::ostringstream out;
    BatchRunner runner{out, {'.', "/dev/null"}};
};

StudyResult Studied(const StudyStart& start) {
    StepStudy study(start);
    while (!study.advance(1L << 20)) {
    }
    return study.result();
}

// The panel's boxes of the quantities, in the study's order.
constexpr TextBox kShownIn[] = {Text31, Text33, Text32, Text34, Text37, Text38, Text63, Text58};

TEST(StepStudy, AtTheRunsStepEndsAtTheValuesShownBitForBit) {
    // The examples end at the track's capacity, past their last screen update; the flyby's question
    // about Eq takes the run through its checked steps.
    for (const char* scenario :
         {"accuracy_ball_ball_example", "accuracy_ball_rod_example", "accuracy_coulomb_flyby"}) {
        Session s(scenario);
        const StudyResult result = Studied(s.start());
        const DataSeries& series = s.runner.experiment().series();
        const SeriesRow& shown = series.row(series.size() - 1);
        for (std::size_t q = 0; q < kStudyQuantityCount; ++q) {
            const auto column =
                std::find_if(std::begin(kSeriesColumns), std::end(kSeriesColumns),
                             [&](const SeriesColumn& c) { return c.box == kShownIn[q] && !c.alternative; });
            EXPECT_EQ(*result.quantities[q].y[0], shown[column - std::begin(kSeriesColumns)])
                << scenario << ' ' << kStudyQuantities[q].name;
        }
    }
}

struct Case {
    const char* scenario;
    bool smooth;
};
class StepStudyTruth : public testing::TestWithParam<Case> {};

// The truth is the same model at h/256: the study judges the error of the step, not the model's.
TEST_P(StepStudyTruth, EstimatesOnlyWhatTheDataCarry) {
    Session s(GetParam().scenario);
    const StudyStart start = s.start();
    const StudyResult result = Studied(start);
    StudyRun fine(start, 8);
    while (!fine.done()) fine.advance(1L << 20);
    const StudyValues truth = fine.values().value();
    int estimated = 0;
    for (std::size_t i = 0; i < kStudyQuantityCount; ++i) {
        const QuantityStudy& q = result.quantities[i];
        if (q.measure != Measure::Estimated) continue;
        ++estimated;
        const double error = std::abs(*q.y[0] - truth[i]);
        EXPECT_GT(error, q.error / 5) << kStudyQuantities[i].name;
        EXPECT_LT(error, q.error * 5) << kStudyQuantities[i].name;
        if (GetParam().smooth) {
            EXPECT_NEAR(q.order, 4, 0.5) << kStudyQuantities[i].name;
        }
    }
    // All but the spins, which stay 0.
    if (GetParam().smooth) {
        EXPECT_EQ(estimated, 6);
    }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, StepStudyTruth,
                         testing::Values(Case{"accuracy_coulomb_flyby", true},
                                         Case{"accuracy_rod_damped", false},
                                         Case{"accuracy_balls_damped", false},
                                         Case{"accuracy_oblique_friction", false},
                                         Case{"accuracy_exact_oblique", false}),
                         [](const auto& info) { return std::string(info.param.scenario).substr(9); });

// With the exact contact law the impacts of a spring and dashpot converge at the fourth order, and
// the estimate of VX1 and VX2 after the impact lies within a factor 3 of their error against the
// closed form: equal masses of 1 kg from 1 m/s leave with (1 − e)/2 and (1 + e)/2.
TEST(StepStudy, ExactContactLawShowsTheFourthOrderAndTheClosedFormsError) {
    const std::pair<const char*, double> impacts[] = {
        {"accuracy_exact_rod", test::ClosedFormRestitution(0.5, 1e4, 50)},
        {"accuracy_exact_balls", test::ClosedFormRestitution(0.5, 5e3, 25)},
    };
    for (const auto& [scenario, e] : impacts) {
        Session s(scenario);
        const StudyResult result = Studied(s.start());
        for (const auto& [i, truth] : {std::pair{0, (1 - e) / 2}, std::pair{2, (1 + e) / 2}}) {
            const QuantityStudy& q = result.quantities[i];
            ASSERT_EQ(q.measure, Measure::Estimated) << scenario;
            EXPECT_NEAR(q.order, 4, 0.5) << scenario;
            const double error = std::abs(*q.y[0] - truth);
            EXPECT_GT(error, q.error / 3) << scenario << ' ' << i;
            EXPECT_LT(error, q.error * 3) << scenario << ' ' << i;
        }
    }
}

// Values that approach 1 geometrically, y(h) − 1 being the true error: shrinking 16-fold is the
// fourth order, 2-fold the first. Round-off, a change of sign, differences that grow and an order
// beyond 6 tell nothing.
TEST(StepStudy, JudgesOnlyDifferencesOfOneSignThatShrink) {
    struct Row {
        std::array<double, 3> y;
        Measure measure;
        double order = 0;
    };
    const Row rows[] = {
        {{1 + 16e-6, 1 + 1e-6, 1 + 1e-6 / 16}, Measure::Estimated, 4},
        {{1 - 2e-6, 1 - 1e-6, 1 - 0.5e-6}, Measure::Estimated, 1},
        {{1 + 1e-6, 1 + 5e-14, 1}, Measure::RoundOff},
        {{1 + 1e-6, 1, 1 + 1e-7}, Measure::Erratic},
        {{1 + 3e-6, 1 + 2e-6, 1}, Measure::Erratic},
        {{1 + 128e-6, 1 + 1e-6, 1 + 1e-6 / 128}, Measure::Erratic},
    };
    for (const Row& row : rows) {
        const QuantityStudy q = JudgeQuantity(row.y, 1);
        EXPECT_EQ(q.measure, row.measure) << row.y[0];
        if (row.measure != Measure::Estimated) continue;
        EXPECT_NEAR(q.order, row.order, 1e-6);
        EXPECT_NEAR(q.error, std::abs(row.y[0] - 1), 1e-12);
    }
}

// Errors of 1E-4 of their scales at the fourth order fall under 1E-6 at h/4, not at h/2; errors of
// 1E-12 allow the largest step whose NC0 is whole.
TEST(StepStudy, SuggestsTheLargestStepThatKeepsTheErrorsUnder1E6OfTheScale) {
    StudyQuantities q;
    q.fill({.measure = Measure::Estimated, .order = 4, .error = 1e-4, .scale = 1});
    const auto suggested = [&](Integer nc0) { return SuggestStep(q, 0.01, nc0); };
    EXPECT_EQ(suggested(20)->h, 0.0025);
    EXPECT_EQ(suggested(20)->NC0, 80);
    EXPECT_FALSE(suggested(10000)) << "NC0 would pass 32767";
    q[7].error = 1e-12;
    q[0].error = 1e-12;
    EXPECT_EQ(suggested(20)->NC0, 80) << "every quantity must fit";
    q.fill({.measure = Measure::Estimated, .order = 4, .error = 1e-12, .scale = 1});
    EXPECT_EQ(suggested(20)->h, 0.04);
    EXPECT_EQ(suggested(20)->NC0, 5);
    q[6].measure = Measure::RoundOff;
    EXPECT_FALSE(suggested(20));
}

} // namespace
} // namespace kvor
