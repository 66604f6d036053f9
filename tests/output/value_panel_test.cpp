// The live value panel: which box shows what, in which order it is written, and the two check
// boxes that swap what two pairs of boxes show.

#include "core/number_text.h"
#include "output/value_panel.h"
#include "record_compare.h"
#include "recording_form.h"
#include "reference_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace kvor::test {
namespace {

// A state after some step, with a different, easily read value for every quantity.
ModelRecord someState() {
    ModelRecord r;
    SetModelConstants(r);
    r.VX1 = 1.5;
    r.VX2 = -2.5;
    r.VY1 = 1.5;
    r.VY2 = 0.75;
    r.V1 = std::sqrt(4.5);
    r.V2 = std::sqrt(2.5 * 2.5 + 0.75 * 0.75);
    r.FcFj = 11;
    r.Fs = -12;
    r.Fm = 13e-9;
    r.Fq = 14;
    r.FX = -15.25;
    r.FY = 16.5;
    r.w1 = 17;
    r.w2 = -18;
    r.J1 = 0.1;
    r.J2 = 0.2;
    r.m1 = 1.25;
    r.m2 = 2.5;
    r.X1 = -0.8071;
    r.X2 = 0.125;
    r.Es = 19;
    r.Ej = 20;
    r.Em = -21;
    r.Eq = 22;
    r.E0 = 23;
    r.Ts = 0.00042;
    r.MFq = 100;
    r.Alfa = 1;
    r.TStart = 1000;
    return r;
}

std::string text(double value) {
    return NumberText(value, ',');
}

// Boxes that the refresh does not write: the start values and the inputs.
const std::pair<TextBox, std::string> kUntouched[] = {{Text52, "KD0"}, {Text62, "E0"}, {Text1, "m10"}};

TEST(ValuePanel, EveryBoxShowsItsQuantityInTheOrderOfTheRefresh) {
    ModelRecord r = someState();
    RecordingForm form;
    for (const auto& [box, typed] : kUntouched) form.form.setText(box, typed);
    RefreshPanel(r, form, ',', 1005.25);

    // The totals and display angles recomputed independently.
    ref::State s = ReferenceFrom(r);
    ref::ScreenTotals(s);
    EXPECT_EQ(Differences(r, s), "");

    const std::vector<TextBox> order = {Text31, Text41, Text32, Text42, Text33, Text43, Text34, Text44,
                                        Text35, Text45, Text36, Text46, Text37, Text47, Text38, Text48,
                                        Text39, Text49, Text40, Text50, Text53, Text56, Text58, Text59,
                                        Text60, Text61, Text63, Text64, Text65};
    EXPECT_EQ(form.boxesWritten(), order);

    const BatchForm& f = form.form;
    EXPECT_EQ(f.text(Text31), "1,5");
    EXPECT_EQ(f.text(Text41), "11");
    EXPECT_EQ(f.text(Text32), "-2,5");
    EXPECT_EQ(f.text(Text42), "-12");
    EXPECT_EQ(f.text(Text33), "1,5");
    EXPECT_EQ(f.text(Text43), "1,3E-08");
    EXPECT_EQ(f.text(Text34), "0,75");
    EXPECT_EQ(f.text(Text44), "14");
    EXPECT_EQ(f.text(Text35), text(std::sqrt(4.5)));
    EXPECT_EQ(f.text(Text45), text(s.Ew));
    EXPECT_EQ(f.text(Text45), "46,85"); // (17*(0.1*17) + 18*(0.2*18))/2: both spins count
    EXPECT_EQ(f.text(Text36), text(r.V2));
    EXPECT_EQ(f.text(Text46), text(s.Ev));
    EXPECT_EQ(f.text(Text37), "17");
    EXPECT_EQ(f.text(Text47), "19");
    EXPECT_EQ(f.text(Text38), "-18");
    EXPECT_EQ(f.text(Text48), "20");
    EXPECT_EQ(f.text(Text39), "-0,8071");
    EXPECT_EQ(f.text(Text49), "-21");
    EXPECT_EQ(f.text(Text40), "0,125");
    EXPECT_EQ(f.text(Text50), "22");
    EXPECT_EQ(f.text(Text53), text(s.KD));
    EXPECT_EQ(f.text(Text56), "5,25") << "wall clock now minus the start";
    EXPECT_EQ(f.text(Text58), text(s.E - 23 + 20 + 19 + -21 + 22));
    EXPECT_EQ(f.text(Text59), "45");
    EXPECT_EQ(f.text(Text60), "0,00042");
    EXPECT_EQ(f.text(Text61), "100");
    EXPECT_EQ(f.text(Text63), text(s.E));
    EXPECT_EQ(f.text(Text64), text(s.Ugol2));
    EXPECT_EQ(f.text(Text64), "16,699"); // atan(0.75/2.5) = 16.6992... degrees, truncated
    EXPECT_EQ(f.text(Text65), "57,295");
    // Not the panel's: the start values and the inputs.
    for (const auto& [box, typed] : kUntouched) EXPECT_EQ(f.text(box), typed);
}

TEST(ValuePanel, CheckBoxesShowTheAlternativesOverTheDefaults) {
    ModelRecord r = someState();
    RecordingForm form;
    form.form.setChecked(Check10, true); // "FX,FY"
    RefreshPanel(r, form, '.', 1000);
    EXPECT_EQ(form.form.text(Text35), "-15.25");
    EXPECT_EQ(form.form.text(Text36), "16.5");
    EXPECT_EQ(form.form.text(Text39), "-0.8071");
    // The default is written first and then overwritten in the same refresh.
    const std::vector<TextBox> boxes = form.boxesWritten();
    const auto at = [&](std::size_t i) { return boxes.at(i); };
    EXPECT_EQ(at(8), Text35);
    EXPECT_EQ(at(11), Text46);
    EXPECT_EQ(at(12), Text35);
    EXPECT_EQ(at(13), Text36);

    form.writes.clear();
    form.form.setChecked(Check10, false);
    form.form.setChecked(Check9, true); // "m1,m2"
    RefreshPanel(r, form, '.', 1000);
    EXPECT_EQ(form.form.text(Text35), NumberText(std::sqrt(4.5), '.')) << "V1 is back at the next refresh";
    EXPECT_EQ(form.form.text(Text39), "1.25");
    EXPECT_EQ(form.form.text(Text40), "2.5");
    EXPECT_EQ(form.boxesWritten().at(20), Text39);
    EXPECT_EQ(form.boxesWritten().at(21), Text40);
    EXPECT_EQ(form.boxesWritten().size(), 31u);
}

TEST(ValuePanel, AnglesWithoutSignOrQuadrantAndZeroForVerticalVelocities) {
    ModelRecord r = someState();
    r.VX1 = 0;
    r.VY1 = 9;
    r.VX2 = -1;
    r.VY2 = -1;
    BatchForm form;
    RefreshPanel(r, form, ',', 1000);
    EXPECT_EQ(form.text(Text59), "0");
    EXPECT_EQ(form.text(Text64), "45");
    EXPECT_EQ(r.Ugol1, 0.0);
    EXPECT_EQ(r.Ugol2, 45.0);
    EXPECT_EQ(r.AlfaDeg, 57.295);
}

} // namespace
} // namespace kvor::test
