// What the main window's menus and the pictures' context menus do: saving the pictures and the
// series of values, the data file, the pace of a run, the step study, the About window and the
// exit; and the status bar.

#include "canvas_widget.h"
#include "child_object.h"
#include "control/messages.h"
#include "core/interface_text.h"
#include "main_window.h"
#include "output/series_csv.h"
#include "output/text_file.h"
#include "step_study_window.h"
#include "user_settings.h"
#include "view/png_file.h"
#include "view/translated_text.h"

#include <QActionGroup>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>

namespace kvor::ui {

namespace {

// What the file dialog proposes for each export: a name and the filter of its kind of file.
struct ExportKind {
    std::string_view title;
    std::string_view fileName;
    std::string_view filter;
};
ExportKind exportKind(MainWindow::Export what) {
    constexpr std::string_view png = Tr("Kvor3m", "Рисунок PNG (*.png)");
    switch (what) {
    case MainWindow::Export::Picture1:
        return {Tr("Kvor3m", "Сохранить траектории"), Tr("Kvor3m", "траектории.png"), png};
    case MainWindow::Export::Picture2:
        return {Tr("Kvor3m", "Сохранить график"), Tr("Kvor3m", "график.png"), png};
    case MainWindow::Export::EnergyGraph:
        return {Tr("Kvor3m", "Сохранить график энергий"), Tr("Kvor3m", "энергии.png"), png};
    case MainWindow::Export::Series:
        break;
    }
    return {Tr("Kvor3m", "Сохранить ряд данных"), Tr("Kvor3m", "ряд данных.csv"),
            Tr("Kvor3m", "Таблица CSV (*.csv)")};
}

// The system's reason in the words of the interface: Qt's Russian text where it has one.
QString reasonText(const FileWriteError& failed) {
    return failed.code != 0 ? qt_error_string(failed.code) : QString::fromStdString(failed.reason);
}

} // namespace

void MainWindow::connectActions() {
    const WindowActions& a = *actions_;
    connect(a.saveTrajectories, &QAction::triggered, this, [this] { exportAs(Export::Picture1); });
    connect(a.saveGraph, &QAction::triggered, this, [this] { exportAs(Export::Picture2); });
    connect(a.saveSeries, &QAction::triggered, this, [this] { exportAs(Export::Series); });
    connect(a.dataFile, &QAction::triggered, this, &MainWindow::askForDataFile);
    connect(a.quit, &QAction::triggered, this, &MainWindow::exitProgram);
    connect(a.paces, &QActionGroup::triggered, this,
            [this](const QAction* action) { choosePace(WindowActions::paceOf(*action)); });
    connect(a.about, &QAction::triggered, this, &MainWindow::showAbout);
    connect(a.languages, &QActionGroup::triggered, this,
            [this](const QAction* action) { chooseLanguage(WindowActions::languageOf(*action)); });
    connect(a.studyStep, &QAction::triggered, this, &MainWindow::studyStep);
    connect(a.energyGraph, &QAction::triggered, this, [this] {
        energyGraph_->showChanges();
        energyGraph_->show();
        energyGraph_->raise();
    });
    connect(a.impacts, &QAction::triggered, this, [this] {
        impacts_->show();
        showImpacts();
        impacts_->raise();
        impacts_->activateWindow();
    });
    connect(a.zooms, &QActionGroup::triggered, this,
            [this](const QAction* action) { chooseZoom(action->data().toInt()); });
    connect(a.zoomIn, &QAction::triggered, this, [this] {
        zoom_->step(+1);
        chooseZoom(zoom_->percent());
    });
    connect(a.zoomOut, &QAction::triggered, this, [this] {
        zoom_->step(-1);
        chooseZoom(zoom_->percent());
    });
    connect(a.zoomReset, &QAction::triggered, this, [this] { chooseZoom(100); });
    connect(a.fullScreen, &QAction::triggered, this, &MainWindow::setFullScreen);
    const Export pictures[] = {Export::Picture1, Export::Picture2, Export::EnergyGraph};
    for (std::size_t i = 0; i < 3; ++i) {
        connect(a.savePicture[i], &QAction::triggered, this, [this, what = pictures[i]] { exportAs(what); });
        connect(a.copyPicture[i], &QAction::triggered, this,
                [this, what = pictures[i]] { copyPicture(what); });
    }
}

// Under the form, so that no control moves: how the run stands, the pace, where the records go.
// The labels take no room of their own, so that a long path never widens the window.
void MainWindow::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    const auto addLabel = [bar](int stretch) {
        QLabel* label = CreateChild<QLabel>(bar);
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        bar->addWidget(label, stretch);
        return label;
    };
    runState_ = addLabel(3);
    runState_->setObjectName(QStringLiteral("RunState"));
    paceState_ = addLabel(2);
    paceState_->setObjectName(QStringLiteral("PaceState"));
    recordsState_ = addLabel(5);
    recordsState_->setObjectName(QStringLiteral("RecordsState"));
    impactState_ = addLabel(8);
    impactState_->setObjectName(QStringLiteral("ImpactState"));
    showRunState([] { return Translated(Tr("Kvor3m", "Готово к расчёту")); });
    connect(&runTimer_, &RunTimer::runStarted, this,
            [this] { showRunState([] { return Translated(Tr("Kvor3m", "Идёт расчёт")); }); });
    connect(&runTimer_, &RunTimer::runEnded, this, [this] {
        showImpacts();
        const RunEvent end = runTimer_.lastEnd();
        if (end.kind == RunEvent::Kind::Finished)
            return showRunState([end] {
                QString reason = Translated(end.text);
                if (end.end == RunEnd::Kind::Time) reason = reason.arg(QString::fromStdString(end.detail));
                return Translated(Tr("Kvor3m", "Опыт завершён: %1")).arg(reason);
            });
        if (end.kind != RunEvent::Kind::Ended)
            return showRunState([] { return Translated(Tr("Kvor3m", "Расчёт остановлен")); });
        // The message's first line says why.
        showRunState([end] {
            const QString text = Translated(end.text).section(QLatin1Char('\n'), 0, 0).trimmed();
            return Translated(Tr("Kvor3m", "Расчёт окончен: %1")).arg(text);
        });
    });
}

void MainWindow::showRunState(std::function<QString()> state) {
    runStateText_ = std::move(state);
    const QString text = runStateText_();
    runState_->setText(text);
    runState_->setToolTip(text);
}

void MainWindow::setPace(Pace pace) {
    runTimer_.setPace(pace);
    showPace();
}

void MainWindow::showPace() {
    actions_->showPace(pace());
    paceState_->setText(Translated(Tr("Kvor3m", "Темп: %1")).arg(Translated(PaceCaption(pace()))));
}

void MainWindow::choosePace(Pace pace) {
    setPace(pace);
    UserSettings::setPace(pace);
}

void MainWindow::exportAs(Export what) {
    const ExportKind kind = exportKind(what);
    if (exportFolder_.isEmpty()) exportFolder_ = QDir::homePath();
    QString file = QFileDialog::getSaveFileName(this, Translated(kind.title),
                                                QDir(exportFolder_).filePath(Translated(kind.fileName)),
                                                Translated(kind.filter));
    if (file.isEmpty()) return;
    // A name typed without its extension gets the one of its kind.
    const QString suffix = QFileInfo(Translated(kind.fileName)).suffix();
    if (QFileInfo(file).suffix().isEmpty()) file += QLatin1Char('.') + suffix;
    exportFolder_ = QFileInfo(file).absolutePath();
    exportTo(what, file);
}

void MainWindow::exportTo(Export what, const QString& file) {
    std::string content;
    if (what == Export::Series) {
        AppendSeriesCsvHeader(content);
        AppendSeriesCsvRows(content, experiment_->series(), 0);
    } else {
        content = PngData(pictureImage(what));
    }
    try {
        WriteWholeFile(QFile::encodeName(file).toStdString(), content);
    } catch (const FileWriteError& failed) {
        const QString detail = QDir::toNativeSeparators(file) + QLatin1Char('\n') + reasonText(failed);
        messages_.info(messages::kFileWriteError, detail.toStdString());
    }
}

// Records are appended to the file chosen, so choosing one that exists overwrites nothing.
void MainWindow::askForDataFile() {
    const QString file =
        QFileDialog::getSaveFileName(this, Translated(Tr("Kvor3m", "Файл записи")), dataFile(),
                                     Translated(Tr("Kvor3m", "Файл записи (*.dat);;Все файлы (*)")), nullptr,
                                     QFileDialog::DontConfirmOverwrite);
    if (!file.isEmpty()) chooseDataFile(file);
}

// A picture as it stands, the energy graph brought up to date first.
QImage MainWindow::pictureImage(Export what) {
    if (what == Export::EnergyGraph) {
        energyGraph_->showChanges();
        return energyGraph_->image();
    }
    return (what == Export::Picture1 ? *picture1_ : *picture2_).canvas().image();
}

// The study of the run so far, the panel brought up to date first, so that the table's y(h) are the
// values it shows.
void MainWindow::studyStep() {
    showPictureChanges();
    const std::optional<StudyStart> start = experiment_->studyStart();
    if (!start) return messages_.info(messages::kNothingToStudy);
    CreateChild<StepStudyWindow>(this, *start, experiment_->settings().decimalSeparator, runTimer_);
}

void MainWindow::copyPicture(Export what) {
    QGuiApplication::clipboard()->setImage(pictureImage(what).copy());
}

} // namespace kvor::ui
