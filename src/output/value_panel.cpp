#include "value_panel.h"

#include "core/display_angles.h"
#include "core/energy_balance.h"
#include "core/fp_exceptions.h"
#include "core/number_text.h"

#include <cmath>
#include <string>

namespace kvor {

namespace {

class PanelWriter {
public:
    PanelWriter(Form& form, char decimalSeparator) : form_(form), separator_(decimalSeparator) {}

    void write(TextBox box, double value) {
        fp::Outside([&] { form_.setNumber(box, value, separator_); });
    }
    void writeSeconds(TextBox box, double seconds) {
        text_.clear();
        AppendSecondsText(text_, seconds, separator_);
        fp::Outside([&] { form_.setText(box, text_); });
    }

private:
    Form& form_;
    char separator_;
    std::string text_;
};

} // namespace

void UpdatePanelValues(ModelRecord& r) {
    fp::Checked([&] {
        UpdateDisplayAngles(r);
        KineticEnergyAndMomentum(r);
    });
}

bool PanelBalanceShowable(const ModelRecord& r) {
    fp::clearFaults();
    const double balance = EnergyBalance(r);
    const bool showable = std::isfinite(balance) && !fp::faultRaised();
    fp::clearFaults();
    return showable;
}

void RefreshPanel(const ModelRecord& r, Form& form, char decimalSeparator, double now) {
    // Whatever a check box selects, the default is written first and the alternative overwrites
    // it in the same refresh.
    PanelWriter panel(form, decimalSeparator);
    panel.write(Text31, r.VX1);
    panel.write(Text41, r.FcFj);
    panel.write(Text32, r.VX2);
    panel.write(Text42, r.Fs);
    panel.write(Text33, r.VY1);
    panel.write(Text43, r.Fm);
    panel.write(Text34, r.VY2);
    panel.write(Text44, r.Fq);
    panel.write(Text35, r.V1);
    panel.write(Text45, r.Ew);
    panel.write(Text36, r.V2);
    panel.write(Text46, r.Ev);
    if (form.isChecked(Check10)) {
        panel.write(Text35, r.FX);
        panel.write(Text36, r.FY);
    }
    panel.write(Text37, r.w1);
    panel.write(Text47, r.Es);
    panel.write(Text38, r.w2);
    panel.write(Text48, r.Ej);
    panel.write(Text39, r.X1);
    panel.write(Text49, r.Em);
    panel.write(Text40, r.X2);
    panel.write(Text50, r.Eq);
    if (form.isChecked(Check9)) {
        panel.write(Text39, r.m1);
        panel.write(Text40, r.m2);
    }
    panel.write(Text53, r.KD);
    panel.writeSeconds(Text56, real(now - r.TStart));
    real balance;
    fp::Checked([&] { balance = EnergyBalance(r); });
    panel.write(Text58, balance);
    panel.write(Text59, r.Ugol1);
    panel.write(Text60, r.Ts);
    panel.write(Text61, r.MFq);
    panel.write(Text63, r.E);
    panel.write(Text64, r.Ugol2);
    panel.write(Text65, r.AlfaDeg);
}

} // namespace kvor
