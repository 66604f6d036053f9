#pragma once

// Experiments that the tests and the benchmarks share, as a user would type them into the boxes.
// The worked examples of the window itself live in control/presets.h.

#include "output/form.h"

#include <string>
#include <utility>
#include <vector>

namespace kvor::test {

struct Scenario {
    OptionButton variant = OptionButton::Option1;
    std::vector<std::pair<TextBox, std::string>> boxes;  // written after the worked example

    Scenario with(TextBox box, std::string text) const {
        Scenario s = *this;
        s.boxes.emplace_back(box, std::move(text));
        return s;
    }
};

// The ball-ball example exactly as the window loads it.
Scenario BallBallExample();

// The ball-rod example exactly as the window loads it.
Scenario BallRodExample();

// Two equal, perfectly elastic balls without friction on the x axis, 5 m/s and -10 m/s, 2 m
// apart: the example of the help text.
Scenario HeadOnElastic();

// The same head-on impact with viscous friction inside both balls.
Scenario HeadOnViscous();

} // namespace kvor::test
