#include "energy_balance.h"

#include "ball_rod.h"

#include <cmath>

namespace kvor {

namespace {

// Magnitude of the total momentum m1 v1 + m2 v2.
double momentum(const ModelRecord& r) {
    const double px = r.m1 * r.VX1 + r.m2 * r.VX2;
    const double py = r.m1 * r.VY1 + r.m2 * r.VY2;
    return std::sqrt(px * px + py * py);
}

} // namespace

void StartEnergy(ModelRecord& r) {
    r.E0 = (r.m1 * r.V1 * r.V1 + r.m2 * r.V2 * r.V2) / 2;
}

void StartMomentum(ModelRecord& r) {
    r.KD0 = momentum(r);
}

template <typename Number> void EqQuestionTerm(BasicModelRecord<Number>& r) {
    r.EqStep = (r.LRprev - r.LR) * r.Fq + r.EqStep;
}

void ContactEnergies(ModelRecord& r) {
    r.Def1Now = 0;
    r.Def2Now = 0;
    if (r.BallRod == 1) {
        const double depth = RodPenetration(r);
        if (depth > 0) r.Def1Now = depth;
    } else if (r.BallBall == 1 && r.LR <= r.R12) {
        r.Def1Now = r.Def1;
        r.Def2Now = r.Def2;
    }
    r.Ec = r.C1 * r.Def1Now * r.Def1Now / 2 + r.C2 * r.Def2Now * r.Def2Now / 2;
    r.Ej = 0;
    if (r.Kj1 != 0 || r.Kj2 != 0) r.Ej = -r.Wc - r.Ec;
}

void KineticEnergyAndMomentum(ModelRecord& r) {
    r.Ev = (r.V1 * (r.m1 * r.V1) + r.V2 * (r.m2 * r.V2)) / 2;
    r.Ew = (r.w1 * (r.J1 * r.w1) + r.w2 * (r.J2 * r.w2)) / 2;
    r.E = r.Ev + r.Ew;
    r.KD = momentum(r);
}

double EnergyBalance(const ModelRecord& r) {
    return r.E - r.E0 + r.Ej + r.Es + r.Em + r.Eq;
}

template <typename Number> void RelativisticMasses(BasicModelRecord<Number>& r) {
    r.m1 = r.m10 / std::sqrt(1 - r.V1 * r.V1 / r.Vsv / r.Vsv);
    r.m2 = r.m20 / std::sqrt(1 - r.V2 * r.V2 / r.Vsv / r.Vsv);
}

template <typename Number> void BallInertia(BasicModelRecord<Number>& r) {
    r.J1 = 2 * r.m1 * r.R10 * r.R10 / 5;
    r.J2 = 2 * r.m2 * r.R20 * r.R20 / 5;
}

// The program's checked record, and plain doubles.
template void EqQuestionTerm(BasicModelRecord<real>&);
template void RelativisticMasses(BasicModelRecord<real>&);
template void BallInertia(BasicModelRecord<real>&);
template void EqQuestionTerm(BasicModelRecord<double>&);
template void RelativisticMasses(BasicModelRecord<double>&);
template void BallInertia(BasicModelRecord<double>&);

} // namespace kvor
