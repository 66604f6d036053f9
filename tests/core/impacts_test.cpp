// Each contact's figures against impacts whose answers are known: the restitution of an elastic
// head-on impact and of a damped ball on a rod's centre (the closed form of a spring and dashpot),
// the tangential ratio of a frictionless oblique impact, and a law of each impulse.

#include "batch/batch_runner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>

namespace kvor {
namespace {

// The restitution of a ball on a spring C and dashpot Kj with the reduced mass m, the contact
// ending where the force, clamped at zero, vanishes (underdamped).
double SpringDashpotRestitution(double m, double C, double Kj) {
    const double w0 = std::sqrt(C / m), b = Kj / (2 * m), w = std::sqrt(w0 * w0 - b * b);
    const double tc = (std::numbers::pi - std::atan2(2 * b * w, w * w - b * b)) / w;
    return -std::exp(-b * tc) * (std::cos(w * tc) - b / w * std::sin(w * tc));
}

struct KnownImpact {
    const char* name;
    std::vector<std::string> setup; // after the worked example, h = 1E-5
    double en, et;                  // NAN: not to be checked; INFINITY: not defined ("-")
    double tolerance;
    // How far a law of the impulse is from holding, relative, given the record after the contact.
    double (*law)(const Impact&, const ModelRecord&);
};

void PrintTo(const KnownImpact& c, std::ostream* out) {
    *out << c.name;
}

class ImpactFigures : public testing::TestWithParam<KnownImpact> {};

TEST_P(ImpactFigures, AgreeWithTheKnownAnswer) {
    const KnownImpact& c = GetParam();
    std::ostringstream out;
    BatchRunner runner{out, {'.', "/dev/null"}};
    std::vector<std::string> script = c.setup;
    script.insert(script.end(), {"set h 0.00001", "end separated", "start"});
    runner.run(script);
    ASSERT_EQ(runner.experiment().impacts().size(), 1u) << out.str();
    const Impact& impact = runner.experiment().impacts()[0];
    EXPECT_TRUE(impact.finished);
    EXPECT_LT(impact.T0, impact.T1);
    const auto expect = [&](std::optional<double> measured, double known, const char* what) {
        if (std::isnan(known)) return;
        ASSERT_EQ(measured.has_value(), std::isfinite(known)) << what;
        if (measured) {
            EXPECT_NEAR(*measured, known, c.tolerance) << what;
        }
    };
    expect(impact.en, c.en, "e_n");
    expect(impact.et, c.et, "e_t");
    EXPECT_LT(c.law(impact, runner.record()), c.tolerance);
}

const std::vector<std::string> kOblique = {"set m20 2",     "set q1 0",     "set q2 0",     "set C1 1",
                                           "set C2 3",      "set Text24 5", "set Kj1 0",    "set Kj2 0",
                                           "set VX1 8",     "set VY1 6",    "set VX2 -2",   "set VY2 -1",
                                           "set X1 -0.525", "set Y1 -0.2",  "set X2 0.525", "set Y2 0.2"};
std::vector<std::string> With(std::vector<std::string> lines, std::initializer_list<const char*> more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}
const std::vector<std::string> kHeadOn = {
    "set m10 1", "set m20 1",    "set q1 0",     "set q2 0",  "set D1 0.5",  "set D2 0.5",
    "set C1 1",  "set C2 1",     "set Text24 6", "set VX1 5", "set VX2 -10", "set VY1 0",
    "set VY2 0", "set X1 -0.26", "set X2 0.26",  "set Y1 0",  "set Y2 0"};
const std::vector<std::string> kRod = {"variant ball-rod", "set m10 1",    "set m20 1",
                                       "set D1 0.1",       "set X1 -0.16", "set VX1 1"};

INSTANTIATE_TEST_SUITE_P(
    KnownAnswers, ImpactFigures,
    testing::Values(
        // Equal balls exchange 5 and -10 m/s: ball 2 takes an impulse of 15 N*s.
        KnownImpact{"ElasticHeadOn", kHeadOn, 1, INFINITY, 1e-5,
                    [](const Impact& i, const ModelRecord& r) {
                        return std::abs(i.impulse / (r.m2 * (r.VX2 + 10)) - 1);
                    }},
        // Level with the rod's centre the ball feels no torque: the series of a spring and a dashpot
        // with the reduced mass 1/2, to the accuracy of the fixed step. The impulse is the ball's.
        KnownImpact{"DampedRodCentreStrike",
                    With(kRod, {"set C1 1", "set Text24 4", "set Kj1 50", "set Y1 0"}),
                    SpringDashpotRestitution(0.5, 1e4, 50), INFINITY, 1e-4,
                    [](const Impact& i, const ModelRecord& r) {
                        return std::abs(i.impulse / (r.m1 * (1 - r.VX1)) - 1);
                    }},
        // With "Точная модель контакта" the contact's instants are found to round-off: the closed
        // forms hold to 1E-9.
        KnownImpact{"DampedRodCentreStrikeExact",
                    With(kRod, {"set C1 1", "set Text24 4", "set Kj1 50", "set Y1 0", "contact exact"}),
                    SpringDashpotRestitution(0.5, 1e4, 50), INFINITY, 1e-9,
                    [](const Impact& i, const ModelRecord& r) {
                        return std::abs(i.impulse / (r.m1 * (1 - r.VX1)) - 1);
                    }},
        KnownImpact{"ElasticHeadOnExact", With(kHeadOn, {"contact exact"}), 1, INFINITY, 1e-9,
                    [](const Impact& i, const ModelRecord& r) {
                        return std::abs(i.impulse / (r.m2 * (r.VX2 + 10)) - 1);
                    }},
        // Without friction the tangential velocity is kept, and no energy is lost.
        KnownImpact{"ObliqueWithoutFriction", kOblique, 1, 1, 1e-4,
                    [](const Impact& i, const ModelRecord& r) { return std::abs(i.lost / r.E0); }},
        // Dry friction alone spins ball 1: the tangential impulse J1 w1 / R1 is at most Ks times
        // the normal one.
        KnownImpact{"ObliqueWithDryFriction", With(kOblique, {"set Ks 0.4"}), NAN, NAN, 1e-4,
                    [](const Impact& i, const ModelRecord& r) {
                        const double ratio = r.J1 * std::abs(r.w1) / r.R10 / (0.4 * i.impulse);
                        return ratio > 0 ? std::max(ratio - 1, 0.0) : 1.0;
                    }},
        // The ball strikes the rod 0.45 m above its centre, 0.05 m below its end: the angular impulse about
        // the centre, the normal impulse times the lever arm, is the rod's J2 w2.
        KnownImpact{"RodStruckAtItsEnd",
                    With(kRod, {"set m10 0.1", "set C1 1", "set Text24 6", "set Kj1 0", "set Y1 0.45"}), NAN,
                    NAN, 1e-4,
                    [](const Impact& i, const ModelRecord& r) {
                        return std::abs(i.impulse * 0.45 / (r.J2 * std::abs(r.w2)) - 1);
                    }}),
    [](const testing::TestParamInfo<KnownImpact>& info) { return std::string(info.param.name); });

} // namespace
} // namespace kvor
