#include "scenarios.h"

#include "control/presets.h"
#include "core/number_text.h"

namespace kvor::test {

namespace {

Scenario fromPreset(OptionButton variant, std::span<const BoxValue> values) {
    Scenario s{variant, {}};
    for (const auto& v : values) s.boxes.emplace_back(v.box, NumberText(v.value, '.'));
    return s;
}

} // namespace

Scenario BallBallExample() { return fromPreset(OptionButton::Option1, kvor::BallBallExample()); }

Scenario BallRodExample() { return fromPreset(OptionButton::Option2, kvor::BallRodExample()); }

Scenario HeadOnElastic() {
    return BallBallExample()
        .with(Text1, "1")
        .with(Text11, "1")
        .with(Text2, "0")
        .with(Text12, "0")
        .with(Text3, "0.5")
        .with(Text13, "0.5")
        .with(Text4, "1")
        .with(Text14, "1")
        .with(Text24, "6")
        .with(Text5, "0")
        .with(Text15, "0")
        .with(Text6, "0")
        .with(Text7, "5")
        .with(Text17, "-10")
        .with(Text8, "0")
        .with(Text18, "0")
        .with(Text9, "-1")
        .with(Text19, "1")
        .with(Text10, "0")
        .with(Text20, "0")
        .with(Text54, "0.00001")
        .with(Text55, "10")
        .with(Text29, "0.5")
        .with(Text30, "5");
}

Scenario HeadOnViscous() { return HeadOnElastic().with(Text5, "50").with(Text15, "50"); }

} // namespace kvor::test
