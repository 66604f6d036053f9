#include "core/energy_balance.h"
#include "core/fp_exceptions.h"
#include "experiment.h"
#include "messages.h"
#include "view/trajectory_view.h"

#include <cmath>

namespace kvor {

void Experiment::Command2_Click() { r_.StopFlag = 1; }

void Experiment::Command3_Click() {
    r_.StopFlag = 0;
    endRun_ = false;
    if (!running_) RunLoop();
}

// With the step counter at 0 and the stop flag set, the run makes exactly NC0 steps, one screen
// update, and ends.
void Experiment::Command10_Click() {
    r_.StepCount = 0;
    r_.StopFlag = 1;
    endRun_ = false;
    if (!running_) RunLoop();
}

void Experiment::Command11_Click() {
    if (!ReverseExperiment()) {
        if (running_) endRun_ = true;
        return;
    }
    endRun_ = false;
    if (!running_) RunLoop();
}

// Turns the motion back from the current point, as if time ran backwards: every velocity changes
// sign, positions and angles stay, and the current point becomes the start of the experiment for
// the energy balance and the momentum. For an ideal impact the bodies retrace their paths.
bool Experiment::ReverseExperiment() {
    ModelRecord& r = r_;
    try {
        fp::clearFaults();
        r.X1 = r.Z[1];
        r.X2 = r.Z[2];
        r.Y1 = r.Z[3];
        r.Y2 = r.Z[4];
        r.phi1 = r.Z[5];
        r.phi2 = r.Z[6];
        r.VX1 = r.Z[7];
        r.VX2 = r.Z[8];
        r.VY1 = r.Z[9];
        r.VY2 = r.Z[10];
        r.w1 = r.Z[11];
        r.w2 = r.Z[12];
        r.Z[7] = -r.VX1;
        r.Z[8] = -r.VX2;
        r.Z[9] = -r.VY1;
        r.Z[10] = -r.VY2;
        r.Z[11] = -r.w1;
        r.Z[12] = -r.w2;

        // The start reset, without the variant flags. The spins are cleared in the mirrors only.
        r.T = 0;
        r.NT = 0;
        r.Fs = 0;
        r.Fsx = 0;
        r.Fsy = 0;
        r.VsPrev = 0;
        r.VR1 = 0;
        r.VR2 = 0;
        r.w1 = 0;
        r.w2 = 0;
        r.Def1Prev = 0;
        r.Def2Prev = 0;
        r.Es = 0;
        r.Ej = 0;
        r.Em = 0;
        r.Eq = 0;
        r.EqPrev = 0;
        r.EqAnswer = 0;
        r.Fq0 = 0;

        r.R12 = (r.D1 + r.D2) / 2;
        r.LRc = r.R12;
        r.R10 = r.D1 / 2;
        r.R20 = r.D2 / 2;

        // The speeds are those the run loop computed last; reversal does not change a speed.
        r.m1 = r.m10;
        r.m2 = r.m20;
        if (form_.isChecked(Check1)) {
            r.m1 = r.m10 / std::sqrt(1 - r.V1 * r.V1 / r.Vsv / r.Vsv);
            r.m2 = r.m20 / std::sqrt(1 - r.V2 * r.V2 / r.Vsv / r.Vsv);
        }
        WriteNumber(Text39, r.m1);
        WriteNumber(Text40, r.m2);
        StartEnergy(r);
        WriteNumber(Text62, r.E0);
        StartMomentum(r);
        WriteNumber(Text52, r.KD0);

        r.DX = r.X2 - r.X1;
        r.DY = r.Y2 - r.Y1;
        r.Alfa = 3.14159 / 2;
        fp::checkFaults();
    } catch (const ModelError&) {
        fp::clearFaults();
        platform_.messages.info(messages::kEnterDataCorrectly);
        return false;
    }
    // The reversal point starts the new track, so that the first update erases the vectors and
    // bodies drawn there. Before any start no scale has been read and there is no point to place:
    // the track then goes on from the point 0 it has, and the reversal runs all the same.
    try {
        StoreStartPoint(r, track_);
    } catch (const ArithmeticFault&) {
        fp::clearFaults();
    }
    r.StopFlag = 0;
    return true;
}

} // namespace kvor
