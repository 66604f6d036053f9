#pragma once

#include "about_window.h"
#include "batch/experiment_file.h"
#include "batch/lessons.h"
#include "control/experiment.h"
#include "control/translated_messages.h"
#include "core/model_record.h"
#include "description_window.h"
#include "energy_graph_window.h"
#include "host/form.h"
#include "impacts_window.h"
#include "layout_table.h"
#include "message_boxes.h"
#include "pace.h"
#include "run_timer.h"
#include "view/track_store.h"
#include "view/unit_axes.h"
#include "window_actions.h"
#include "window_zoom.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kvor::ui {

class CanvasWidget;

// The main window, Form1: a menu bar over the client area, which holds every control of the layout
// table under its control name and the two pictures, and the engine behind them. It owns the one
// model record, the track store and the experiment, calls the experiment's handlers from its
// buttons and option buttons, serves the engine as its form, and advances its runs by a timer.
class MainWindow final : public QMainWindow, public Form, private SetupTarget {
    Q_OBJECT

public:
    // What the menu "Файл" saves.
    enum class Export { Picture1, Picture2, Series, EnergyGraph };

    // `messages` answers the message boxes instead of showing them (tests); by default they are
    // real modal boxes. The pace of the last session is taken from the settings.
    explicit MainWindow(MessageHost* messages = nullptr);
    ~MainWindow() override;

    // Form
    std::string_view text(TextBox box) const override { return texts_[box]; }
    void setText(TextBox box, std::string_view text) override;
    bool isChecked(CheckBox box) const override;
    bool isSelected(OptionButton option) const override;
    void setTextVisible(TextBox box, bool visible) override;
    void setRodLengthLabelVisible(bool visible) override;
    void selectText(TextBox box) override;

    Experiment& experiment() { return *experiment_; }
    ModelRecord& record() { return record_; }
    TrackStore& track() { return track_; }
    CanvasWidget& picture1() { return *picture1_; }
    CanvasWidget& picture2() { return *picture2_; }
    // The message boxes of the window as the engine shows them: in the window's language.
    MessageHost& messages() { return messages_; }
    // The About window while it is open.
    AboutWindow* aboutWindow() const { return about_; }
    ImpactsWindow& impactsWindow() { return *impacts_; }
    const QLabel& impactState() const { return *impactState_; }
    EnergyGraphWindow& energyGraph() { return *energyGraph_; }
    // The zoom of the program's windows; a window joins it with zoom().follow(window). Setting it
    // here lasts for the session; a choice in "Масштаб" is also remembered for the next one.
    WindowZoom& zoom() { return *zoom_; }
    // F11: the window fills the screen, its form in the middle at the largest listed zoom that
    // fits; back, at the zoom it had.
    void setFullScreen(bool on);
    // "Оси в единицах величин", off at start-up: the pictures' axes numbered in the quantities'
    // units, for this session.
    void setUnitAxes(bool on);
    // "Описание опыта" while it is open.
    DescriptionWindow* descriptionWindow() const { return descriptionWindow_; }

    // The pace of this session, shown in the menu, without touching the settings (the command
    // line, the tests). A choice in the menu is also remembered for the next session.
    void setPace(Pace pace);
    Pace pace() const { return runTimer_.pace(); }

    // Saves a picture as PNG or the series as CSV to `file`; a file that cannot be written is
    // reported with its path and the system's reason, and nothing else changes.
    void exportTo(Export what, const QString& file);

    // Brings the panel and the pictures up to date with the last screen update and repaints what
    // the engine drew on the pictures since the last time.
    void showPictureChanges();

    // The data file of this window: where records go when "Запись" is ticked, named by its
    // tooltip. chooseDataFile also remembers the choice for later starts ("Файл записи…");
    // useDataFileForThisRun does not (kvor3m --data FILE). A relative path is taken from the
    // current folder.
    void chooseDataFile(const QString& file);
    void useDataFileForThisRun(const QString& file);
    QString dataFile() const;

    // Experiment files ("Файл" → "Открыть опыт…", "Сохранить опыт", kvor3m FILE). Opening puts
    // the window in its start-up state and applies the file's set-up lines, as the batch runner's
    // "open" does; a file that cannot be read or understood leaves the window as it was and says
    // why. Saving writes the set-up whole; a failure is said with the file and the reason. Both
    // return whether they went through.
    bool openExperiment(const QString& file);
    bool saveExperimentTo(const QString& file);
    // The file that "Сохранить опыт" writes without asking; empty for a new experiment and for
    // one of the installed lessons.
    QString experimentFile() const { return experimentFile_; }
    const ExperimentText& experimentText() const { return description_; }
    // The lessons that "Опыты" lists, and the n-th of them (from 1) opened as "Открыть опыт…"
    // opens a file; false for a number that names none.
    const std::vector<Lesson>& lessons() const { return lessons_; }
    bool openLesson(std::size_t n);
    // How the runs end, shown in "Конец опыта"; choosing it in the menu also remembers it.
    void setRunEnd(const RunEnd& end) override;
    // The contact law of the runs, shown in "Точная модель контакта"; a choice in the menu is also
    // remembered.
    void setExactContact(bool exact) override;

signals:
    // A run ended: at a stop, with a message, or with the window.
    void runEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A change of language shows every text again in the language installed now.
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls(QWidget* client);
    void connectActions();
    void createStatusBar();
    void retranslate();
    void showDataFile();
    void showPace();
    void chooseLanguage(Language language);
    // The status bar's state of the run; `state` gives its text in the language installed, now
    // and at every change of language.
    void showRunState(std::function<QString()> state);
    // The last contact in the status bar and every contact in "Удары" when it is open.
    void showImpacts();
    void setTabOrder();
    void connectCommands();
    void setInitialState();
    void greyUnusedControls();
    void takeScaleText(TextBox box);
    void choosePace(Pace pace);
    void exportAs(Export what);
    void askForDataFile();
    void copyPicture(Export what);
    QImage pictureImage(Export what);
    void showAbout();
    void exitProgram();
    void studyStep();
    void chooseZoom(int percent);

    // window_axes.cpp
    void connectUnitAxes();
    void showUnitAxes();
    void followScale(TextBox box);

    // experiment_files.cpp
    void connectExperimentActions();
    void askToOpenExperiment();
    bool saveExperiment();
    bool saveExperimentAs();
    std::string setupText();
    // Whether the experiment may give way to another or to the end of the program: it is as last
    // opened or saved, or the user saved it or let it go when asked.
    bool mayPutExperimentAside();
    void showRecentExperiments();
    void showDescription();
    void refreshDescription();
    void createLessonMenu();
    void showLessonTitles();
    void chooseRunEnd(RunEnd::Kind kind);
    void resetToStartUp();
    void showExperimentName(const QString& file);
    // SetupTarget
    void selectVariant(OptionButton variant) override;
    void setBoxText(TextBox box, std::string_view text) override;
    void setChecked(CheckBox box, bool on) override;
    ExperimentText& description() override { return description_; }

    ModelRecord record_;
    TrackStore track_;
    std::array<QLineEdit*, kTextBoxCount + 1> boxes_{};
    // What each box holds for the engine. Most boxes follow every keystroke; a scale box, which
    // the run loop reads at every step, only a finished edit, so that a half-typed "0." is never
    // taken for a scale.
    std::array<std::string, kTextBoxCount + 1> texts_;
    std::array<QCheckBox*, kCheckBoxCount + 1> checks_{};
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QLabel* rodLengthLabel_ = nullptr;
    CanvasWidget* picture1_ = nullptr;
    CanvasWidget* picture2_ = nullptr;
    std::array<QPushButton*, 12> commands_{};
    WindowActions* actions_ = nullptr;
    // The status bar: the state of the run, the pace, where the records go.
    QLabel* runState_ = nullptr;
    QLabel* paceState_ = nullptr;
    QLabel* recordsState_ = nullptr;
    std::function<QString()> runStateText_;
    // The controls of the layout table that show a caption, with their rows.
    std::vector<std::pair<QWidget*, const ControlRow*>> captioned_;
    QLabel* impactState_ = nullptr;

    QtMessageHost messageBoxes_;
    // The engine's messages in the window's language, on their way to the boxes (or the tests').
    TranslatedMessages translatedMessages_;
    // Every message box of the window is shown through the run timer, which holds the run while
    // one is up.
    RunTimer runTimer_;
    MessageHost& messages_;
    SteadyClock clock_;
    std::unique_ptr<Experiment> experiment_;
    QPointer<AboutWindow> about_;
    QPointer<DescriptionWindow> descriptionWindow_;
    EnergyGraphWindow* energyGraph_ = nullptr;
    ImpactsWindow* impacts_ = nullptr;
    WindowZoom* zoom_ = nullptr;
    QWidget* client_ = nullptr;
    int zoomBeforeFullScreen_ = 100;
    bool fullScreen_ = false;
    bool unitAxes_ = false;
    std::optional<std::pair<AxisScales, GraphSelection>> axesDrawn_; // what the numbers show
    QString exportFolder_;
    ExperimentText description_;
    QString experimentFile_;
    QString shownName_; // the file named in the caption; empty while the caption is "Kvor3m"
    QString experimentFolder_;
    std::string savedSetup_; // the file of the set-up as last opened or saved, or at start-up
    std::vector<Lesson> lessons_;
    QMenu* lessonMenu_ = nullptr;
};

} // namespace kvor::ui
