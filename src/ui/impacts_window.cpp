#include "impacts_window.h"

#include "child_object.h"
#include "output/impact_texts.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <memory>

namespace kvor::ui {

namespace {

// The table's columns, in the order of the figures.
const char* const kColumns[] = {"Начало, с", "Конец, с", "e_n", "e_t", "Импульс, Н·с", "Потеря E, Дж"};

} // namespace

ImpactsWindow::ImpactsWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("Impacts"));
    setWindowTitle(QStringLiteral("Удары"));
    auto* layout = CreateChild<QVBoxLayout>(this);
    table_ = CreateChild<QTableWidget>(this, 0, static_cast<int>(std::size(kColumns)));
    QStringList captions;
    for (const char* caption : kColumns) captions << QString::fromUtf8(caption);
    table_->setHorizontalHeaderLabels(captions);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(table_);
    resize(760, 260);
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
            if (column == 1 && !impact.finished) text = QStringLiteral("не окончен");
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
    const QString span = impact.finished ? QString::fromStdString(t[0] + "–" + t[1] + " с")
                                         : QString::fromStdString("с " + t[0] + " с, не окончен");
    return QStringLiteral("Удар: e_n %1, e_t %2, импульс %3 Н·с, потеря %4 Дж, %5")
        .arg(QString::fromStdString(t[2]), QString::fromStdString(t[3]), QString::fromStdString(t[4]),
             QString::fromStdString(t[5]), span);
}

} // namespace kvor::ui
