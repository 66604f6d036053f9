#include "value_panel.h"

#include "core/display_angles.h"
#include "core/energy_balance.h"
#include "core/fp_exceptions.h"
#include "core/number_text.h"
#include "host/box_table.h"

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
        ContactEnergies(r);
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
    for (const BoxRow& row : box_table::kBoxes) {
        if (!(row.roles & kPanelBox) || !WrittenNow(row.box, form)) continue;
        if (row.shown == Shown::SecondsSinceStart) {
            panel.writeSeconds(row.box, real(now - r.TStart));
            continue;
        }
        if (row.shown == Shown::Balance) {
            real balance;
            fp::Checked([&] { balance = EnergyBalance(r); });
            panel.write(row.box, balance);
            continue;
        }
        panel.write(row.box, r.*row.shows);
        if (row.alternative && form.isChecked(row.alternative->check))
            panel.write(row.box, r.*row.alternative->field);
    }
}

} // namespace kvor
