// The physical constants, the energy and momentum bookkeeping and the display angles.

#include "core/display_angles.h"
#include "core/energy_balance.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kvor {
namespace {

TEST(ModelConstants, ComputedAsTheWindowAlwaysDid) {
    ModelRecord r;
    SetModelConstants(r);
    // G and Vsv come from the power function times the mantissa.
    EXPECT_EQ(r.G, std::pow(10.0, -12.0) * 66.7);
    EXPECT_EQ(r.Vsv, std::pow(10.0, 8.0) * 2.998);
    EXPECT_EQ(r.Kq, 9e9);
    EXPECT_EQ(r.Pi, 3.141593);
    // Nothing else of the record is set.
    EXPECT_EQ(r.m10, 0.0);
    EXPECT_EQ(r.h, 0.0);
    EXPECT_EQ(r.Alfa, 0.0);
    EXPECT_EQ(r.NC0, 0);
}

TEST(DisplayAngles, DegreesTruncatedToThreeDecimals) {
    // 1 rad is 57.29580... degrees with 3.14159 for pi: truncated, not rounded.
    EXPECT_EQ(AngleDegrees(1), 57.295);
    EXPECT_EQ(AngleDegrees(1), std::trunc(1 * 1000 * 180 / 3.14159) / 1000);
    EXPECT_EQ(AngleDegrees(3.14159 / 2), 90.0);
    EXPECT_EQ(AngleDegrees(-1), -57.295) << "truncation goes toward zero";

    EXPECT_EQ(VelocityAngleDegrees(1, 1), 45.0);
    EXPECT_EQ(VelocityAngleDegrees(-1, -1), 45.0) << "no sign, no quadrant";
    EXPECT_EQ(VelocityAngleDegrees(-3, 4), VelocityAngleDegrees(3, 4));
    EXPECT_EQ(VelocityAngleDegrees(0, 7), 0.0) << "a vertical velocity shows 0";
    EXPECT_EQ(VelocityAngleDegrees(2, 0), 0.0);
    EXPECT_EQ(VelocityAngleDegrees(1, 1e9), std::trunc(std::atan(1e9) * 1000 * 180 / 3.14159) / 1000);

    ModelRecord r;
    r.VX1 = 0;
    r.VY1 = -5;
    r.VX2 = -1;
    r.VY2 = 1;
    r.Alfa = 1;
    r.Ugol1 = 33;
    UpdateDisplayAngles(r);
    EXPECT_EQ(r.Ugol1, 0.0);
    EXPECT_EQ(r.Ugol2, 45.0);
    EXPECT_EQ(r.AlfaDeg, 57.295);
}

ModelRecord movingPair() {
    ModelRecord r;
    SetModelConstants(r);
    r.m1 = 2;
    r.m2 = 3;
    r.VX1 = 3;
    r.VY1 = 4;
    r.VX2 = -1;
    r.VY2 = 0.5;
    r.V1 = 5;
    r.V2 = std::sqrt(1.25);
    return r;
}

TEST(EnergyBalance, StartEnergyAndMomentum) {
    ModelRecord r = movingPair();
    StartEnergy(r);
    StartMomentum(r);
    EXPECT_EQ(r.E0, (2 * 5.0 * 5.0 + 3 * r.V2 * r.V2) / 2);
    EXPECT_NEAR(r.E0, 25 + 1.875, 1e-12);
    // Momentum (6 - 3, 8 + 1.5) = (3, 9.5).
    EXPECT_EQ(r.KD0, std::sqrt(3.0 * 3.0 + 9.5 * 9.5));
}

TEST(EnergyBalance, KineticEnergyIncludesRotationAndMomentumIsAVectorSum) {
    ModelRecord r = movingPair();
    r.w1 = 2;
    r.w2 = -4;
    r.J1 = 0.5;
    r.J2 = 0.25;
    KineticEnergyAndMomentum(r);
    EXPECT_EQ(r.Ev, (5 * (2 * 5.0) + r.V2 * (3 * r.V2)) / 2);
    EXPECT_EQ(r.Ew, (2 * (0.5 * 2.0) + -4 * (0.25 * -4.0)) / 2);
    EXPECT_EQ(r.Ew, 3.0);
    EXPECT_EQ(r.E, r.Ev + r.Ew);
    EXPECT_EQ(r.KD, std::sqrt(3.0 * 3.0 + 9.5 * 9.5));
}

TEST(EnergyBalance, SummedInItsOwnOrder) {
    // E - E0 + Ej + Es + Em + Eq, left to right. Values chosen so that any other order of the
    // same sum gives another double: adding Em before Ej, or E0 last, loses the 1 and the 0.5.
    ModelRecord r;
    r.E = 1e16;
    r.E0 = 1e16;
    r.Ej = 1e16;
    r.Es = 1;
    r.Em = -1e16;
    r.Eq = 0.5;
    EXPECT_EQ(EnergyBalance(r), 0.5);
    EXPECT_NE(r.E - r.E0 + r.Em + r.Eq + r.Ej + r.Es, 0.5);
    EXPECT_NE(r.E + r.Ej + r.Es + r.Em + r.Eq - r.E0, 0.5);
}

TEST(EnergyBalance, PotentialTermsCountTheWorkOfTheFieldForces) {
    // The balls came 0.1 m closer. Attraction (Fm > 0) did positive work, so Em falls by it;
    // repulsion (Fq > 0) did negative work, so Eq grows by it.
    ModelRecord r;
    r.LRprev = 2;
    r.LR = 1.9;
    r.Fm = 3;
    r.Fq = 5;
    r.Em = 1;
    r.Eq = 1;
    PotentialEnergyTerms(r);
    EXPECT_EQ(r.Em, 1 - (2 - 1.9) * 3);
    EXPECT_EQ(r.Eq, (2 - 1.9) * 5 + 1);
    EXPECT_LT(r.Em, 1.0);
    EXPECT_GT(r.Eq, 1.0);
}

TEST(EnergyBalance, RelativisticMassesGrowWithSpeed) {
    ModelRecord r;
    SetModelConstants(r);
    r.m10 = 2;
    r.m20 = 5;
    r.R10 = 0.5;
    r.R20 = 0.25;
    r.V1 = 0.6 * r.Vsv;
    r.V2 = 0;
    RelativisticMasses(r);
    EXPECT_EQ(r.m1, 2 / std::sqrt(1 - r.V1 * r.V1 / r.Vsv / r.Vsv));
    EXPECT_NEAR(r.m1, 2 / 0.8, 1e-14);
    EXPECT_EQ(r.m2, 5.0);
    EXPECT_EQ(r.J1, 2 * r.m1 * 0.5 * 0.5 / 5);
    EXPECT_EQ(r.J2, 2 * 5.0 * 0.25 * 0.25 / 5);
}

} // namespace
} // namespace kvor
