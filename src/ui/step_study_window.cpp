#include "step_study_window.h"

#include "child_object.h"
#include "control/step_study_text.h"
#include "core/interface_text.h"
#include "run_timer.h"
#include "view/translated_text.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <memory>

namespace kvor::ui {

namespace {

// Steps per piece: about 15 ms at the engine's speed, so that the window stays responsive.
constexpr long kStepsPerPiece = 50'000;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The table as text: the heads and a line per quantity, the cells separated by tabs, so that a
// spreadsheet takes it as a table; then the notes.
QString tableText(const StudyTable& table) {
    QStringList lines;
    QStringList heads;
    for (const std::string_view head : kStudyColumns) heads << Translated(head);
    lines << heads.join(QLatin1Char('\t'));
    for (const auto& row : table.rows) {
        QStringList cells;
        for (const std::string& cell : row) cells << fromUtf8(cell);
        lines << cells.join(QLatin1Char('\t'));
    }
    lines << QString();
    for (const std::string& note : table.notes) lines << fromUtf8(note);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace

StepStudyWindow::StepStudyWindow(StudyStart start, char decimalSeparator, RunTimer& runTimer, QWidget* window)
    : QObject(window), window_(window), study_(std::move(start)), decimalSeparator_(decimalSeparator),
      runTimer_(&runTimer) {
    runTimer.hold();
    progress_ =
        CreateChild<QProgressDialog>(window, Translated(Tr("Kvor3m", "Тот же опыт с шагом h, h/2 и h/4…")),
                                     Translated(Tr("Kvor3m", "Отмена")), 0, 1000);
    progress_->setObjectName(QStringLiteral("StepStudyProgress"));
    progress_->setWindowTitle(Translated(Tr("Kvor3m", "Проверка шага")));
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(300);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    connect(progress_, &QProgressDialog::canceled, this, [this] {
        timer_.stop();
        deleteLater();
    });
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &StepStudyWindow::advance);
    timer_.start();
}

StepStudyWindow::~StepStudyWindow() {
    delete progress_;
    if (runTimer_) runTimer_->release();
}

void StepStudyWindow::advance() {
    const bool done = study_.advance(kStepsPerPiece);
    progress_->setValue(static_cast<int>(study_.fraction() * 1000));
    if (!done) return;
    timer_.stop();
    progress_->hide();
    showTable();
}

void StepStudyWindow::showTable() {
    const StudyTable table = StudyTableOf(
        study_.result(), decimalSeparator_, Translated(Tr("Kvor3m", "не измеримо")).toStdString(), true,
        [](std::string_view text) { return Translated(text).toStdString(); });
    auto* dialog = CreateChild<QDialog>(window_);
    dialog->setObjectName(QStringLiteral("StepStudyDialog"));
    dialog->setWindowTitle(Translated(Tr("Kvor3m", "Проверка шага")));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = CreateChild<QVBoxLayout>(dialog);

    auto* cells = CreateChild<QTableWidget>(dialog, static_cast<int>(table.rows.size()),
                                            static_cast<int>(kStudyColumns.size()));
    cells->setObjectName(QStringLiteral("StepStudyTable"));
    QStringList heads;
    for (const std::string_view head : kStudyColumns) heads << Translated(head);
    cells->setHorizontalHeaderLabels(heads);
    cells->verticalHeader()->hide();
    cells->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int r = 0; r < cells->rowCount(); ++r)
        for (int c = 0; c < cells->columnCount(); ++c)
            cells->setItem(r, c, std::make_unique<QTableWidgetItem>(fromUtf8(table.rows[r][c])).release());
    cells->resizeColumnsToContents();
    cells->setMinimumWidth(cells->horizontalHeader()->length() + 4);
    layout->addWidget(cells);

    QStringList notes;
    for (const std::string& note : table.notes) notes << fromUtf8(note);
    auto* label = CreateChild<QLabel>(dialog, notes.join(QLatin1Char('\n')));
    label->setObjectName(QStringLiteral("StepStudyNotes"));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);

    auto* buttons = CreateChild<QDialogButtonBox>(dialog, QDialogButtonBox::Close);
    QPushButton* copy =
        buttons->addButton(Translated(Tr("Kvor3m", "Копировать")), QDialogButtonBox::ActionRole);
    const QString text = tableText(table);
    connect(copy, &QPushButton::clicked, dialog, [text] { QApplication::clipboard()->setText(text); });
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);

    // The run goes on once the table is closed.
    connect(dialog, &QDialog::finished, this, &QObject::deleteLater);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
}

} // namespace kvor::ui
