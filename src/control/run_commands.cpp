#include "core/fp_exceptions.h"
#include "core/start_state.h"
#include "experiment.h"
#include "view/trajectory_view.h"

namespace kvor {

void Experiment::Command2_Click() {
    r_.StopFlag = 1;
}

void Experiment::Command3_Click() {
    r_.StopFlag = 0;
    ContinueRun(true);
}

// With the step counter at 0 and the stop flag set, the run makes exactly NC0 steps, one screen
// update, and ends.
void Experiment::Command10_Click() {
    r_.StepCount = 0;
    r_.StopFlag = 1;
    ContinueRun(true);
}

void Experiment::Command11_Click() {
    ShowLastUpdate();
    ContinueRun(ReverseExperiment());
}

// Where Start, Continue, NC0 steps and Reverse go once their own work is done. When it could not
// be done (`ready` false: a start or reversal that failed), an active run ends at its next
// advance. Otherwise the active run goes on from the state the command left, or, with no run
// active, a run begins: there is never a second run.
void Experiment::ContinueRun(bool ready) {
    if (!ready) {
        // The record is no longer the one the last start state led to.
        study_.reset();
        if (running_) endRun_ = true;
        return;
    }
    endRun_ = false;
    running_ = true;
}

// Turns the motion back from the current point, as if time ran backwards: every velocity changes
// sign, positions and angles stay, and the current point becomes the start of the experiment for
// the energy balance, the momentum and a new series. For an ideal impact the bodies retrace their
// paths.
bool Experiment::ReverseExperiment() {
    ModelRecord& r = r_;
    const bool reversed = Guarded([&] {
        RefreshAllMirrors(r);
        r.Z[7] = -r.VX1;
        r.Z[8] = -r.VX2;
        r.Z[9] = -r.VY1;
        r.Z[10] = -r.VY2;
        r.Z[11] = -r.w1;
        r.Z[12] = -r.w2;

        // The start's reset, without the variant flags; the spins are cleared in the mirrors only.
        // The speeds are those the run loop computed last: reversal does not change a speed.
        ResetSums(r);
        FreeRadii(r);
        StartMasses(r, form_.isChecked(Check1));
        ShowMasses();
        StartEnergyAndMomentum(r);
        ShowEnergyAndMomentum();

        r.DX = r.X2 - r.X1;
        r.DY = r.Y2 - r.Y1;
        r.Alfa = 3.14159 / 2;
    });
    if (!reversed) return false;
    // The reversal point starts the new track; the bodies go on from there. Before any start no
    // scale has been read and there is no point to place: the new track then keeps the old point
    // 0, and the reversal runs all the same.
    try {
        StoreStartPoint(r, track_);
    } catch (const ArithmeticFault&) {
        fp::clearFaults();
    }
    r.StopFlag = 0;
    finishStep_ = false;
    // The impacts of the run stay; a contact under way is measured afresh from the reversal.
    meter_.Start(r);
    BeginSeries();
    return true;
}

} // namespace kvor
