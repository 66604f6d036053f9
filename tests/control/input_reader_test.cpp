// Each exponent box scales the quantities of its own row, of both bodies, and nothing else.

#include "batch/batch_form.h"
#include "control/input_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

namespace kvor::test {
namespace {

using Field = real BasicModelRecord<real>::*;
using R = BasicModelRecord<real>;

struct ExponentCase {
    TextBox exponent;
    std::vector<Field> scaled;
};

void PrintTo(const ExponentCase& c, std::ostream* out) {
    *out << "Text" << c.exponent;
}

class ExponentBox : public testing::TestWithParam<ExponentCase> {};

TEST_P(ExponentBox, ScalesItsRowOfBothBodiesAndNothingElse) {
    // Every quantity read with an exponent, and the plain ones, which none may touch.
    const std::vector<Field> all = {&R::m10, &R::m20, &R::q1,  &R::q2,  &R::D1,  &R::D2,  &R::C1,
                                    &R::C2,  &R::Kj1, &R::Kj2, &R::VX1, &R::VX2, &R::VY1, &R::VY2,
                                    &R::X1,  &R::X2,  &R::Y1,  &R::Y2,  &R::Ks,  &R::L2,  &R::h,
                                    &R::MF,  &R::Mx,  &R::Mv,  &R::MFq, &R::Mt};
    BatchForm form;
    for (int box = 1; box <= kTextBoxCount; ++box) form.setText(TextBox(box), "2");
    for (const TextBox e : {Text21, Text22, Text23, Text24, Text25, Text27, Text28, Text66, Text67})
        form.setText(e, "0");
    form.setText(GetParam().exponent, "3");
    ModelRecord r;
    ReadExperimentInputs(r, form);
    for (const Field f : all) {
        const bool scaled =
            std::find(GetParam().scaled.begin(), GetParam().scaled.end(), f) != GetParam().scaled.end();
        EXPECT_EQ(r.*f, scaled ? 2000 : 2) << "field " << (&f - all.data());
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryRow, ExponentBox,
    testing::Values(ExponentCase{Text21, {&R::m10, &R::m20}}, ExponentCase{Text22, {&R::q1, &R::q2}},
                    ExponentCase{Text23, {&R::D1, &R::D2}}, ExponentCase{Text24, {&R::C1, &R::C2}},
                    ExponentCase{Text25, {&R::Kj1, &R::Kj2}}, ExponentCase{Text27, {&R::VX1, &R::VX2}},
                    ExponentCase{Text28, {&R::VY1, &R::VY2}}, ExponentCase{Text66, {&R::X1, &R::X2}},
                    ExponentCase{Text67, {&R::Y1, &R::Y2}}));

} // namespace
} // namespace kvor::test
