#include "presets.h"

#include "core/number_text.h"

#include <array>

namespace kvor {

namespace {

// Both columns in the order in which the window writes them: Text1 to Text30, then the scales,
// the step and the step counts, then the coordinate exponents.
constexpr std::array<BoxValue, 37> kBallBall{{
    {Text1, 1},     {Text2, 3.2},      {Text3, 1},       {Text4, 400},   {Text5, 0},    {Text6, 0},
    {Text7, 1},     {Text8, 0},        {Text9, -0.8071}, {Text10, 0},    {Text11, 1},   {Text12, 0},
    {Text13, 1},    {Text14, 400},     {Text15, 0},      {Text16, 1},    {Text17, 0},   {Text18, 10},
    {Text19, 0},    {Text20, -1.7071}, {Text21, 0},      {Text22, -19},  {Text23, 0},   {Text24, 0},
    {Text25, 0},    {Text26, 15},      {Text27, 0},      {Text28, 0},    {Text29, 0.5}, {Text30, 3},
    {Text51, 0.02}, {Text54, 0.00001}, {Text55, 20},     {Text57, 1000}, {Text61, 100}, {Text66, 0},
    {Text67, 0},
}};

constexpr std::array<BoxValue, 37> kBallRod{{
    {Text1, 12},     {Text2, 3.2},       {Text3, 0.5},  {Text4, 4},     {Text5, 0},    {Text6, 0},
    {Text7, 30},     {Text8, 0},         {Text9, -0.5}, {Text10, -0.5}, {Text11, 24},  {Text12, 0},
    {Text13, 0.2},   {Text14, 400},      {Text15, 0},   {Text16, 1},    {Text17, 0},   {Text18, 0},
    {Text19, 0},     {Text20, 0},        {Text21, 0},   {Text22, -19},  {Text23, 0},   {Text24, 5},
    {Text25, 0},     {Text26, 10000},    {Text27, 0},   {Text28, 0},    {Text29, 0.2}, {Text30, 10},
    {Text51, 0.005}, {Text54, 0.000001}, {Text55, 100}, {Text57, 1000}, {Text61, 100}, {Text66, 0},
    {Text67, 0},
}};

// The boxes that only the ball-ball variant uses, and the rod length that only the ball-rod
// variant uses. Their captions q2, C2, Kj2 stay visible.
void showVariantBoxes(Form& form, bool ballBall) {
    form.setTextVisible(Text12, ballBall);
    form.setTextVisible(Text14, ballBall);
    form.setTextVisible(Text15, ballBall);
    form.setTextVisible(Text16, !ballBall);
    form.setRodLengthLabelVisible(!ballBall);
}

} // namespace

std::span<const BoxValue> BallBallExample() {
    return kBallBall;
}
std::span<const BoxValue> BallRodExample() {
    return kBallRod;
}

void WriteBoxValues(Form& form, std::span<const BoxValue> values, char decimalSeparator) {
    for (const BoxValue& v : values) form.setText(v.box, NumberText(v.value, decimalSeparator));
}

void WriteStartUpExample(Form& form, char decimalSeparator) {
    const auto example = BallBallExample();
    const auto beforeAngle = example.first(example.size() - 2); // up to Text61
    WriteBoxValues(form, beforeAngle, decimalSeparator);
    form.setText(Text64, NumberText(0, decimalSeparator));
    WriteBoxValues(form, example.last(2), decimalSeparator);
}

void Option1_Click(Form& form, char decimalSeparator) {
    showVariantBoxes(form, true);
    if (form.isChecked(Check12)) WriteBoxValues(form, BallBallExample(), decimalSeparator);
}

void Option2_Click(Form& form, char decimalSeparator) {
    showVariantBoxes(form, false);
    if (form.isChecked(Check12)) WriteBoxValues(form, BallRodExample(), decimalSeparator);
}

} // namespace kvor
