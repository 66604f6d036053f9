#include "start_state.h"

#include "ball_rod.h"
#include "display_angles.h"
#include "energy_balance.h"

#include <cmath>

namespace kvor {

void StartState(ModelRecord& r, const StartOptions& options, const std::function<void(StartStage)>& reached) {
    r.BallBall = 0;
    r.BallRod = 0;
    // The bodies start apart; a reversal during a contact goes on with the contact it reverses.
    r.ContactIn = 0;
    ResetSums(r);
    FreeRadii(r);
    r.V1 = std::sqrt(r.VX1 * r.VX1 + r.VY1 * r.VY1);
    r.V2 = std::sqrt(r.VX2 * r.VX2 + r.VY2 * r.VY2);
    StartMasses(r, options.lorentz);
    reached(StartStage::Masses);

    // Balls, or a thin rod turning about its centre, which carries no charge in this model.
    BallInertia(r);
    if (options.ballRod) {
        r.J2 = r.m2 * r.L2 * r.L2 / 12;
        r.q2 = 0;
    }

    StartEnergyAndMomentum(r);
    reached(StartStage::EnergyAndMomentum);

    r.DX = r.X2 - r.X1;
    r.DY = r.Y2 - r.Y1;
    r.Alfa = 3.14159 / 2;
    if (r.DX != 0) r.Alfa = std::atan(std::abs(r.DY / r.DX));
    r.AlfaDeg = AngleDegrees(r.Alfa);
    r.Ugol1 = 0;
    r.Ugol1 = VelocityAngleDegrees(r.VX1, r.VY1);
    r.Ugol2 = 0;
    r.Ugol2 = VelocityAngleDegrees(r.VX2, r.VY2);
    reached(StartStage::Angles);

    // Spring plus damper stiffness of each ball over one step, and the start distance with the
    // Coulomb force there.
    r.CK1 = r.Kj1 / r.h + r.C1;
    r.CK2 = r.Kj2 / r.h + r.C2;
    r.DX = r.X2 - r.X1;
    r.DY = r.Y2 - r.Y1;
    r.LRprev = std::sqrt(r.DX * r.DX + r.DY * r.DY);
    r.Fq0 = r.Kq * r.q1 * r.q2 / r.LRprev / r.LRprev;
    reached(StartStage::StartPoint);

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

    if (options.ballBall) r.BallBall = 1;
    if (options.ballRod) r.BallRod = 1;
}

void ResetSums(ModelRecord& r) {
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
    r.EqStep = 0;
    r.Wc = 0;
    r.Ec = 0;
    r.EqAnswer = 0;
    r.Fq0 = 0;
    r.StepContact = 0;
    r.Touched = 0;
    r.ContactSinceRow = 0;
    r.Mus = 0;
    r.Musx = 0;
    r.Musy = 0;
}

void FreeRadii(ModelRecord& r) {
    r.R12 = (r.D1 + r.D2) / 2;
    r.LRc = r.R12;
    r.R10 = r.D1 / 2;
    r.R20 = r.D2 / 2;
}

void StartMasses(ModelRecord& r, bool lorentz) {
    r.m1 = r.m10;
    r.m2 = r.m20;
    if (lorentz) RelativisticMasses(r);
}

void StartEnergyAndMomentum(ModelRecord& r) {
    StartEnergy(r);
    StartMomentum(r);
}

bool BodiesApart(const ModelRecord& r, bool ballRod) {
    if (ballRod) return RodPenetration(r) <= 0;
    return r.LRprev > r.R12;
}

bool EndImpactHolds(const ModelRecord& r) {
    return r.phi2 == 0 && r.VX2 == 0 && r.VY2 == 0 && r.VY1 == 0 && r.VX1 > 0 &&
           std::abs(r.Y1 - r.Y2) == r.L2 / 2;
}

EndImpact EndImpactSolution(const ModelRecord& r) {
    EndImpact s;
    const real P = r.m1 / r.m2 + r.m1 * r.L2 * r.L2 / 4 / r.J2;
    const real A = P + 1;
    const real B = -2 * P * r.V1;
    const real C = r.V1 * r.V1 * (P - 1);
    s.V1a = (std::sqrt(B * B - 4 * A * C) - B) / 2 / A;
    s.V1b = (-B - std::sqrt(B * B - 4 * A * C)) / 2 / A;
    s.V2a = (r.V1 - s.V1a) * r.m1 / r.m2;
    s.V2b = (r.V1 - s.V1b) * r.m1 / r.m2;
    s.w2a = r.m1 * r.L2 * (r.V1 - s.V1a) / 2 / r.J2;
    s.w2b = r.m1 * r.L2 * (r.V1 - s.V1b) / 2 / r.J2;
    return s;
}

} // namespace kvor
