// Experiment files in the window: "Файл" → "Открыть опыт…", "Последние опыты", "Сохранить опыт",
// "Сохранить опыт как…", "Описание опыта…", "Расчёт" → "Конец опыта" and "Точная модель
// контакта", and the lessons that come with the program in "Опыты". The file is the batch
// runner's script language; reading, applying and writing it are the batch runner's own code, so
// that a file means the same experiment in both programs.

#include "build_info.h"
#include "child_object.h"
#include "control/messages.h"
#include "core/interface_text.h"
#include "file_path.h"
#include "main_window.h"
#include "output/text_file.h"
#include "user_settings.h"
#include "view/translated_text.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

namespace kvor::ui {

namespace {

constexpr std::string_view kFilter = Tr("Kvor3m", "Опыт Kvor3m (*.kvs);;Все файлы (*)");

// The language of the window's texts: a file's lines tagged with it are shown before the untagged.
std::string_view windowLanguage() {
    return LanguageName(CurrentLanguage());
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The system's reason in the words of the interface, as the exports say it.
QString reasonText(int code, const std::string& reason) {
    return code != 0 ? qt_error_string(code) : QString::fromStdString(reason);
}

// A lesson that came with the program, installed or in the source tree, is read, never written
// back: saving it asks for a file.
bool isShippedLesson(const QString& file) {
    for (const QString& folder : {FromPath(LessonFolder()), fromUtf8(build::kInstalledDataFolder)}) {
        const QString canonical = QDir(folder).canonicalPath();
        if (!canonical.isEmpty() &&
            QFileInfo(file).canonicalFilePath().startsWith(canonical + QLatin1Char('/')))
            return true;
    }
    return false;
}

// "строки 5, 7, 9": the lines of an opened file that were skipped, if any.
QString skippedLines(const std::vector<std::size_t>& skipped) {
    QStringList numbers;
    for (const std::size_t n : skipped) numbers << QString::number(n);
    return numbers.isEmpty()
               ? QString()
               : Translated(Tr("Kvor3m", "; пропущены строки %1")).arg(numbers.join(QStringLiteral(", ")));
}

} // namespace

void MainWindow::connectExperimentActions() {
    const WindowActions& a = *actions_;
    connect(a.openExperiment, &QAction::triggered, this, &MainWindow::askToOpenExperiment);
    connect(a.saveExperiment, &QAction::triggered, this, &MainWindow::saveExperiment);
    connect(a.saveExperimentAs, &QAction::triggered, this, &MainWindow::saveExperimentAs);
    connect(a.experimentDescription, &QAction::triggered, this, &MainWindow::showDescription);
    connect(a.recentExperiments, &QMenu::aboutToShow, this, &MainWindow::showRecentExperiments);
    connect(a.runEnds, &QActionGroup::triggered, this,
            [this](const QAction* action) { chooseRunEnd(WindowActions::runEndOf(*action)); });
    setRunEnd(UserSettings::runEnd());
    connect(a.exactContact, &QAction::triggered, this, [this](bool exact) {
        setExactContact(exact);
        UserSettings::setExactContact(exact);
    });
    setExactContact(UserSettings::exactContact());
    createLessonMenu();
}

// "Опыты": the lessons by their titles, in the order of their numbers. Each opens as a file the
// user chose, by the one way files are opened.
void MainWindow::createLessonMenu() {
    lessons_ = LessonsIn(LessonFolder());
    lessonMenu_ = actions_->addMenu(Tr("Kvor3m", "&Опыты"));
    lessonMenu_->setObjectName(QStringLiteral("LessonMenu"));
    showLessonTitles();
}

// The titles of the lessons in the window's language.
void MainWindow::showLessonTitles() {
    QMenu* const menu = lessonMenu_;
    menu->clear();
    for (std::size_t n = 1; n <= lessons_.size(); ++n) {
        const ExperimentText::Language* shown = lessons_[n - 1].text.shownTo(windowLanguage());
        const QString title = shown && shown->title ? QString::fromStdString(*shown->title)
                                                    : FromPath(lessons_[n - 1].file.filename());
        // A '&' of a title is shown, not taken for a mnemonic.
        QAction* action = menu->addAction(QString(title).replace(QLatin1Char('&'), QStringLiteral("&&")));
        connect(action, &QAction::triggered, this, [this, n] { openLesson(n); });
    }
    if (lessons_.empty()) menu->addAction(Translated(Tr("Kvor3m", "(нет)")))->setEnabled(false);
}

bool MainWindow::openLesson(std::size_t n) {
    return n >= 1 && n <= lessons_.size() && openExperiment(FromPath(lessons_[n - 1].file));
}

bool MainWindow::openExperiment(const QString& file) {
    if (!mayPutExperimentAside()) return false;
    ExperimentFile opened;
    try {
        opened = OpenExperimentFile(ToPath(file));
    } catch (const ExperimentFileError& e) {
        QString detail = QDir::toNativeSeparators(file);
        if (e.lineNumber != 0)
            detail += QLatin1Char('\n') + Translated(Tr("Kvor3m", "строка %1: %2"))
                                              .arg(e.lineNumber)
                                              .arg(QString::fromStdString(e.line));
        detail += QLatin1Char('\n') + reasonText(e.code, e.reason);
        messages_.info(messages::kCannotOpenExperiment, detail.toStdString());
        return false;
    }
    // From here nothing can fail: every line was read and its texts checked.
    resetToStartUp();
    for (const ScriptCommand& line : opened.lines) ApplySetupLine(line, *this);
    showPictureChanges();
    const bool shipped = isShippedLesson(file);
    experimentFile_ = shipped ? QString() : QFileInfo(file).absoluteFilePath();
    // A lesson's copy is saved where the user keeps experiments, not among the lessons.
    if (!shipped) experimentFolder_ = QFileInfo(file).absolutePath();
    UserSettings::addRecentExperiment(QFileInfo(file).absoluteFilePath());
    showExperimentName(file);
    savedSetup_ = setupText();
    showRunState([name = QFileInfo(file).fileName(), skipped = opened.skipped] {
        return Translated(Tr("Kvor3m", "Опыт открыт: %1")).arg(name) + skippedLines(skipped);
    });
    if (const auto* shown = description_.shownTo(windowLanguage()); shown && !shown->notes.empty())
        showDescription();
    else
        refreshDescription();
    return true;
}

// The window as it starts: the ball-ball example, "1-шар 2-шар", only "исходные данные" ticked,
// empty panel boxes and pictures, a fresh record, the runs ending at the track's capacity with the
// default contact law, no title or notes. An active run ends without a message.
void MainWindow::resetToStartUp() {
    runTimer_.end();
    for (int n = 1; n <= kCheckBoxCount; ++n) checks_[n]->setChecked(n == Check12);
    setInitialState();
    for (int n = 1; n <= kTextBoxCount; ++n) setBoxText(static_cast<TextBox>(n), {});
    record_ = ModelRecord{};
    track_ = TrackStore{};
    experiment_->Form_Load();
    setRunEnd(RunEnd{});
    setExactContact(false);
    description_ = {};
}

// What the scale boxes show is saved, also when an edit of one is not finished yet.
std::string MainWindow::setupText() {
    for (int n = 1; n <= kTextBoxCount; ++n)
        if (IsScaleBox(static_cast<TextBox>(n))) takeScaleText(static_cast<TextBox>(n));
    return ExperimentFileText(*this, description_, experiment_->runEnd(), experiment_->exactContact());
}

// The set-up changed when the file it would be saved as differs from the one last opened or saved
// (the start-up set-up before either): "Запись" and what the panel writes are not in the file.
// The question holds a run; "Отмена" lets it go on.
bool MainWindow::mayPutExperimentAside() {
    if (setupText() == savedSetup_) return true;
    switch (messages_.askToSave(messages::kAskToSave)) {
    case MessageHost::SaveAnswer::Save:
        return saveExperiment();
    case MessageHost::SaveAnswer::Discard:
        return true;
    case MessageHost::SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool MainWindow::saveExperimentTo(const QString& file) {
    const std::string text = setupText();
    try {
        WriteWholeFile(ToPath(file), text);
    } catch (const FileWriteError& failed) {
        const QString detail =
            QDir::toNativeSeparators(file) + QLatin1Char('\n') + reasonText(failed.code, failed.reason);
        messages_.info(messages::kFileWriteError, detail.toStdString());
        return false;
    }
    experimentFile_ = QFileInfo(file).absoluteFilePath();
    experimentFolder_ = QFileInfo(file).absolutePath();
    UserSettings::addRecentExperiment(experimentFile_);
    savedSetup_ = text;
    showExperimentName(file);
    showRunState([name = QFileInfo(file).fileName()] {
        return Translated(Tr("Kvor3m", "Опыт сохранён: %1")).arg(name);
    });
    return true;
}

void MainWindow::askToOpenExperiment() {
    const QString folder = experimentFolder_.isEmpty() ? QDir::homePath() : experimentFolder_;
    const QString file = QFileDialog::getOpenFileName(this, Translated(Tr("Kvor3m", "Открыть опыт")), folder,
                                                      Translated(kFilter));
    if (!file.isEmpty()) openExperiment(file);
}

bool MainWindow::saveExperiment() {
    return experimentFile_.isEmpty() ? saveExperimentAs() : saveExperimentTo(experimentFile_);
}

bool MainWindow::saveExperimentAs() {
    const QString folder = experimentFolder_.isEmpty() ? QDir::homePath() : experimentFolder_;
    QString file = QFileDialog::getSaveFileName(this, Translated(Tr("Kvor3m", "Сохранить опыт")),
                                                QDir(folder).filePath(Translated(Tr("Kvor3m", "опыт.kvs"))),
                                                Translated(kFilter));
    if (file.isEmpty()) return false;
    if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".kvs");
    return saveExperimentTo(file);
}

void MainWindow::showRecentExperiments() {
    QMenu* menu = actions_->recentExperiments;
    menu->clear();
    for (const QString& file : UserSettings::recentExperiments())
        connect(menu->addAction(QDir::toNativeSeparators(file)), &QAction::triggered, this,
                [this, file] { openExperiment(file); });
    if (menu->isEmpty()) menu->addAction(Translated(Tr("Kvor3m", "(нет)")))->setEnabled(false);
}

// "Описание опыта", made when it is not open, brought to the front when it is.
void MainWindow::showDescription() {
    if (!descriptionWindow_) {
        descriptionWindow_ = CreateChild<DescriptionWindow>(this);
        zoom_->follow(*descriptionWindow_);
    }
    refreshDescription();
    descriptionWindow_->show();
    descriptionWindow_->raise();
    descriptionWindow_->activateWindow();
}

// The title (or the caption) and the notes in the window's language, in "Описание опыта" when it
// is open.
void MainWindow::refreshDescription() {
    if (!descriptionWindow_) return;
    const ExperimentText::Language* shown = description_.shownTo(windowLanguage());
    QString title = shown && shown->title ? QString::fromStdString(*shown->title) : QString();
    if (title.isEmpty()) title = windowTitle();
    QStringList notes;
    if (shown)
        for (const std::string& note : shown->notes) notes << QString::fromStdString(note);
    descriptionWindow_->showText(title, notes);
}

// The caption names the experiment by its title, or by its file.
void MainWindow::showExperimentName(const QString& file) {
    shownName_ = file;
    const ExperimentText::Language* shown = description_.shownTo(windowLanguage());
    const QString name = shown && shown->title && !shown->title->empty()
                             ? QString::fromStdString(*shown->title)
                             : QFileInfo(file).fileName();
    setWindowTitle(name + QStringLiteral(" — Kvor3m"));
}

void MainWindow::chooseRunEnd(RunEnd::Kind kind) {
    RunEnd end{kind};
    if (kind == RunEnd::Kind::Time) {
        const RunEnd& now = experiment_->runEnd();
        bool ok = false;
        const QString text =
            QInputDialog::getText(
                this, Translated(Tr("Kvor3m", "Конец опыта")),
                Translated(Tr("Kvor3m", "Закончить опыт, когда T достигнет, с:")), QLineEdit::Normal,
                now.kind == RunEnd::Kind::Time ? fromUtf8(now.time) : QStringLiteral("1"), &ok)
                .trimmed();
        const auto timed = ParseRunEnd("time", text.toStdString());
        if (ok && !timed) messages_.info(messages::kEnterDataCorrectly);
        if (!ok || !timed) return setRunEnd(experiment_->runEnd()); // the menu shows the end as it was
        end = *timed;
    }
    setRunEnd(end);
    UserSettings::setRunEnd(end);
}

void MainWindow::setRunEnd(const RunEnd& end) {
    experiment_->setRunEnd(end);
    actions_->showRunEnd(end.kind);
}

void MainWindow::setExactContact(bool exact) {
    experiment_->setExactContact(exact);
    actions_->exactContact->setChecked(exact);
}

// As the user clicks the option button: its handler runs when it becomes selected.
void MainWindow::selectVariant(OptionButton variant) {
    (variant == OptionButton::Option1 ? option1_ : option2_)->setChecked(true);
}

// As typed, whatever the box held: a scale box takes the text at once, as after a finished edit.
void MainWindow::setBoxText(TextBox box, std::string_view text) {
    boxes_[box]->setText(fromUtf8(text));
    boxes_[box]->setCursorPosition(0);
    if (IsScaleBox(box)) takeScaleText(box);
}

void MainWindow::setChecked(CheckBox box, bool on) {
    checks_[box]->setChecked(on);
}

} // namespace kvor::ui
