#pragma once

#include "host/form.h"

#include <span>

namespace kvor {

// A worked example is a list of box values, written as number texts in the order of the list.
struct BoxValue {
    TextBox box;
    double value;
};

// The oblique impact of two balls of 1 kg and 1 m: body 1 along +X at 1 m/s, body 2 along +Y at
// 10 m/s; without forces they would touch after 0.1 s at 45 degrees.
std::span<const BoxValue> BallBallExample();

// A ball of 0.5 m at 30 m/s along y = -0.5 m hits the lower end of a resting vertical rod of
// length 1 m centred at the origin.
std::span<const BoxValue> BallRodExample();

void WriteBoxValues(Form& form, std::span<const BoxValue> values, char decimalSeparator);

// The window at start-up: the ball-ball example in the input boxes and 0 in "Угол2, град".
void WriteStartUpExample(Form& form, char decimalSeparator);

// The option buttons: each shows the boxes of its variant and, while "исходные данные" is
// ticked, writes its worked example (not the rod angle).
void Option1_Click(Form& form, char decimalSeparator);
void Option2_Click(Form& form, char decimalSeparator);

} // namespace kvor
