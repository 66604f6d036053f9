// "Вид" → "Оси в единицах величин": both pictures numbered in the quantities' own units, the time
// graph with a legend. The numbers follow the scale boxes and the curves' check boxes; a scale
// changed while they are shown moves what was drawn at the old scale to the new one, so that every
// dot agrees with the numbers of its axis.

#include "canvas_widget.h"
#include "control/input_reader.h"
#include "core/number_text.h"
#include "host/box_table.h"
#include "main_window.h"
#include "view/unit_axes.h"

#include <QAction>
#include <QCheckBox>

namespace kvor::ui {

namespace {

std::optional<double> positive(std::string_view text) {
    const std::optional<double> value = ParseNumber(text);
    return value && *value > 0 ? value : std::nullopt;
}

} // namespace

void MainWindow::setUnitAxes(bool on) {
    unitAxes_ = on;
    actions_->unitAxes->setChecked(on);
    axesDrawn_.reset();
    showPictureChanges();
}

void MainWindow::connectUnitAxes() {
    connect(actions_->unitAxes, &QAction::toggled, this, &MainWindow::setUnitAxes);
    for (const CheckBox box : {Check3, Check4, Check5, Check6, Check7, Check8})
        connect(checks_[box], &QCheckBox::toggled, this, [this] {
            if (unitAxes_) showPictureChanges();
        });
}

// The numbers drawn again when what they show has changed, and taken away with the option.
void MainWindow::showUnitAxes() {
    RecordedPicture& trajectory = picture1_->recordedPicture();
    RecordedPicture& graph = picture2_->recordedPicture();
    if (!unitAxes_) {
        if (!trajectory.axesLayer().empty()) trajectory.axes().clear();
        if (!graph.axesLayer().empty()) graph.axes().clear();
        return;
    }
    const AxisScales scales{positive(texts_[Text29]), positive(texts_[Text30]), positive(texts_[Text51]),
                            positive(texts_[Text26]), positive(texts_[Text61])};
    GraphSelection shown;
    shown.VX1 = isChecked(Check3);
    shown.VY1 = isChecked(Check5);
    shown.VX2 = isChecked(Check4);
    shown.VY2 = isChecked(Check6);
    shown.w1 = isChecked(Check7);
    shown.w2 = isChecked(Check8);
    if (axesDrawn_ && axesDrawn_->first == scales && axesDrawn_->second == shown) return;
    axesDrawn_.emplace(scales, shown);
    const char separator = experiment_->settings().decimalSeparator;
    trajectory.axes().clear();
    DrawTrajectoryAxisNumbers(trajectory.axes(), scales, separator);
    graph.axes().clear();
    DrawTimeGraphAxisNumbers(graph.axes(), scales, shown, separator);
}

// The record holds the scale the pictures were drawn at; from here on it holds the new one, which
// the run reads at its next step anyway.
void MainWindow::followScale(TextBox box) {
    const std::optional<double> typed = positive(texts_[box]);
    real& drawnAt = record_.*RowOf(box).field;
    if (!unitAxes_ || !typed || drawnAt <= 0 || *typed == drawnAt) return;
    const double before = drawnAt;
    drawnAt = *typed;
    if (box == Text29)
        MoveTrackToScale(track_, picture1_->recordedPicture(), before, *typed);
    else
        MoveTimeGraphToScale(picture2_->recordedPicture(), RowOf(box).field, before, *typed);
}

} // namespace kvor::ui
