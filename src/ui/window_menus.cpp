// The main window's menu bar and the pictures' context menus: saving the pictures and the series
// of values, the data file, the pace of a run, the About window and the exit.

#include "canvas_widget.h"
#include "control/messages.h"
#include "main_window.h"
#include "output/series_csv.h"
#include "output/text_file.h"
#include "view/png_file.h"

#include <QActionGroup>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

namespace kvor::ui {

namespace {

struct PaceChoice {
    Pace pace;
    const char* caption;
};
constexpr PaceChoice kPaceChoices[] = {
    {Pace::Slow, "Медленно"},
    {Pace::Normal, "Обычно"},
    {Pace::Fast, "Быстро"},
    {Pace::Max, "Без задержки"},
};

// What the file dialog proposes for each export: a name and the filter of its kind of file.
struct ExportKind {
    const char* title;
    const char* fileName;
    const char* filter;
};
ExportKind exportKind(MainWindow::Export what) {
    switch (what) {
    case MainWindow::Export::Picture1:
        return {"Сохранить траектории", "траектории.png", "Рисунок PNG (*.png)"};
    case MainWindow::Export::Picture2:
        return {"Сохранить график", "график.png", "Рисунок PNG (*.png)"};
    case MainWindow::Export::Series:
        break;
    }
    return {"Сохранить ряд данных", "ряд данных.csv", "Таблица CSV (*.csv)"};
}

// The system's reason in the words of the interface: Qt's Russian text where it has one.
QString reasonText(const FileWriteError& failed) {
    return failed.code != 0 ? qt_error_string(failed.code) : QString::fromStdString(failed.reason);
}

} // namespace

void MainWindow::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
    file->setObjectName(QStringLiteral("FileMenu"));
    file->addAction(QStringLiteral("Сохранить траектории…"), this, [this] { exportAs(Export::Picture1); });
    file->addAction(QStringLiteral("Сохранить график…"), this, [this] { exportAs(Export::Picture2); });
    file->addAction(QStringLiteral("Сохранить ряд данных (CSV)…"), this,
                    [this] { exportAs(Export::Series); });
    file->addAction(QStringLiteral("Файл записи…"), this, &MainWindow::askForDataFile);
    file->addSeparator();
    file->addAction(QStringLiteral("Выход"), this, &MainWindow::exitProgram);

    QMenu* view = menuBar()->addMenu(QStringLiteral("Вид"));
    view->setObjectName(QStringLiteral("ViewMenu"));
    QMenu* pace = view->addMenu(QStringLiteral("Темп показа"));
    paceChoices_ = new QActionGroup(this); // owned by the window
    for (const PaceChoice& choice : kPaceChoices) {
        QAction* action = pace->addAction(QString::fromUtf8(choice.caption), this,
                                          [this, p = choice.pace] { choosePace(p); });
        action->setCheckable(true);
        action->setData(static_cast<int>(choice.pace));
        paceChoices_->addAction(action);
    }

    QMenu* help = menuBar()->addMenu(QStringLiteral("Справка"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    help->addAction(QStringLiteral("О программе"), this, &MainWindow::showAbout);

    createPictureMenu(*picture1_, Export::Picture1);
    createPictureMenu(*picture2_, Export::Picture2);
}

// A right-click on a picture saves it or copies it to the clipboard.
void MainWindow::createPictureMenu(CanvasWidget& picture, Export what) {
    picture.setContextMenuPolicy(Qt::ActionsContextMenu);
    picture.addAction(QStringLiteral("Сохранить рисунок…"), this, [this, what] { exportAs(what); });
    picture.addAction(QStringLiteral("Копировать"), this, [this, &picture] { copyPicture(picture); });
}

void MainWindow::setPace(Pace pace) {
    runTimer_.setPace(pace);
    for (QAction* action : paceChoices_->actions())
        action->setChecked(action->data().toInt() == static_cast<int>(pace));
}

void MainWindow::choosePace(Pace pace) {
    setPace(pace);
    QSettings().setValue(QStringLiteral("pace"), PaceName(pace));
}

void MainWindow::exportAs(Export what) {
    const ExportKind kind = exportKind(what);
    if (exportFolder_.isEmpty()) exportFolder_ = QDir::homePath();
    QString file = QFileDialog::getSaveFileName(
        this, QString::fromUtf8(kind.title), QDir(exportFolder_).filePath(QString::fromUtf8(kind.fileName)),
        QString::fromUtf8(kind.filter));
    if (file.isEmpty()) return;
    // A name typed without its extension gets the one of its kind.
    const QString suffix = QFileInfo(QString::fromUtf8(kind.fileName)).suffix();
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
        content = PngData((what == Export::Picture1 ? *picture1_ : *picture2_).canvas().image());
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
        QFileDialog::getSaveFileName(this, QStringLiteral("Файл записи"), dataFile(),
                                     QStringLiteral("Файл записи (*.dat);;Все файлы (*)"), nullptr,
                                     QFileDialog::DontConfirmOverwrite);
    if (!file.isEmpty()) chooseDataFile(file);
}

void MainWindow::copyPicture(const CanvasWidget& picture) {
    QGuiApplication::clipboard()->setImage(picture.canvas().image());
}

} // namespace kvor::ui
