#include "experiment.h"

#include "core/fp_exceptions.h"
#include "core/runge_kutta.h"
#include "messages.h"
#include "presets.h"
#include "view/body_drawing.h"
#include "view/time_graph_view.h"
#include "view/trajectory_view.h"

namespace kvor {

Experiment::Experiment(ModelRecord& record, TrackStore& track, Form& form, Surfaces surfaces,
                       Platform platform, ExperimentSettings settings)
    : r_(record), track_(track), form_(form), surfaces_(surfaces), platform_(platform),
      settings_(std::move(settings)), series_(TrackStore::kCapacity) {}

void Experiment::Form_Load() {
    WriteStartUpExample(form_, settings_.decimalSeparator);
    ClearPictures();
    SetModelConstants(r_);
    // Until the first start, the real time of the panel counts from the window's opening.
    r_.TStart = platform_.clock.seconds();
}

// "Введите правильно данные", and when the fault lies in a box rather than in what follows from
// all of them, the box is named under the message and pointed out once the message is gone.
void Experiment::ReportWrongInput(std::optional<TextBox> box, bool ruleBroken) {
    fp::clearFaults();
    platform_.messages.info(messages::kEnterDataCorrectly,
                            box ? RefusedBoxText(*box, form_, ruleBroken) : "");
    if (box) form_.selectText(*box);
}

// A Start or a Reverse that went through begins an experiment: its series, and the end it runs to.
void Experiment::BeginSeries() {
    series_.clear();
    pendingEnd_ = runEnd_;
    runExactContact_ = exactContact_;
    study_ = StudyStart{r_, {form_.isChecked(Check13), form_.isChecked(Check1), runExactContact_}};
    stepsMade_ = 0;
    // The start state is the series' first row, with the forces that the first stage of the first
    // step finds there; it is computed in a copy, so that nothing of the run changes. What cannot
    // be computed of it shows at the first screen update, with its message.
    try {
        fp::Checked([this] {
            ModelRecord start = r_;
            start.Ts = start.T;
            Derivatives(start, form_.isChecked(Check13), runExactContact_);
            series_.appendStart(start);
        });
    } catch (const ModelError&) {
        fp::clearFaults();
    }
}

std::optional<StudyStart> Experiment::studyStart() const {
    if (!study_ || study_->steps == 0) return std::nullopt;
    return study_;
}

// The check boxes the steps read, and the scales, as the run reads them before its steps: a study
// takes them as they stand at the end, and says so when they changed.
void Experiment::NoteRunSettings(const StepOptions& options) {
    if (!study_) return;
    StudyStart& s = *study_;
    s.lorentzChanged = s.lorentzChanged || options.lorentz != s.options.lorentz;
    s.plusFmChanged = s.plusFmChanged || options.plusFm != s.options.plusFm;
    s.options = options;
    const ModelRecord& start = s.record;
    s.scalesChanged = s.scalesChanged || r_.Mx != start.Mx || r_.MF != start.MF || r_.MFq != start.MFq ||
                      r_.Mt != start.Mt || r_.Mv != start.Mv;
}

void Experiment::ClearPictures() {
    fp::Checked([this] {
        surfaces_.picture1.clear();
        surfaces_.picture2.clear();
        PrepareTrajectoryView(surfaces_.picture1.base());
        PrepareTimeGraphView(surfaces_.picture2.base());
    });
    // The next screen update plots the stored track again, whole; the curves of the time graph
    // are gone for good.
    track_.plotted = 0;
}

void Experiment::Command5_Click() {
    ClearPictures();
}

void Experiment::Command7_Click() {
    const bool option1 = form_.isSelected(OptionButton::Option1);
    const bool option2 = form_.isSelected(OptionButton::Option2);
    std::optional<TextBox> reading = Text1;
    // Nothing is drawn when an input cannot be read or a shape cannot be drawn.
    const bool drawable = Guarded(
        [&] {
            ReadBodyGeometry(r_, form_, &*reading);
            reading.reset();
            // A dry run checks the coordinates before anything of the drawing reaches the picture.
            BlankCanvas dryRun;
            Pen check(dryRun);
            DrawBodies(r_, track_.rod, check, option1, option2);
        },
        reading);
    if (!drawable) return;
    Pen pen(surfaces_.picture1.base());
    DrawBodies(r_, track_.rod, pen, option1, option2);
}

void Experiment::Option1_Click() {
    ShowLastUpdate();
    kvor::Option1_Click(form_, settings_.decimalSeparator);
}

void Experiment::Option2_Click() {
    ShowLastUpdate();
    kvor::Option2_Click(form_, settings_.decimalSeparator);
}

void Experiment::WriteNumber(TextBox box, double value) {
    fp::Outside([&] { form_.setNumber(box, value, settings_.decimalSeparator); });
}

} // namespace kvor
