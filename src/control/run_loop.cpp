#include "core/integration_step.h"
#include "experiment.h"
#include "messages.h"
#include "output/data_record.h"
#include "output/value_panel.h"
#include "view/time_graph_view.h"
#include "view/trajectory_view.h"

#include <cmath>
#include <limits>

namespace kvor {

namespace {

// More points than this and the track store is full.
constexpr Long kMaxTrackPoints = 2220;

// Marks the run as active for as long as the loop runs, however it ends.
class ActiveRun {
public:
    ActiveRun(bool& running, bool& endRun) : running_(running) {
        running_ = true;
        endRun = false;
    }
    ~ActiveRun() { running_ = false; }
    ActiveRun(const ActiveRun&) = delete;
    ActiveRun& operator=(const ActiveRun&) = delete;

private:
    bool& running_;
};

// Two like charges that fly apart have given back all the potential energy they started with
// once |Fq| has fallen to |Fq0| and Eq still grows: the user is asked whether to go on. After one
// Yes the question does not come again until the next start or reversal.
template <typename Number> bool EqQuestionDue(const BasicModelRecord<Number>& r) {
    if (r.EqAnswer == kAnswerYes || r.q1 == 0 || r.q2 == 0) return false;
    return std::abs(r.Fq0) >= std::abs(r.Fq) && std::abs(r.EqPrev) <= std::abs(r.Eq);
}

// A count that the next step would take past its range.
template <typename Number> bool CounterAtItsEnd(const BasicModelRecord<Number>& r) {
    return r.StepCount == std::numeric_limits<Integer>::max() ||
           r.FileStepCount == std::numeric_limits<Long>::max();
}

} // namespace

// Step after step until the stop flag is seen at a screen update, the window is gone, the track
// store is full, the user declines to go on, or an error occurs. An error is reported with the
// message of the stretch of the step in which it arose; the record keeps what was computed.
void Experiment::RunLoop() {
    const ActiveRun active(running_, endRun_);
    try {
        while (StepsToScreenUpdate()) {
            r_.StepCount = 0;
            if (!ScreenUpdateAndEvents()) return;
        }
    } catch (const ModelError&) {
        fp::clearFaults();
        switch (stretch_) {
        case Stretch::Equations:
            platform_.messages.info(messages::kEquationsError);
            break;
        case Stretch::LightSpeed:
            platform_.messages.info(messages::kLightSpeed);
            break;
        case Stretch::Display:
            platform_.messages.info(messages::kIncompatibleParameters);
            break;
        }
    } catch (const FileWriteError& failed) {
        platform_.messages.info(messages::kFileWriteError, failed.detail());
    }
}

// The steps up to the next screen update; false when the run ends before it. They are made in
// plain doubles when nothing on the way needs a check, and one by one, checked, otherwise.
bool Experiment::StepsToScreenUpdate() {
    if (PlainSteps()) return true;
    for (;;) {
        switch (CheckedStep()) {
        case StepEnd::NextStep:
            break;
        case StepEnd::ScreenUpdate:
            return true;
        case StepEnd::RunEnds:
            return false;
        }
    }
}

// The steps up to the next screen update at the speed of the physics: made in a plain copy of the
// record, with the processor's flags looked at once at the end, and only then the copy becomes
// the record. No window, box or clock is called on the way, and a fault can only make an infinity
// or a NaN by raising a flag, so a copy without flags holds exactly the numbers that the checked
// steps would have stored. Whatever needs the checked steps instead - a fault, a counter at the
// end of its range, the question about Eq, a full track store - returns false with the record as
// it was: the checked steps then take the same road from there, stop where their checks say, and
// leave in the record what they computed up to that point.
bool Experiment::PlainSteps() {
    ModelRecord& r = r_;
    if (r.NT > kMaxTrackPoints) return false;
    const bool plusFm = form_.isChecked(Check13);
    const bool lorentz = form_.isChecked(Check1);
    stretch_ = Stretch::Equations;
    fp::clearFaults();
    scales_.ReadScales(r, form_);

    PlainRecord s = Plain(r);
    do {
        IntegrateStep(s, plusFm);
        if (s.BallRod != 1) {
            MassesAndPotentials(s, lorentz);
            if (EqQuestionDue(s)) return false;
        }
        if (CounterAtItsEnd(s)) return false;
        Increment(s.StepCount);
        s.T = s.T + s.h;
        Increment(s.FileStepCount);
        s.EqPrev = s.Eq;
    } while (s.StepCount < s.NC0);
    if (fp::faultRaised()) return false;
    CommitPlain(r, s);
    // The trajectory picture that follows belongs to the stretch in which a step ends.
    if (s.BallRod != 1) stretch_ = Stretch::LightSpeed;
    return true;
}

// One integration step, each stretch checked where it ends.
Experiment::StepEnd Experiment::CheckedStep() {
    ModelRecord& r = r_;
    const bool ballRod = r.BallRod == 1;
    const bool plusFm = form_.isChecked(Check13);
    const bool lorentz = form_.isChecked(Check1);

    // The integration: scales, the four stages and the contact update of the variant.
    stretch_ = Stretch::Equations;
    fp::Checked([&] {
        scales_.ReadScales(r, form_);
        IntegrateStep(r, plusFm);
    });
    if (!ballRod) {
        // Masses that grow with speed, and the work of the central forces.
        stretch_ = Stretch::LightSpeed;
        fp::Checked([&] { MassesAndPotentials(r, lorentz); });
    }

    if (r.NT > kMaxTrackPoints) {
        platform_.messages.info(messages::kTrackFull);
        return StepEnd::RunEnds;
    }
    if (!ballRod && !AskAboutEq()) return StepEnd::RunEnds;

    fp::Checked([&] {
        Increment(r.StepCount);
        r.T = r.T + r.h;
        Increment(r.FileStepCount);
        r.EqPrev = r.Eq;
    });
    return r.StepCount < r.NC0 ? StepEnd::NextStep : StepEnd::ScreenUpdate;
}

bool Experiment::AskAboutEq() {
    if (!EqQuestionDue(r_)) return true;
    const bool yes = fp::Outside([this] { return platform_.messages.askYesNo(messages::kEqQuestion); });
    r_.EqAnswer = yes ? kAnswerYes : kAnswerNo;
    return yes;
}

// The pictures, the panel and the data record, then the stop flag and the window's events.
// Whatever the window's handlers raise in the flags is not ours: the next step starts afresh.
bool Experiment::ScreenUpdateAndEvents() {
    ModelRecord& r = r_;
    const bool option1 = form_.isSelected(OptionButton::Option1);
    const bool option2 = form_.isSelected(OptionButton::Option2);
    fp::Checked([&] { ScreenUpdate(r, track_, surfaces_.picture1, option1, option2); });

    stretch_ = Stretch::Display;
    GraphSelection graphs;
    graphs.VX1 = form_.isChecked(Check3);
    graphs.VY1 = form_.isChecked(Check5);
    graphs.VX2 = form_.isChecked(Check4);
    graphs.VY2 = form_.isChecked(Check6);
    graphs.w1 = form_.isChecked(Check7);
    graphs.w2 = form_.isChecked(Check8);
    PlotTimeGraphPoints(r, surfaces_.picture2, graphs);
    RefreshPanel(r, form_, settings_.decimalSeparator, platform_.clock.seconds());
    series_.append(r);
    WriteDataRecord(r, form_.isChecked(Check2), settings_.decimalSeparator, settings_.dataFile);

    if (r.StopFlag == 1) return false;
    return platform_.events.processEvents() && !endRun_;
}

} // namespace kvor
