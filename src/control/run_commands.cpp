#include "core/fp_exceptions.h"
#include "experiment.h"
#include "view/trajectory_view.h"

namespace kvor {

void Experiment::Command2_Click() {
    r_.StopFlag = 1;
}

void Experiment::Command3_Click() {
    r_.StopFlag = 0;
    EnterRunLoop(true);
}

// With the step counter at 0 and the stop flag set, the run makes exactly NC0 steps, one screen
// update, and ends.
void Experiment::Command10_Click() {
    r_.StepCount = 0;
    r_.StopFlag = 1;
    EnterRunLoop(true);
}

void Experiment::Command11_Click() {
    EnterRunLoop(ReverseExperiment());
}

// Where Start, Continue, NC0 steps and Reverse go once their own work is done. When it could not
// be done (`ready` false: a start or reversal that failed), an active run ends at its next event
// processing. Otherwise the active run goes on from the state the command left, or, with no run
// active, the run loop is entered: there is never a nested run.
void Experiment::EnterRunLoop(bool ready) {
    if (!ready) {
        if (running_) endRun_ = true;
        return;
    }
    endRun_ = false;
    if (!running_) RunLoop();
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
        ResetSums();
        FreeRadii();
        StartMasses();
        StartEnergyAndMomentum();

        r.DX = r.X2 - r.X1;
        r.DY = r.Y2 - r.Y1;
        r.Alfa = 3.14159 / 2;
    });
    if (!reversed) return false;
    // The reversal point starts the new track, so that the first update erases the vectors and
    // bodies drawn there. Before any start no scale has been read and there is no point to place:
    // the new track then keeps the old point 0, and the reversal runs all the same.
    try {
        StoreStartPoint(r, track_);
    } catch (const ArithmeticFault&) {
        fp::clearFaults();
    }
    r.StopFlag = 0;
    BeginSeries();
    return true;
}

} // namespace kvor
