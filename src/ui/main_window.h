#pragma once

#include "about_window.h"
#include "control/experiment.h"
#include "core/model_record.h"
#include "output/form.h"
#include "qt_services.h"
#include "view/track_store.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kvor::ui {

class CanvasWidget;

// The main window, Form1: every control of the layout table under its control name, the two
// pictures, and the engine behind them. It owns the one model record, the track store and the
// experiment, calls the experiment's handlers from its buttons and option buttons, and serves the
// engine as its form and its event processing.
class MainWindow final : public QWidget, public Form, private EventHost {
public:
    // `messages` answers the message boxes instead of showing them (tests); by default they are
    // real modal boxes.
    explicit MainWindow(MessageHost* messages = nullptr);
    ~MainWindow() override;

    // Form
    std::string_view text(TextBox box) const override { return texts_[box]; }
    void setText(TextBox box, std::string_view text) override;
    bool isChecked(CheckBox box) const override;
    bool isSelected(OptionButton option) const override;
    void setTextVisible(TextBox box, bool visible) override;
    void setRodLengthLabelVisible(bool visible) override;

    Experiment& experiment() { return *experiment_; }
    ModelRecord& record() { return record_; }
    TrackStore& track() { return track_; }
    CanvasWidget& picture1() { return *picture1_; }
    CanvasWidget& picture2() { return *picture2_; }
    // The About window while it is open.
    AboutWindow* aboutWindow() const { return about_; }

    // Repaints what the engine drew on the pictures since the last time.
    void showPictureChanges();

    // The data file of this window: where records go when "Запись" is ticked, named by its
    // tooltip. chooseDataFile also remembers the choice for later starts ("Файл записи…");
    // useDataFileForThisRun does not (kvor3m --data FILE). A relative path is taken from the
    // current folder.
    void chooseDataFile(const QString& file);
    void useDataFileForThisRun(const QString& file);
    QString dataFile() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool processEvents() override;
    void createControls();
    void connectCommands();
    void setInitialState();
    void showAbout();
    void exitProgram();

    ModelRecord record_;
    TrackStore track_;
    std::array<QLineEdit*, kTextBoxCount + 1> boxes_{};
    // What each box holds, kept in step with it: the run loop reads the scales at every step.
    std::array<std::string, kTextBoxCount + 1> texts_;
    std::array<QCheckBox*, kCheckBoxCount + 1> checks_{};
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QLabel* rodLengthLabel_ = nullptr;
    CanvasWidget* picture1_ = nullptr;
    CanvasWidget* picture2_ = nullptr;
    std::array<QPushButton*, 12> commands_{};

    QtMessageHost messageBoxes_;
    SteadyClock clock_;
    std::unique_ptr<Experiment> experiment_;
    QPointer<AboutWindow> about_;
    bool closed_ = false;
};

} // namespace kvor::ui
