#pragma once

#include "core/fp_exceptions.h"
#include "core/impact_meter.h"
#include "core/integration_step.h"
#include "core/model_record.h"
#include "host/clock.h"
#include "host/form.h"
#include "host/message_host.h"
#include "input_reader.h"
#include "output/data_series.h"
#include "run_end.h"
#include "step_study.h"
#include "view/picture.h"
#include "view/track_store.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvor {

// How numbers look to this user and where the data records go.
struct ExperimentSettings {
    char decimalSeparator = '.';
    std::filesystem::path dataFile = "kvor.dat";
};

// What one advance of a run came to.
struct RunEvent {
    enum class Kind {
        ScreenUpdate, // the pictures, the panel and the record are up to date; the run goes on
        Question,     // the question about Eq is to be asked: `text`; the answer goes to AnswerEqQuestion
        Stopped,      // the stop flag was seen at the screen update, or a command ended the run
        Ended,        // the run ended with the message `text`, and `detail` under it when not empty
        Finished,     // the run came to its end `end` (time, separated) for the reason `text`, whose
                      // %1 is `detail`, the time of the end as given; no message
    };
    Kind kind;
    std::string_view text = {};
    std::string detail = {};
    RunEnd::Kind end = RunEnd::Kind::Capacity;
};

// The handlers of the main window's commands and the run they start, on one model record. The
// window, the batch runner and the tests each supply the form, the two pictures, the message
// boxes and the clock.
//
// A run is advanced, not looped: whoever drives it calls Advance until the run is over, and
// between two calls takes the user's commands. The window calls it from a timer, the batch
// runner in a loop. Advance never shows anything itself: a message or the question about Eq is
// handed back to the caller.
//
// There is never more than one run. A command that would begin a run while one is active acts
// on the active run instead: Start rebuilds the start state and the run goes on from it,
// Continue clears the stop flag, NC0 steps lets the run make NC0 more steps and end, Reverse
// reverses the motion and the run goes on. A Start or Reverse that fails ends the active run,
// unless a command after it in the same pause of the run asks the run to go on.
class Experiment {
public:
    struct Surfaces {
        Picture& picture1; // the trajectory picture
        Picture& picture2; // the time graph
    };
    struct Platform {
        MessageHost& messages;
        const Clock& clock;
    };

    Experiment(ModelRecord& record, TrackStore& track, Form& form, Surfaces surfaces, Platform platform,
               ExperimentSettings settings);

    // The window is being created: the ball-ball example, empty prepared pictures, the constants.
    void Form_Load();

    void Command1_Click();  // " Начать эксперимент  ": start
    void Command2_Click();  // "Остановить": stop at the next screen update
    void Command3_Click();  // "Продолжить": continue
    void Command10_Click(); // "Сделать NC0 шагов решения": NC0 more steps
    void Command11_Click(); // "Реверс": reverse the motion
    void Command5_Click();  // "Очистить  рисунки": clear both pictures
    void Command7_Click();  // "Показать тела": show the bodies at their start positions
    void Option1_Click();   // "1-шар 2-шар" became selected
    void Option2_Click();   // "1-шар 2-стержень" became selected

    // The steps up to the next screen update, and that update, or the end of the run. Call it
    // only while running().
    RunEvent Advance();
    // The user's answer to the question about Eq: Yes lets the run go on from the step at which
    // it was asked, No ends the run.
    void AnswerEqQuestion(bool yes);
    // Ends the run without another step or a message: the window is gone.
    void EndRun();

    // Whether a screen update writes the panel's texts (by default) or only computes its values,
    // for a driver that shows some of the updates only: it then calls ShowLastUpdate whenever it
    // shows one, and at the end of a run. The data record, the series and the pictures' layers
    // are made at every update all the same.
    void setPanelAtEveryUpdate(bool every) { panelAtEveryUpdate_ = every; }
    // Writes the panel's texts of the last screen update when that update left them unwritten.
    // The commands that write into boxes call it first, so that it never writes over them.
    void ShowLastUpdate();

    bool running() const { return running_; }
    // One row per screen update since the last successful Start or Reverse.
    const DataSeries& series() const { return series_; }
    // The contacts that ended since the last successful Start, in order; the count of Starts that
    // began a new list; and the contact under way, up to the state reached, unfinished.
    const std::vector<Impact>& impacts() const { return impacts_; }
    unsigned impactGeneration() const { return impactGeneration_; }
    std::optional<Impact> unfinishedImpact() const;
    const ExperimentSettings& settings() const { return settings_; }
    void setDataFile(std::filesystem::path file) { settings_.dataFile = std::move(file); }
    // How the runs of the following Starts and Reverses end; a run under way keeps the end it had.
    const RunEnd& runEnd() const { return runEnd_; }
    void setRunEnd(RunEnd end) { runEnd_ = std::move(end); }
    // The contact law of the following Starts and Reverses: the exact law ("Расчёт" → "Точная
    // модель контакта", `contact exact`) or the default one; a run under way keeps the law it had.
    bool exactContact() const { return exactContact_; }
    void setExactContact(bool exact) { exactContact_ = exact; }
    // What a step study of the run since the last successful Start or Reverse starts from;
    // nothing before its first screen update, nor after a Start or Reverse that failed.
    std::optional<StudyStart> studyStart() const;

private:
    void ContinueRun(bool ready);
    template <typename Work> bool Guarded(Work&& work, const std::optional<TextBox>& reading = std::nullopt);
    bool StartExperiment();
    void ReportWrongInput(std::optional<TextBox> box, bool ruleBroken);
    void BeginSeries();
    bool ReverseExperiment();
    void StartState();
    void ShowMasses();
    void ShowEnergyAndMomentum();
    void PrintEndImpactSolution();
    RunEvent EndOfRun(RunEvent event);
    StepEnd StepsToScreenUpdate();
    bool PlainSteps();
    StepEnd CheckedStep();
    void ScreenUpdateAndRecord();
    void WriteNumber(TextBox box, double value);
    void NoteRunSettings(const StepOptions& options);
    void ClearPictures();

    ModelRecord& r_;
    TrackStore& track_;
    Form& form_;
    Surfaces surfaces_;
    Platform platform_;
    ExperimentSettings settings_;
    ScaleReader scales_;
    DataSeries series_;
    ImpactMeter meter_;
    std::vector<Impact> impacts_;
    unsigned impactGeneration_ = 0;
    Stretch stretch_ = Stretch::Equations;
    RunEnd runEnd_;
    // The end of the run of the last Start or Reverse, until it is reached: a Continue after it
    // runs on to the track's capacity.
    std::optional<RunEnd> pendingEnd_;
    bool exactContact_ = false;
    bool runExactContact_ = false; // the law of the run of the last Start or Reverse
    bool running_ = false;
    bool endRun_ = false;     // a command during the run asked to end it
    bool finishStep_ = false; // the step at which the question about Eq was answered Yes is to be counted
    // The start of the run for a step study, and the integration steps made since it.
    std::optional<StudyStart> study_;
    long stepsMade_ = 0;
    bool panelAtEveryUpdate_ = true;
    bool panelBehind_ = false; // the texts of lastUpdate_ are still to be written
    ModelRecord lastUpdate_;
};

// A command's own work on the model's numbers, with fresh floating-point flags. A fault in it, of
// the arithmetic or of a text that is not a number, ends the work with "Введите правильно данные";
// `reading`, which the work keeps on the box it reads, then points out the box whose text could not
// be read. A value that breaks its box's rule is pointed out in the same way. Returns whether the
// work went through.
template <typename Work> bool Experiment::Guarded(Work&& work, const std::optional<TextBox>& reading) {
    try {
        fp::Checked(work);
        return true;
    } catch (const BrokenRule& broken) {
        ReportWrongInput(broken.box, true);
    } catch (const ModelError&) {
        ReportWrongInput(reading, false);
    }
    return false;
}

} // namespace kvor
