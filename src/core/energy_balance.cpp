#include "energy_balance.h"

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

template <typename Number> void PotentialEnergyTerms(BasicModelRecord<Number>& r) {
    r.Em = r.Em - (r.LRprev - r.LR) * r.Fm;
    r.Eq = (r.LRprev - r.LR) * r.Fq + r.Eq;
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
template void PotentialEnergyTerms(BasicModelRecord<real>&);
template void RelativisticMasses(BasicModelRecord<real>&);
template void BallInertia(BasicModelRecord<real>&);
template void PotentialEnergyTerms(BasicModelRecord<double>&);
template void RelativisticMasses(BasicModelRecord<double>&);
template void BallInertia(BasicModelRecord<double>&);

} // namespace kvor
