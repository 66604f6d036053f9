#include "core/display_angles.h"
#include "core/energy_balance.h"
#include "core/number_text.h"
#include "experiment.h"
#include "messages.h"
#include "view/pen.h"
#include "view/trajectory_view.h"

#include <cmath>
#include <optional>
#include <string>

namespace kvor {

void Experiment::Command1_Click() {
    EnterRunLoop(StartExperiment());
}

// Reads the inputs, puts the record into the start state of a new experiment, checks that it can
// run and begins its series. Returns false after telling the user why not.
bool Experiment::StartExperiment() {
    std::optional<TextBox> reading = Text1;
    const bool started = Guarded(
        [&] {
            ReadExperimentInputs(r_, form_, &*reading);
            reading.reset();
            StartState();
        },
        reading);
    if (!started) return false;
    // The rod model expects the ball to come from the left.
    if (form_.isSelected(OptionButton::Option2) && r_.DX < 0) {
        platform_.messages.info(messages::kBallFromLeft);
        return false;
    }
    r_.StopFlag = 0;
    r_.TStart = platform_.clock.seconds();
    BeginSeries();
    return true;
}

void Experiment::StartState() {
    ModelRecord& r = r_;
    const bool ballRod = form_.isSelected(OptionButton::Option2);

    r.BallBall = 0;
    r.BallRod = 0;
    ResetSums();
    FreeRadii();
    r.V1 = std::sqrt(r.VX1 * r.VX1 + r.VY1 * r.VY1);
    r.V2 = std::sqrt(r.VX2 * r.VX2 + r.VY2 * r.VY2);
    StartMasses();

    // Balls, or a thin rod turning about its centre, which carries no charge in this model.
    r.J1 = 2 * r.m1 * r.R10 * r.R10 / 5;
    r.J2 = 2 * r.m2 * r.R20 * r.R20 / 5;
    if (ballRod) {
        r.J2 = r.m2 * r.L2 * r.L2 / 12;
        r.q2 = 0;
    }

    StartEnergyAndMomentum();

    r.DX = r.X2 - r.X1;
    r.DY = r.Y2 - r.Y1;
    r.Alfa = 3.14159 / 2;
    if (r.DX != 0) r.Alfa = std::atan(std::abs(r.DY / r.DX));
    r.AlfaDeg = AngleDegrees(r.Alfa);
    r.Ugol1 = 0;
    r.Ugol1 = VelocityAngleDegrees(r.VX1, r.VY1);
    r.Ugol2 = 0;
    r.Ugol2 = VelocityAngleDegrees(r.VX2, r.VY2);
    WriteNumber(Text59, r.Ugol1);
    WriteNumber(Text64, r.Ugol2);
    WriteNumber(Text65, r.AlfaDeg);

    // Spring plus damper stiffness of each ball over one step, and the start distance with the
    // Coulomb force there.
    r.CK1 = r.Kj1 / r.h + r.C1;
    r.CK2 = r.Kj2 / r.h + r.C2;
    r.DX = r.X2 - r.X1;
    r.DY = r.Y2 - r.Y1;
    r.LRprev = std::sqrt(r.DX * r.DX + r.DY * r.DY);
    r.Fq0 = r.Kq * r.q1 * r.q2 / r.LRprev / r.LRprev;

    StoreStartPoint(r, track_);
    StoreDrawnVelocities(r, track_);

    r.Z[1] = r.X1;
    r.Z[2] = r.X2;
    r.Z[3] = r.Y1;
    r.Z[4] = r.Y2;
    r.Z[5] = 0;
    r.Z[6] = r.phi2;
    r.Z[7] = r.VX1;
    r.Z[8] = r.VX2;
    r.Z[9] = r.VY1;
    r.Z[10] = r.VY2;
    r.Z[11] = r.w1;
    r.Z[12] = r.w2;

    if (ballRod && r.L2 / 2 == std::abs(r.Y1)) EndImpactSolution();

    if (form_.isSelected(OptionButton::Option1)) r.BallBall = 1;
    if (ballRod) r.BallRod = 1;
}

// What a start and a reversal share. The sums of the balance and the contact history begin
// afresh; StepCount, FileStepCount, Ss and AlfaPrev carry over.
void Experiment::ResetSums() {
    ModelRecord& r = r_;
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
}

void Experiment::FreeRadii() {
    ModelRecord& r = r_;
    r.R12 = (r.D1 + r.D2) / 2;
    r.LRc = r.R12;
    r.R10 = r.D1 / 2;
    r.R20 = r.D2 / 2;
}

// Masses at rest, or grown with the speeds V1, V2 by the Lorentz factor.
void Experiment::StartMasses() {
    ModelRecord& r = r_;
    r.m1 = r.m10;
    r.m2 = r.m20;
    if (form_.isChecked(Check1)) {
        r.m1 = r.m10 / std::sqrt(1 - r.V1 * r.V1 / r.Vsv / r.Vsv);
        r.m2 = r.m20 / std::sqrt(1 - r.V2 * r.V2 / r.Vsv / r.Vsv);
    }
    WriteNumber(Text39, r.m1);
    WriteNumber(Text40, r.m2);
}

// The references of the balance and of the momentum check: E0 and KD0.
void Experiment::StartEnergyAndMomentum() {
    StartEnergy(r_);
    WriteNumber(Text62, r_.E0);
    StartMomentum(r_);
    WriteNumber(Text52, r_.KD0);
}

// A ball striking the end of a resting vertical rod in an impact of no duration keeps momentum,
// angular momentum about the rod centre and kinetic energy. With P = m1/m2 + m1 L2^2/(4 J2) the
// ball's speed after the impact solves (P+1) v^2 - 2 P V1 v + (P-1) V1^2 = 0: the trivial root V1a
// (no impact) and V1b = V1 (P-1)/(P+1). Both are printed with the rod's speed and spin that follow.
void Experiment::EndImpactSolution() {
    const ModelRecord& r = r_;
    const char sep = settings_.decimalSeparator;
    Pen pen(surfaces_.picture1);
    // One line: " V1= " and the first root, "   V1= " and the second, with nothing between.
    const auto printPair = [&](double y, std::string_view label, double a, double b) {
        std::string line = " ";
        line.append(label).append("= ");
        AppendNumberText(line, a, sep);
        line.append("   ").append(label).append("= ");
        AppendNumberText(line, b, sep);
        pen.print(-5, y, line);
    };

    const real P = r.m1 / r.m2 + r.m1 * r.L2 * r.L2 / 4 / r.J2;
    const real A = P + 1;
    const real B = -2 * P * r.V1;
    const real C = r.V1 * r.V1 * (P - 1);
    const real V1a = (std::sqrt(B * B - 4 * A * C) - B) / 2 / A;
    const real V1b = (-B - std::sqrt(B * B - 4 * A * C)) / 2 / A;
    printPair(5, "V1", V1a, V1b);

    const real V2a = (r.V1 - V1a) * r.m1 / r.m2;
    const real V2b = (r.V1 - V1b) * r.m1 / r.m2;
    printPair(4.5, "V2", V2a, V2b);

    const real w2a = r.m1 * r.L2 * (r.V1 - V1a) / 2 / r.J2;
    const real w2b = r.m1 * r.L2 * (r.V1 - V1b) / 2 / r.J2;
    printPair(4, "w2", w2a, w2b);
}

} // namespace kvor
