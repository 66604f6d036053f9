#include "core/number_text.h"
#include "core/start_state.h"
#include "experiment.h"
#include "host/box_table.h"
#include "messages.h"
#include "view/pen.h"
#include "view/trajectory_view.h"

#include <optional>
#include <string>

namespace kvor {

void Experiment::Command1_Click() {
    ShowLastUpdate();
    ContinueRun(StartExperiment());
}

// Reads the inputs, puts the record into the start state of a new experiment, checks that it can
// run and begins its series. Returns false after telling the user why not.
bool Experiment::StartExperiment() {
    std::optional<TextBox> reading = Text1;
    const bool started = Guarded(
        [&] {
            ReadExperimentInputs(r_, form_, &*reading);
            reading.reset();
            StartState();
        },
        reading);
    if (!started) return false;
    const bool ballRod = form_.isSelected(OptionButton::Option2);
    // Bodies that start in contact would release the energy of a deformation nobody made.
    if (!BodiesApart(r_, ballRod)) {
        platform_.messages.info(messages::kEnterDataCorrectly, messages::kBodiesOverlap);
        return false;
    }
    // The rod model expects the ball to come from the left.
    if (ballRod && r_.DX < 0) {
        platform_.messages.info(messages::kBallFromLeft);
        return false;
    }
    if (ballRod && EndImpactHolds(r_) && !Guarded([this] { PrintEndImpactSolution(); })) return false;
    r_.StopFlag = 0;
    r_.TStart = platform_.clock.seconds();
    impacts_.clear();
    ++impactGeneration_;
    meter_.Start(r_);
    BeginSeries();
    return true;
}

void Experiment::StartState() {
    const StartOptions options{form_.isSelected(OptionButton::Option1),
                               form_.isSelected(OptionButton::Option2), form_.isChecked(Check1)};
    kvor::StartState(r_, options, [this](StartStage stage) {
        switch (stage) {
        case StartStage::Masses:
            ShowMasses();
            break;
        case StartStage::EnergyAndMomentum:
            ShowEnergyAndMomentum();
            break;
        case StartStage::Angles:
            WriteNumber(Text59, r_.Ugol1);
            if (WrittenNow(Text64, form_)) WriteNumber(Text64, r_.Ugol2);
            WriteNumber(Text65, r_.AlfaDeg);
            break;
        case StartStage::StartPoint:
            // The bodies of the last run stay where it left them, under the new track.
            surfaces_.picture1.keepBodies();
            StoreStartPoint(r_, track_);
            break;
        }
    });
    finishStep_ = false;
}

void Experiment::ShowMasses() {
    WriteNumber(Text39, r_.m1);
    WriteNumber(Text40, r_.m2);
}

void Experiment::ShowEnergyAndMomentum() {
    WriteNumber(Text62, r_.E0);
    WriteNumber(Text52, r_.KD0);
}

// The two roots of the end impact, each line " V1= " and the first root, "   V1= " and the second,
// with nothing between, at the top left of the trajectory picture.
void Experiment::PrintEndImpactSolution() {
    const EndImpact s = EndImpactSolution(r_);
    const char sep = settings_.decimalSeparator;
    Pen pen(surfaces_.picture1.base());
    const auto printPair = [&](double y, std::string_view label, double a, double b) {
        std::string line = " ";
        line.append(label).append("= ");
        AppendNumberText(line, a, sep);
        line.append("   ").append(label).append("= ");
        AppendNumberText(line, b, sep);
        pen.print(-5, y, line);
    };
    printPair(5, "V1", s.V1a, s.V1b);
    printPair(4.5, "V2", s.V2a, s.V2b);
    printPair(4, "w2", s.w2a, s.w2b);
}

} // namespace kvor
