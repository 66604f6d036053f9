// Turning the typed texts into the SI values of the model: the scientific pairs with their shared
// exponent boxes, the plain values, the step counts, the rod angle and the drawing scales.

#include "batch/batch_form.h"
#include "control/input_reader.h"
#include "control/presets.h"
#include "core/fp_exceptions.h"
#include "core/number_text.h"
#include "record_compare.h"
#include "reference_inputs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace kvor::test {
namespace {

BatchForm exampleForm() {
    BatchForm form;
    WriteStartUpExample(form, ',');
    return form;
}

TEST(InputReader, ScaledValueIsMantissaTimesTenToThePower) {
    for (const char* mantissa : {"1", "3,2", "-0.8071", "1,7", "0", "400"})
        for (const int e : {-400, -320, -19, -18, -1, 0, 1, 5, 8, 300}) {
            std::string dotted = mantissa;
            for (char& c : dotted)
                if (c == ',') c = '.';
            const double expected = std::pow(10.0, e) * std::strtod(dotted.c_str(), nullptr);
            EXPECT_EQ(ScaledValue(mantissa, static_cast<Integer>(e)), expected) << mantissa << " e" << e;
        }
    EXPECT_NEAR(ScaledValue("1,7", -18), 1.7e-18, 1e-33);
    EXPECT_EQ(ScaledValue("5", -400), 0.0) << "underflow is not an error";
    EXPECT_THROW(ScaledValue("5", 400), ArithmeticFault);
    fp::clearFaults();
    EXPECT_THROW(ScaledValue("5kg", 0), ConversionError);
}

TEST(InputReader, ReadsTheWorkedExampleIntoSIValues) {
    const BatchForm form = exampleForm();
    ModelRecord r;
    ReadExperimentInputs(r, form);
    ref::State s = ReferenceFrom(r);
    ReadReferenceInputs(form, s);
    EXPECT_EQ(Differences(r, s), "");
    EXPECT_EQ(r.q1, std::pow(10.0, -19.0) * 3.2);
    EXPECT_EQ(r.X1, -0.8071);
    EXPECT_EQ(r.Y2, -1.7071);
    EXPECT_EQ(r.VY2, 10.0);
    EXPECT_EQ(r.h, 1e-5);
    EXPECT_EQ(r.Mt, 0.02);
    EXPECT_EQ(r.L2, 1.0);
    EXPECT_EQ(r.NC0, 20);
    EXPECT_EQ(r.NC0file, 1000);
    EXPECT_EQ(r.ExpQ, -19);
    EXPECT_EQ(r.phi2, 0.0);
}

struct ExponentRow {
    TextBox exponent;
    real ModelRecord::*body1;
    real ModelRecord::*body2;
};

TEST(InputReader, OneExponentBoxServesBothBodies) {
    const ExponentRow rows[] = {
        {Text21, &ModelRecord::m10, &ModelRecord::m20}, {Text22, &ModelRecord::q1, &ModelRecord::q2},
        {Text23, &ModelRecord::D1, &ModelRecord::D2},   {Text24, &ModelRecord::C1, &ModelRecord::C2},
        {Text25, &ModelRecord::Kj1, &ModelRecord::Kj2}, {Text27, &ModelRecord::VX1, &ModelRecord::VX2},
        {Text28, &ModelRecord::VY1, &ModelRecord::VY2}, {Text66, &ModelRecord::X1, &ModelRecord::X2},
        {Text67, &ModelRecord::Y1, &ModelRecord::Y2},
    };
    // Every mantissa non-zero, so that a row's factor shows in both of its values.
    BatchForm form = exampleForm();
    for (const TextBox box : {Text5, Text8, Text10, Text12, Text15, Text17, Text19}) form.setText(box, "0,5");
    ModelRecord base;
    ReadExperimentInputs(base, form);
    for (const ExponentRow& row : rows) {
        BatchForm changed = form;
        const double e = TypedNumber(form, row.exponent);
        changed.setText(row.exponent, e == 0 ? "3" : NumberText(e + 3, ','));
        ModelRecord r;
        ReadExperimentInputs(r, changed);
        SCOPED_TRACE(static_cast<int>(row.exponent));
        EXPECT_NEAR(r.*row.body1, 1000 * base.*row.body1, 1e-12 * std::abs(1000 * base.*row.body1));
        EXPECT_NEAR(r.*row.body2, 1000 * base.*row.body2, 1e-12 * std::abs(1000 * base.*row.body2));
        EXPECT_NE(r.*row.body2, base.*row.body2);
        // The other rows are not touched.
        for (const ExponentRow& other : rows)
            if (other.exponent != row.exponent) {
                EXPECT_EQ(r.*other.body1, base.*other.body1);
                EXPECT_EQ(r.*other.body2, base.*other.body2);
            }
    }
}

TEST(InputReader, ExponentsAndStepCountsAreWholeNumbers) {
    BatchForm form = exampleForm();
    form.setText(Text21, "2,5"); // ties go to the even neighbour
    form.setText(Text23, "3,5");
    form.setText(Text55, "0");
    form.setText(Text57, "-5");
    ModelRecord r;
    ReadExperimentInputs(r, form);
    EXPECT_EQ(r.ExpM, 2);
    EXPECT_EQ(r.m10, 100.0);
    EXPECT_EQ(r.ExpD, 4);
    EXPECT_EQ(r.D1, 10000.0);
    EXPECT_EQ(r.NC0, 1) << "raised to 1, never reported";
    EXPECT_EQ(r.NC0file, 1);

    form.setText(Text55, "-5");
    form.setText(Text57, "0");
    form.setText(Text1, "1,7");
    form.setText(Text21, "-18");
    ReadExperimentInputs(r, form);
    EXPECT_EQ(r.NC0, 1);
    EXPECT_EQ(r.NC0file, 1);
    EXPECT_EQ(r.m10, std::pow(10.0, -18.0) * 1.7);
    form.setText(Text21, "-400");
    ReadExperimentInputs(r, form);
    EXPECT_EQ(r.m10, 0.0);
    EXPECT_EQ(r.m20, 0.0);
}

TEST(InputReader, RodAngleOnlyWithCheck11) {
    BatchForm form = exampleForm();
    form.setText(Text64, "not an angle");
    ModelRecord r;
    r.phi2 = 5;
    ReadExperimentInputs(r, form);
    EXPECT_EQ(r.phi2, 0.0) << "the box is not read at all";

    form.setChecked(Check11, true);
    form.setText(Text64, "90");
    ReadExperimentInputs(r, form);
    EXPECT_EQ(r.phi2, 90 * 3.14 / 180) << "3.14, not a full-precision pi";
    EXPECT_NEAR(r.phi2, 1.57, 1e-15);
    form.setText(Text64, "-45,5");
    ReadExperimentInputs(r, form);
    EXPECT_EQ(r.phi2, -45.5 * 3.14 / 180);
}

TEST(InputReader, ScalesAreReadAgainOnlyWhenTheirTextChanged) {
    BatchForm form = exampleForm();
    ScaleReader scales;
    ModelRecord r;
    scales.ReadScales(r, form);
    EXPECT_EQ(r.Mx, 0.5);
    EXPECT_EQ(r.MF, 15.0);
    EXPECT_EQ(r.MFq, 100.0);
    EXPECT_EQ(r.Mt, 0.02);
    EXPECT_EQ(r.Mv, 3.0);

    // A changed text takes effect at the next read, for each of the five boxes.
    const std::pair<TextBox, real ModelRecord::*> boxes[] = {
        {Text29, &ModelRecord::Mx}, {Text26, &ModelRecord::MF}, {Text61, &ModelRecord::MFq},
        {Text51, &ModelRecord::Mt}, {Text30, &ModelRecord::Mv},
    };
    for (const auto& [box, field] : boxes) {
        form.setText(box, "2,25");
        scales.ReadScales(r, form);
        EXPECT_EQ(r.*field, 2.25);
    }
    // A text that is not a number fails at every read, not only at the first one, and the
    // value read before stays in the record.
    form.setText(Text51, "0,0x");
    for (int n = 0; n < 3; ++n) EXPECT_THROW(scales.ReadScales(r, form), ConversionError);
    EXPECT_EQ(r.Mt, 2.25);
    form.setText(Text51, "0,04");
    scales.ReadScales(r, form);
    EXPECT_EQ(r.Mt, 0.04);
    // Back to a text read before: the value follows the text, not a cache.
    form.setText(Text29, "0,5");
    scales.ReadScales(r, form);
    EXPECT_EQ(r.Mx, 0.5);
}

} // namespace
} // namespace kvor::test
