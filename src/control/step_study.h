#pragma once

#include "core/integration_step.h"
#include "core/model_record.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace kvor {

// A step study ("Расчёт" → "Проверить шаг…", `accuracy` in a script) runs the current experiment
// again, without a window, at the step h and at h/2 and h/4, over the same model time as the run
// so far, and compares. For a method of order p the error of the shown value at h is about
// C·h^p, so the two differences y(h) − y(h/2) and y(h/2) − y(h/4) shrink by 2^p; their ratio
// gives p, and Richardson's extrapolation the error of y(h), |y(h) − y(h/2)|·2^p/(2^p − 1).
// The data carry that reading only when the two differences have one sign and shrink with a p
// between 0.5 and 6; otherwise the study says why it cannot tell.

// What a study starts from: the run of the last Start or Reverse up to its last screen update.
// The experiment keeps it as it goes.
struct StudyStart {
    // The whole record as the Start or Reverse left it. A rebuilt start state could differ: a
    // start leaves some of the contact and friction state as the run before it left it.
    ModelRecord record;
    // The check boxes the steps read, as the run read them last.
    StepOptions options;
    // The integration steps from the start to the last screen update.
    long steps = 0;
    // What the user changed during the run that the steps read, or that the run read at every
    // step: the study takes it as it stood at the end.
    bool lorentzChanged = false;
    bool plusFmChanged = false;
    bool scalesChanged = false;
};

// The quantities the study judges, in their order: a script's name and the window's caption.
struct StudyQuantity {
    std::string_view name;
    std::string_view caption;
};
inline constexpr std::array<StudyQuantity, 8> kStudyQuantities{{
    {"VX1", "VX1"},
    {"VY1", "VY1"},
    {"VX2", "VX2"},
    {"VY2", "VY2"},
    {"w1", "w1"},
    {"w2", "w2"},
    {"E", "E"},
    {"balance", "E - E0 + Em + Eq + Ej + Es"},
}};
constexpr std::size_t kStudyQuantityCount = kStudyQuantities.size();
using StudyValues = std::array<double, kStudyQuantityCount>;

// How far the study could judge one quantity.
enum class Measure {
    Estimated, // order and error estimated
    RoundOff,  // a difference lies at round-off, below 1E-13 of the quantity's scale
    Erratic,   // the differences change sign, do not shrink, or give an order outside 0.5..6
    NotRun,    // a run of the study ended in a fault
};

struct QuantityStudy {
    std::array<std::optional<double>, 3> y = {}; // at h, h/2, h/4
    Measure measure = Measure::NotRun;
    double order = 0; // p, when Estimated
    double error = 0; // the estimated error of y(h), when Estimated
    // The larger of |y(h)| and the largest magnitude of its kind in the start state: the speeds
    // for a velocity, the spins for a spin, E0 for an energy.
    double scale = 0;
};

using StudyQuantities = std::array<QuantityStudy, kStudyQuantityCount>;

// A step to run the experiment at, with the NC0 that keeps the model time between screen updates.
struct SuggestedStep {
    double h = 0;
    Integer NC0 = 0;
};

struct StudyResult {
    StudyQuantities quantities;
    // Given only when every quantity has an estimate (SuggestStep).
    std::optional<SuggestedStep> step;
    // The run (0: h, 1: h/2, 2: h/4) that ended in a fault, if one did.
    std::optional<int> failedRun;
    double h = 0;
    double T = 0;   // the model time covered
    long steps = 0; // at h
    bool lorentzChanged = false, plusFmChanged = false, scalesChanged = false;
    bool exactContact = false; // the run's contact law was the exact one
};

// One run of a study: the start record at h/2^halvings for steps·2^halvings steps, in plain
// doubles, the question about Eq answered Yes (the run went on past it, and the answer changes no
// number of the motion), no track stored and so no track capacity.
class StudyRun {
public:
    StudyRun(const StudyStart& start, int halvings);

    // Makes up to `budget` steps; returns how many.
    long advance(long budget);
    bool done() const { return left_ == 0 || failed_; }
    // A fault in the arithmetic, or a counter at the end of its range.
    bool failed() const { return failed_; }
    // The quantities at the end, as a screen update would show them; nothing after a fault.
    std::optional<StudyValues> values() const;
    double time() const { return r_.T; }

private:
    PlainRecord r_;
    StepOptions options_;
    long left_;
    bool failed_ = false;
};

// The study, made in pieces: the window calls advance from a timer, the batch runner in a loop.
class StepStudy {
public:
    explicit StepStudy(StudyStart start);

    // Makes up to `budget` steps of the runs still to be made; true once the study is complete.
    bool advance(long budget);
    // How much of it is made, from 0 to 1.
    double fraction() const;
    // Complete once advance has returned true.
    const StudyResult& result() const { return result_; }

private:
    void finishRun();
    void judge();

    StudyStart start_;
    std::optional<StudyRun> run_;
    int halvings_ = 0;
    long made_ = 0;
    StudyResult result_;
};

// Judges one quantity from its three values and its scale (Measure::Estimated or why not).
QuantityStudy JudgeQuantity(std::array<double, 3> y, double scale);

// The largest of h·2^k (k from −6 to 6) at which the estimated errors, grown as step^p, all stay
// under 1E-6 of their scales, among the steps with a whole NC0 from 1 to 32767 for the same model
// time between screen updates; nothing unless every quantity has an estimate.
std::optional<SuggestedStep> SuggestStep(const StudyQuantities& quantities, double h, Integer NC0);

} // namespace kvor
