// The start of an experiment: the first values it shows, the closed-form end impact it prints,
// and the one rule it checks.

#include "core/number_text.h"
#include "engine_fixture.h"
#include "record_compare.h"
#include "reference_inputs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace kvor::test {
namespace {

TEST(StartCommand, BallMustComeFromTheLeftOfTheRod) {
    Engine engine(',');
    engine.load(BallRodExample().with(Text19, "-1").with(Text64, "33"));
    engine.start();
    ASSERT_EQ(engine.messages.shown, std::vector<std::string>{"Шар должен лететь слева направо"});
    EXPECT_EQ(engine.events.calls, 0) << "no run";
    EXPECT_FALSE(engine.experiment.running());
    EXPECT_EQ(engine.record.BallRod, 1);
    EXPECT_EQ(engine.record.BallBall, 0);
    // The start values are shown already.
    const BatchForm& f = engine.form;
    EXPECT_EQ(f.text(Text39), "12");
    EXPECT_EQ(f.text(Text40), "24");
    EXPECT_EQ(f.text(Text62), "5400"); // 12 * 30^2 / 2
    EXPECT_EQ(f.text(Text52), "360");  // 12 * 30
    EXPECT_EQ(f.text(Text59), "0");
    EXPECT_EQ(f.text(Text64), "0");
    EXPECT_EQ(f.text(Text65), "45");
    EXPECT_EQ(engine.record.J2, 24.0 * 1 * 1 / 12);
    // The end-impact lines come before the check.
    EXPECT_EQ(engine.picture1.printed().size(), 3u);

    // The rod centre straight above or below the ball passes.
    engine.messages.shown.clear();
    engine.load(BallRodExample().with(Text19, "-0,5").with(Text20, "1"));
    engine.start(1);
    EXPECT_TRUE(engine.messages.shown.empty());
    EXPECT_EQ(engine.record.NT, 2);
}

TEST(StartCommand, BallRodExamplePrintsTheEndImpactSolution) {
    Engine engine(',');
    engine.load(BallRodExample());
    engine.start(1);
    // P = 12/24 + 12*1*1/4/2 = 2: the ball goes on with V1 (P-1)/(P+1) = 10 m/s, the rod with
    // (30-10)*12/24 = 10 m/s, turning at 12*1*(30-10)/2/2 = 60 rad/s.
    const std::vector<std::string> expected = {" V1= 30   V1= 10", " V2= 0   V2= 10", " w2= 0   w2= 60"};
    EXPECT_EQ(engine.picture1.printed(), expected);
    std::vector<std::pair<float, float>> at;
    for (const CanvasOp& op : engine.picture1.ops)
        if (op.kind == CanvasOp::Kind::Print) at.emplace_back(op.a, op.b);
    EXPECT_EQ(at, (std::vector<std::pair<float, float>>{{-5.0f, 5.0f}, {-5.0f, 4.5f}, {-5.0f, 4.0f}}));
    // A start clears neither picture: only the window's start-up did.
    for (const LoggingCanvas* picture : {&engine.picture1, &engine.picture2}) {
        long clears = 0;
        for (const CanvasOp& op : picture->ops) clears += op.kind == CanvasOp::Kind::Clear;
        EXPECT_EQ(clears, 1);
    }

    // Not for a ball off the rod's end, however little.
    engine.load(BallRodExample().with(Text10, "-0,5000001"));
    engine.picture1.ops.clear();
    engine.start(1);
    EXPECT_TRUE(engine.picture1.printed().empty());

    // Nor in the ball-ball variant.
    engine.load(BallBallExample().with(Text10, "-0,5"));
    engine.start(1);
    EXPECT_TRUE(engine.picture1.printed().empty());
}

TEST(StartCommand, EndImpactSolutionForOtherMassesAndSpeeds) {
    // The closed form recomputed by the reference, for a turned rod (whose angle is not tested)
    // and relativistic masses.
    for (const bool lorentz : {false, true}) {
        Engine engine(',');
        engine.load(BallRodExample()
                        .with(Text1, "3")
                        .with(Text11, "7")
                        .with(Text7, "13,7")
                        .with(Text16, "1,3")
                        .with(Text10, "-0,65")
                        .with(Text64, "30"));
        engine.form.setChecked(Check11, true);
        engine.form.setChecked(Check1, lorentz);
        ref::State s = ReferenceFrom(engine.record);
        ReadReferenceInputs(engine.form, s);
        ref::Start(s, true);
        const auto v = ref::EndImpact(s);
        engine.start(1);
        const std::vector<std::string> expected = {
            " V1= " + NumberText(v[0], ',') + "   V1= " + NumberText(v[1], ','),
            " V2= " + NumberText(v[2], ',') + "   V2= " + NumberText(v[3], ','),
            " w2= " + NumberText(v[4], ',') + "   w2= " + NumberText(v[5], ','),
        };
        EXPECT_EQ(engine.picture1.printed(), expected);
        // Momentum: the ball's loss is the rod's gain.
        EXPECT_NEAR(3 * (13.7 - v[1]), 7 * v[3], 1e-9);
    }
}

TEST(StartCommand, VerticalLineOfCentresStartsAtTheLiteralRightAngle) {
    // Body 1 at rest straight above body 2, which rises to meet it: DX = 0 stays 0, so Alfa
    // keeps 3.14159/2 (not Pi/2 = 1.5707965) and the angle shows 90.
    Engine engine(',');
    engine.load(BallBallExample().with(Text9, "0").with(Text7, "0").with(Text10, "0"));
    engine.start(3);
    EXPECT_EQ(engine.record.Alfa, 1.570795);
    EXPECT_EQ(engine.form.text(Text65), "90");
    EXPECT_EQ(engine.form.text(Text59), "0") << "VX1 = 0";
    EXPECT_EQ(engine.form.text(Text64), "0") << "VX2 = 0 too";
}

TEST(StartCommand, LorentzMassesAtSixTenthsOfTheSpeedOfLight) {
    Engine engine(',');
    engine.form.setChecked(Check1, true);
    engine.form.setChecked(Check9, true); // the panel shows the masses
    const double Vsv = std::pow(10.0, 8.0) * 2.998;
    engine.load(HeadOnElastic().with(Text7, NumberText(0.6 * Vsv, ',')).with(Text17, "0"));
    engine.start(1);
    const double V1 = TypedNumber(engine.form, Text7);
    const double m1 = 1 / std::sqrt(1 - V1 * V1 / Vsv / Vsv);
    EXPECT_NEAR(m1, 1.25, 1e-12);
    EXPECT_EQ(engine.record.m1, m1);
    EXPECT_EQ(engine.form.text(Text39), NumberText(m1, ','));
    EXPECT_EQ(engine.form.text(Text40), "1");
    EXPECT_EQ(engine.record.E0, (m1 * V1 * V1 + 1 * 0.0 * 0.0) / 2) << "with the grown mass";
}

} // namespace
} // namespace kvor::test
