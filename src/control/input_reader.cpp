#include "input_reader.h"

#include "core/number_text.h"

#include <cmath>

namespace kvor {

double ScaledValue(std::string_view mantissa, Integer exponent) {
    const real m = TextToDouble(mantissa);
    const real p = std::pow(10.0, static_cast<double>(exponent));
    return real(p * m);
}

namespace {

// The text of a box, noting which box it is for the caller who has to point at it.
class BoxTexts {
public:
    BoxTexts(const Form& form, TextBox* reading) : form_(form), reading_(reading) {}
    std::string_view operator()(TextBox box) const {
        if (reading_) *reading_ = box;
        return form_.text(box);
    }

private:
    const Form& form_;
    TextBox* reading_;
};

// The initial rotation of body 2, typed in degrees, used only when Check11 is ticked.
void readRodAngle(ModelRecord& r, const Form& form, const BoxTexts& text) {
    r.phi2 = 0;
    if (form.isChecked(Check11)) r.phi2 = TextToDouble(text(Text64)) * 3.14 / 180;
}

} // namespace

bool IsScaleBox(TextBox box) {
    return box == Text26 || box == Text51 || box == Text29 || box == Text30 || box == Text61;
}

bool IsInputBox(TextBox box) {
    return (box >= Text1 && box <= Text25) || box == Text66 || box == Text67 || box == Text54 ||
           IsScaleBox(box) || box == Text64 || box == Text55 || box == Text57;
}

void ReadExperimentInputs(ModelRecord& r, const Form& form, TextBox* reading) {
    const BoxTexts text(form, reading);

    r.ExpM = TextToInteger(text(Text21));
    r.ExpQ = TextToInteger(text(Text22));
    r.ExpD = TextToInteger(text(Text23));
    r.ExpC = TextToInteger(text(Text24));
    r.ExpKj = TextToInteger(text(Text25));
    r.ExpVX = TextToInteger(text(Text27));
    r.ExpVY = TextToInteger(text(Text28));
    r.ExpX = TextToInteger(text(Text66));
    r.ExpY = TextToInteger(text(Text67));

    r.m10 = ScaledValue(text(Text1), r.ExpM);
    r.q1 = ScaledValue(text(Text2), r.ExpQ);
    r.D1 = ScaledValue(text(Text3), r.ExpD);
    r.C1 = ScaledValue(text(Text4), r.ExpC);
    r.Kj1 = ScaledValue(text(Text5), r.ExpKj);
    r.Ks = TextToDouble(text(Text6));
    r.VX1 = ScaledValue(text(Text7), r.ExpVX);
    r.VY1 = ScaledValue(text(Text8), r.ExpVY);
    r.X1 = ScaledValue(text(Text9), r.ExpX);
    r.Y1 = ScaledValue(text(Text10), r.ExpY);
    r.L2 = TextToDouble(text(Text16));
    r.MF = TextToDouble(text(Text26));
    r.Mx = TextToDouble(text(Text29));
    r.Mv = TextToDouble(text(Text30));
    r.MFq = TextToDouble(text(Text61));
    r.Mt = TextToDouble(text(Text51));
    r.h = TextToDouble(text(Text54));
    r.NC0 = TextToInteger(text(Text55));
    r.NC0file = TextToInteger(text(Text57));

    // At least one step between screen updates and between data records; never reported.
    if (r.NC0 < 1) r.NC0 = 1;
    if (r.NC0file < 1) r.NC0file = 1;

    r.m20 = ScaledValue(text(Text11), r.ExpM);
    r.q2 = ScaledValue(text(Text12), r.ExpQ);
    r.D2 = ScaledValue(text(Text13), r.ExpD);
    r.C2 = ScaledValue(text(Text14), r.ExpC);
    r.Kj2 = ScaledValue(text(Text15), r.ExpKj);
    r.VX2 = ScaledValue(text(Text17), r.ExpVX);
    r.VY2 = ScaledValue(text(Text18), r.ExpVY);
    r.X2 = ScaledValue(text(Text19), r.ExpX);
    r.Y2 = ScaledValue(text(Text20), r.ExpY);

    readRodAngle(r, form, text);
}

void ReadBodyGeometry(ModelRecord& r, const Form& form, TextBox* reading) {
    const BoxTexts text(form, reading);

    r.ExpD = TextToInteger(text(Text23));
    r.ExpVX = TextToInteger(text(Text27));
    r.ExpVY = TextToInteger(text(Text28));
    r.ExpX = TextToInteger(text(Text66));
    r.ExpY = TextToInteger(text(Text67));

    r.D1 = ScaledValue(text(Text3), r.ExpD);
    r.D2 = ScaledValue(text(Text13), r.ExpD);
    r.VX1 = ScaledValue(text(Text7), r.ExpVX);
    r.VY1 = ScaledValue(text(Text8), r.ExpVY);
    r.X1 = ScaledValue(text(Text9), r.ExpX);
    r.Y1 = ScaledValue(text(Text10), r.ExpY);
    r.VX2 = ScaledValue(text(Text17), r.ExpVX);
    r.VY2 = ScaledValue(text(Text18), r.ExpVY);
    r.X2 = ScaledValue(text(Text19), r.ExpX);
    r.Y2 = ScaledValue(text(Text20), r.ExpY);
    r.L2 = TextToDouble(text(Text16));
    r.Mx = TextToDouble(text(Text29));
    r.Mv = TextToDouble(text(Text30));

    r.R20 = r.D2 / 2;
    r.R10 = r.D1 / 2;
    readRodAngle(r, form, text);
}

void ScaleReader::read(Scale& scale, std::string_view text) {
    if (!scale.known || scale.text != text) {
        scale.text.assign(text);
        scale.value = ParseNumber(text);
        scale.known = true;
    }
}

double ScaleReader::value(const Scale& scale) {
    if (!scale.value) throw ConversionError{};
    return *scale.value;
}

void ScaleReader::ReadScales(ModelRecord& r, const Form& form) {
    if (textChanges_ != form.scaleTextChanges()) {
        read(scales_[0], form.text(Text29));
        read(scales_[1], form.text(Text26));
        read(scales_[2], form.text(Text61));
        read(scales_[3], form.text(Text51));
        read(scales_[4], form.text(Text30));
        textChanges_ = form.scaleTextChanges();
    }
    r.Mx = value(scales_[0]);
    r.MF = value(scales_[1]);
    r.MFq = value(scales_[2]);
    r.Mt = value(scales_[3]);
    r.Mv = value(scales_[4]);
}

} // namespace kvor
