#include "core/ball_ball.h"
#include "core/ball_rod.h"
#include "core/energy_balance.h"
#include "core/fp_exceptions.h"
#include "core/runge_kutta.h"
#include "experiment.h"
#include "messages.h"
#include "output/data_record.h"
#include "output/value_panel.h"
#include "view/time_graph_view.h"
#include "view/trajectory_view.h"

#include <cmath>

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

} // namespace

// Step after step until the stop flag is seen at a screen update, the window is gone, the track
// store is full, the user declines to go on, or an error occurs. An error is reported with the
// message of the stretch of the step in which it arose; the record keeps what was computed.
void Experiment::RunLoop() {
    const ActiveRun active(running_, endRun_);
    for (;;) {
        Stretch stretch = Stretch::Equations;
        try {
            if (!RunStep(stretch)) return;
        } catch (const ModelError&) {
            fp::clearFaults();
            switch (stretch) {
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
            return;
        } catch (const DataFileError& failed) {
            platform_.messages.info(messages::kFileWriteError, failed.detail());
            return;
        }
    }
}

// One integration step and, every NC0 steps, a screen update. Returns false when the run ends.
bool Experiment::RunStep(Stretch& stretch) {
    ModelRecord& r = r_;
    const bool ballRod = r.BallRod == 1;

    // The integration: scales, the four stages and the contact update of the variant.
    stretch = Stretch::Equations;
    fp::clearFaults();
    scales_.ReadScales(r, form_);
    RungeKuttaStep(r, form_.isChecked(Check13));
    if (ballRod) {
        BallRodStepUpdate(r);
    } else {
        BallBallContactUpdate(r);
        fp::checkFaults();
        // Masses that grow with speed, and the work of the central forces.
        stretch = Stretch::LightSpeed;
        if (form_.isChecked(Check1)) RelativisticMasses(r);
        PotentialEnergyTerms(r);
        r.AlfaPrev = r.Alfa;
        r.LRprev = r.LR;
    }
    fp::checkFaults();

    if (r.NT > kMaxTrackPoints) {
        platform_.messages.info(messages::kTrackFull);
        return false;
    }
    if (!ballRod && !AskAboutEq()) return false;

    Increment(r.StepCount);
    r.T = r.T + r.h;
    Increment(r.FileStepCount);
    r.EqPrev = r.Eq;
    fp::checkFaults();
    if (r.StepCount < r.NC0) return true;

    r.StepCount = 0;
    return ScreenUpdateAndEvents(stretch);
}

// Two like charges that fly apart have given back all the potential energy they started with
// once |Fq| has fallen to |Fq0| and Eq still grows: the user decides whether to go on. After one
// Yes the question does not come again until the next start or reversal.
bool Experiment::AskAboutEq() {
    const ModelRecord& r = r_;
    if (r.EqAnswer == kAnswerYes || r.q1 == 0 || r.q2 == 0) return true;
    if (!(std::abs(r.Fq0) >= std::abs(r.Fq) && std::abs(r.EqPrev) <= std::abs(r.Eq))) return true;
    fp::checkFaults();
    const bool yes = platform_.messages.askYesNo(messages::kEqQuestion);
    fp::clearFaults();
    r_.EqAnswer = yes ? kAnswerYes : kAnswerNo;
    return yes;
}

bool Experiment::ScreenUpdateAndEvents(Stretch& stretch) {
    ModelRecord& r = r_;
    const bool option1 = form_.isSelected(OptionButton::Option1);
    const bool option2 = form_.isSelected(OptionButton::Option2);
    ScreenUpdate(r, track_, surfaces_.picture1, option1, option2);
    fp::checkFaults();

    stretch = Stretch::Display;
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
    const bool windowOpen = platform_.events.processEvents();
    fp::clearFaults();
    return windowOpen && !endRun_;
}

} // namespace kvor
