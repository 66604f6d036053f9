#include "reference_inputs.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace kvor::test {

double TypedNumber(const Form& form, TextBox box) {
    std::string text(form.text(box));
    for (char& c : text)
        if (c == ',') c = '.';
    return std::strtod(text.c_str(), nullptr);
}

namespace {

double scaled(const Form& form, TextBox mantissa, TextBox exponent) {
    const double e = std::nearbyint(TypedNumber(form, exponent));
    return std::pow(10.0, e) * TypedNumber(form, mantissa);
}

} // namespace

void ReadReferenceInputs(const Form& form, ref::State& s) {
    s.m10 = scaled(form, Text1, Text21);
    s.m20 = scaled(form, Text11, Text21);
    s.q1 = scaled(form, Text2, Text22);
    s.q2 = scaled(form, Text12, Text22);
    s.D1 = scaled(form, Text3, Text23);
    s.D2 = scaled(form, Text13, Text23);
    s.C1 = scaled(form, Text4, Text24);
    s.C2 = scaled(form, Text14, Text24);
    s.Kj1 = scaled(form, Text5, Text25);
    s.Kj2 = scaled(form, Text15, Text25);
    s.VX1 = scaled(form, Text7, Text27);
    s.VX2 = scaled(form, Text17, Text27);
    s.VY1 = scaled(form, Text8, Text28);
    s.VY2 = scaled(form, Text18, Text28);
    s.X1 = scaled(form, Text9, Text66);
    s.X2 = scaled(form, Text19, Text66);
    s.Y1 = scaled(form, Text10, Text67);
    s.Y2 = scaled(form, Text20, Text67);
    s.Ks = TypedNumber(form, Text6);
    s.L2 = TypedNumber(form, Text16);
    s.MF = TypedNumber(form, Text26);
    s.Mx = TypedNumber(form, Text29);
    s.Mv = TypedNumber(form, Text30);
    s.MFq = TypedNumber(form, Text61);
    s.Mt = TypedNumber(form, Text51);
    s.h = TypedNumber(form, Text54);
    s.phi2 = 0;
    if (form.isChecked(Check11)) s.phi2 = TypedNumber(form, Text64) * 3.14 / 180;
    s.plusFm = form.isChecked(Check13);
    s.lorentz = form.isChecked(Check1);
}

} // namespace kvor::test
