// What the window holds when it opens, and what the two option buttons do to the input grid.

#include "control/experiment.h"
#include "engine_fixture.h"
#include "record_compare.h"
#include "recording_form.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kvor::test {
namespace {

using Column = std::vector<std::pair<TextBox, std::string>>;

// The worked examples as the boxes show them with a decimal comma, in the order they are written.
const Column kBallBall = {
    {Text1, "1"},     {Text2, "3,2"},    {Text3, "1"},   {Text4, "400"},     {Text5, "0"},
    {Text6, "0"},     {Text7, "1"},      {Text8, "0"},   {Text9, "-0,8071"}, {Text10, "0"},
    {Text11, "1"},    {Text12, "0"},     {Text13, "1"},  {Text14, "400"},    {Text15, "0"},
    {Text16, "1"},    {Text17, "0"},     {Text18, "10"}, {Text19, "0"},      {Text20, "-1,7071"},
    {Text21, "0"},    {Text22, "-19"},   {Text23, "0"},  {Text24, "0"},      {Text25, "0"},
    {Text26, "15"},   {Text27, "0"},     {Text28, "0"},  {Text29, "0,5"},    {Text30, "3"},
    {Text51, "0,02"}, {Text54, "1E-05"}, {Text55, "20"}, {Text57, "1000"},   {Text61, "100"},
    {Text66, "0"},    {Text67, "0"},
};
const Column kBallRod = {
    {Text1, "12"},     {Text2, "3,2"},    {Text3, "0,5"},  {Text4, "4"},     {Text5, "0"},    {Text6, "0"},
    {Text7, "30"},     {Text8, "0"},      {Text9, "-0,5"}, {Text10, "-0,5"}, {Text11, "24"},  {Text12, "0"},
    {Text13, "0,2"},   {Text14, "400"},   {Text15, "0"},   {Text16, "1"},    {Text17, "0"},   {Text18, "0"},
    {Text19, "0"},     {Text20, "0"},     {Text21, "0"},   {Text22, "-19"},  {Text23, "0"},   {Text24, "5"},
    {Text25, "0"},     {Text26, "10000"}, {Text27, "0"},   {Text28, "0"},    {Text29, "0,2"}, {Text30, "10"},
    {Text51, "0,005"}, {Text54, "1E-06"}, {Text55, "100"}, {Text57, "1000"}, {Text61, "100"}, {Text66, "0"},
    {Text67, "0"},
};

void expectColumn(const Form& form, const Column& column) {
    for (const auto& [box, text] : column) EXPECT_EQ(form.text(box), text) << "Text" << static_cast<int>(box);
}

std::vector<TextBox> boxesOf(const Column& column) {
    std::vector<TextBox> boxes;
    for (const auto& entry : column) boxes.push_back(entry.first);
    return boxes;
}

bool isVariantBox(int box) {
    return box == Text12 || box == Text14 || box == Text15 || box == Text16;
}

TEST(Presets, WindowOpensWithTheBallBallExample) {
    Engine engine(',');
    const BatchForm& form = engine.form;
    expectColumn(form, kBallBall);
    EXPECT_EQ(form.text(Text64), "0");
    for (int box = 31; box <= 65; ++box) {
        const bool input = box == Text51 || box == Text54 || box == Text55 || box == Text57 || box == Text61;
        if (!input && box != Text64) {
            EXPECT_EQ(form.text(static_cast<TextBox>(box)), "") << "output box Text" << box;
        }
    }

    EXPECT_TRUE(form.isSelected(OptionButton::Option1));
    EXPECT_FALSE(form.isSelected(OptionButton::Option2));
    for (int box = 1; box <= kCheckBoxCount; ++box)
        EXPECT_EQ(form.isChecked(static_cast<CheckBox>(box)), box == Check12) << "Check" << box;
    for (int box = 1; box <= kTextBoxCount; ++box)
        EXPECT_EQ(form.isTextVisible(static_cast<TextBox>(box)), box != Text16) << "Text" << box;
    EXPECT_FALSE(form.isRodLengthLabelVisible());

    // The record holds the constants and nothing else.
    ModelRecord blank;
    ref::State constantsOnly = ReferenceFrom(blank);
    ref::Constants(constantsOnly);
    EXPECT_EQ(Differences(engine.record, constantsOnly), "");

    // Both pictures cleared and set up: the trajectory from -5 to 5, the time graph 0 to 14.
    ASSERT_GE(engine.picture1.ops.size(), 2u);
    EXPECT_EQ(engine.picture1.ops[0].kind, CanvasOp::Kind::Clear);
    EXPECT_EQ(engine.picture1.ops[1].kind, CanvasOp::Kind::Scale);
    EXPECT_EQ(engine.picture1.ops[1].a, -5.0f);
    EXPECT_EQ(engine.picture1.ops[1].b, 5.0f);
    EXPECT_EQ(engine.picture1.ops[1].c, 5.0f);
    EXPECT_EQ(engine.picture1.ops[1].d, -5.0f);
    ASSERT_GE(engine.picture2.ops.size(), 2u);
    EXPECT_EQ(engine.picture2.ops[0].kind, CanvasOp::Kind::Clear);
    EXPECT_EQ(engine.picture2.ops[1].kind, CanvasOp::Kind::Scale);
    EXPECT_EQ(engine.picture2.ops[1].c, 14.0f);
    EXPECT_EQ(engine.picture2.ops[1].d, -4.0f);
}

// An engine on a form that logs its writes.
struct LoggedEngine {
    LoggedEngine()
        : experiment(record, track, form, {picture1, picture2}, {messages, events, clock},
                     {',', "unused.dat"}) {}
    ModelRecord record;
    TrackStore track;
    RecordingForm form;
    LoggingCanvas picture1, picture2;
    ScriptedMessages messages;
    ScriptedEvents events;
    FixedClock clock;
    Experiment experiment;
};

TEST(Presets, BoxesAreWrittenInTheirOrder) {
    LoggedEngine engine;
    engine.experiment.Form_Load();
    std::vector<TextBox> expected = boxesOf(kBallBall);
    expected.insert(expected.end() - 2, Text64); // the rod angle before the coordinate exponents
    EXPECT_EQ(engine.form.boxesWritten(), expected);

    engine.form.writes.clear();
    engine.form.form.select(OptionButton::Option2);
    engine.experiment.Option2_Click();
    EXPECT_EQ(engine.form.boxesWritten(), boxesOf(kBallRod));

    engine.form.writes.clear();
    engine.form.form.select(OptionButton::Option1);
    engine.experiment.Option1_Click();
    EXPECT_EQ(engine.form.boxesWritten(), boxesOf(kBallBall)) << "not the rod angle";
}

TEST(Presets, OptionButtonsWithTheWorkedExamplesTicked) {
    Engine engine(',');
    engine.form.setText(Text64, "33,5");
    engine.form.setChecked(Check3, true);
    engine.start(1);
    const ModelRecord before = engine.record;
    const std::size_t drawn1 = engine.picture1.ops.size(), drawn2 = engine.picture2.ops.size();
    engine.form.setText(Text64, "33,5");

    engine.form.select(OptionButton::Option2);
    engine.experiment.Option2_Click();
    expectColumn(engine.form, kBallRod);
    EXPECT_EQ(engine.form.text(Text26), "10000");
    EXPECT_EQ(engine.form.text(Text54), "1E-06");
    EXPECT_EQ(engine.form.text(Text64), "33,5") << "the rod angle is not written";
    for (int box = 1; box <= kTextBoxCount; ++box)
        EXPECT_EQ(engine.form.isTextVisible(static_cast<TextBox>(box)), box == Text16 || !isVariantBox(box));
    EXPECT_TRUE(engine.form.isRodLengthLabelVisible());

    engine.form.select(OptionButton::Option1);
    engine.experiment.Option1_Click();
    expectColumn(engine.form, kBallBall);
    EXPECT_EQ(engine.form.text(Text64), "33,5");
    for (int box = 1; box <= kTextBoxCount; ++box)
        EXPECT_EQ(engine.form.isTextVisible(static_cast<TextBox>(box)), box != Text16);
    EXPECT_FALSE(engine.form.isRodLengthLabelVisible());

    // Nothing else changes: not the record, not a check box, not the pictures.
    EXPECT_EQ(Differences(engine.record, ReferenceFrom(before)), "");
    EXPECT_TRUE(engine.form.isChecked(Check3));
    EXPECT_TRUE(engine.form.isChecked(Check12));
    EXPECT_EQ(engine.picture1.ops.size(), drawn1);
    EXPECT_EQ(engine.picture2.ops.size(), drawn2);
}

TEST(Presets, OptionButtonsWithoutTheWorkedExamplesOnlyShowAndHide) {
    Engine engine(',');
    engine.form.setChecked(Check12, false);
    for (int box = 1; box <= kTextBoxCount; ++box)
        engine.form.setText(static_cast<TextBox>(box), "typed " + std::to_string(box));

    engine.form.select(OptionButton::Option2);
    engine.experiment.Option2_Click();
    for (int box = 1; box <= kTextBoxCount; ++box)
        EXPECT_EQ(engine.form.text(static_cast<TextBox>(box)), "typed " + std::to_string(box));
    EXPECT_FALSE(engine.form.isTextVisible(Text12));
    EXPECT_FALSE(engine.form.isTextVisible(Text14));
    EXPECT_FALSE(engine.form.isTextVisible(Text15));
    EXPECT_TRUE(engine.form.isTextVisible(Text16));
    EXPECT_TRUE(engine.form.isRodLengthLabelVisible());

    engine.form.select(OptionButton::Option1);
    engine.experiment.Option1_Click();
    EXPECT_EQ(engine.form.text(Text12), "typed 12") << "the hidden boxes kept their texts";
    EXPECT_TRUE(engine.form.isTextVisible(Text12));
    EXPECT_FALSE(engine.form.isTextVisible(Text16));
}

TEST(Presets, WorkedExamplesInAPointLocale) {
    Engine engine('.');
    EXPECT_EQ(engine.form.text(Text2), "3.2");
    EXPECT_EQ(engine.form.text(Text9), "-0.8071");
    EXPECT_EQ(engine.form.text(Text54), "1E-05");
    engine.form.select(OptionButton::Option2);
    engine.experiment.Option2_Click();
    EXPECT_EQ(engine.form.text(Text51), "0.005");
    EXPECT_EQ(engine.form.text(Text54), "1E-06");
}

} // namespace
} // namespace kvor::test
