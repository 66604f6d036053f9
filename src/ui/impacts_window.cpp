#include "impacts_window.h"

#include "child_object.h"
#include "core/interface_text.h"
#include "output/impact_texts.h"
#include "view/translated_text.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <memory>
#include <string_view>

namespace kvor::ui {

namespace {

// The table's columns, in the order of the figures.
constexpr std::string_view kColumns[] = {
    Tr("Kvor3m", "Начало, с"),    Tr("Kvor3m", "Конец, с"),     "e_n", "e_t",
    Tr("Kvor3m", "Импульс, Н·с"), Tr("Kvor3m", "Потеря E, Дж"),
};

} // namespace

ImpactsWindow::ImpactsWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("Impacts"));
    auto* layout = CreateChild<QVBoxLayout>(this);
    table_ = CreateChild<QTableWidget>(this, 0, static_cast<int>(std::size(kColumns)));
    retranslate();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(table_);
    resize(760, 260);
}

// The caption and the headings in the language installed now; the main window shows the contacts
// again.
void ImpactsWindow::retranslate() {
    setWindowTitle(Translated(Tr("Kvor3m", "Удары")));
    QStringList captions;
    for (const std::string_view caption : kColumns) captions << Translated(caption);
    table_->setHorizontalHeaderLabels(captions);
}

void ImpactsWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) retranslate();
}

void ImpactsWindow::showImpacts(const std::vector<Impact>& finished, const std::optional<Impact>& unfinished,
                                char decimalSeparator) {
    const int rows = static_cast<int>(finished.size()) + (unfinished ? 1 : 0);
    table_->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const Impact& impact = row < static_cast<int>(finished.size()) ? finished[row] : *unfinished;
        const ImpactTexts texts = ImpactFigures(impact, decimalSeparator);
        for (int column = 0; column < static_cast<int>(texts.size()); ++column) {
            QString text = QString::fromStdString(texts[column]);
            if (column == 1 && !impact.finished) text = Translated(Tr("Kvor3m", "не окончен"));
            // The table owns its items and deletes the one an item replaces.
            table_->setItem(row, column, std::make_unique<QTableWidgetItem>(text).release());
        }
    }
}

QString LastImpactText(const std::vector<Impact>& finished, const std::optional<Impact>& unfinished,
                       char decimalSeparator) {
    if (!unfinished && finished.empty()) return {};
    const Impact& impact = unfinished ? *unfinished : finished.back();
    const ImpactTexts t = ImpactFigures(impact, decimalSeparator);
    // The restitution first: it is what the status bar is read for, and the bar may cut the rest.
    const auto text = [](const std::string& figure) { return QString::fromStdString(figure); };
    const QString span = impact.finished ? Translated(Tr("Kvor3m", "%1–%2 с")).arg(text(t[0]), text(t[1]))
                                         : Translated(Tr("Kvor3m", "с %1 с, не окончен")).arg(text(t[0]));
    return Translated(Tr("Kvor3m", "Удар: e_n %1, e_t %2, импульс %3 Н·с, потеря %4 Дж, %5"))
        .arg(text(t[2]), text(t[3]), text(t[4]), text(t[5]), span);
}

} // namespace kvor::ui
