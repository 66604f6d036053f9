#pragma once

#include "core/impact_meter.h"

#include <QWidget>

#include <optional>
#include <vector>

class QTableWidget;

namespace kvor::ui {

// "Удары": every contact of the run in a table of its own window beside the main window, which
// can stay open during runs: begin and end, e_n, e_t, the normal impulse and the energy lost, a
// contact cut short by the end of the run last, "-" where a figure is not defined.
class ImpactsWindow final : public QWidget {
public:
    explicit ImpactsWindow(QWidget* owner);

    // The contacts that ended, then the one under way when there is one to show.
    void showImpacts(const std::vector<Impact>& finished, const std::optional<Impact>& unfinished,
                     char decimalSeparator);

    const QTableWidget& table() const { return *table_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QTableWidget* table_;
};

// The status bar's text of the last contact: its figures, or nothing before the first one.
QString LastImpactText(const std::vector<Impact>& finished, const std::optional<Impact>& unfinished,
                       char decimalSeparator);

} // namespace kvor::ui
