#include "core/integration_step.h"
#include "core/vector_state.h"
#include "experiment.h"
#include "messages.h"
#include "output/data_record.h"
#include "output/value_panel.h"
#include "view/time_graph_view.h"
#include "view/trajectory_view.h"

namespace kvor {

// Step after step up to the next screen update, which is made, unless the run ends before it:
// the track store is full, the question about Eq is to be asked, or an error occurs. After the
// update the run ends when the stop flag is set. An error ends the run with the message of the
// stretch of the step in which it arose; the record keeps what was computed.
RunEvent Experiment::Advance() {
    // A Start or Reverse that failed in the last pause of the run, with nothing after it that
    // asked the run to go on.
    if (endRun_) return EndOfRun({RunEvent::Kind::Stopped});
    try {
        switch (StepsToScreenUpdate()) {
        case StepEnd::TrackFull:
            return EndOfRun({RunEvent::Kind::Ended, messages::kTrackFull});
        case StepEnd::EqQuestion:
            return {RunEvent::Kind::Question, messages::kEqQuestion};
        case StepEnd::NextStep:
        case StepEnd::ScreenUpdate:
            break;
        }
        r_.StepCount = 0;
        ScreenUpdateAndRecord();
    } catch (const ModelError&) {
        fp::clearFaults();
        switch (stretch_) {
        case Stretch::Equations:
            return EndOfRun({RunEvent::Kind::Ended, messages::kEquationsError});
        case Stretch::LightSpeed:
            return EndOfRun({RunEvent::Kind::Ended, messages::kLightSpeed});
        case Stretch::Display:
            return EndOfRun({RunEvent::Kind::Ended, messages::kIncompatibleParameters});
        }
    } catch (const FileWriteError& failed) {
        return EndOfRun({RunEvent::Kind::Ended, messages::kFileWriteError, failed.detail()});
    }
    if (pendingEnd_ && RunEndReached(*pendingEnd_, r_, form_.isChecked(Check13))) {
        RunEvent finished{RunEvent::Kind::Finished, RunEndReason(pendingEnd_->kind), pendingEnd_->time,
                          pendingEnd_->kind};
        pendingEnd_.reset();
        return EndOfRun(std::move(finished));
    }
    if (r_.StopFlag == 1) return EndOfRun({RunEvent::Kind::Stopped});
    return {RunEvent::Kind::ScreenUpdate};
}

RunEvent Experiment::EndOfRun(RunEvent event) {
    EndRun();
    return event;
}

void Experiment::EndRun() {
    running_ = false;
    endRun_ = false;
    finishStep_ = false;
}

void Experiment::AnswerEqQuestion(bool yes) {
    r_.EqAnswer = yes ? kAnswerYes : kAnswerNo;
    if (yes)
        finishStep_ = true;
    else
        EndRun();
}

// The steps up to the next screen update, or to the step at which the run has to end or ask. They
// are made in plain doubles when nothing on the way needs a check, and one by one, checked,
// otherwise. A step stopped at the question about Eq and answered Yes is counted first.
StepEnd Experiment::StepsToScreenUpdate() {
    ForgetUpperVectorState();
    if (finishStep_) {
        finishStep_ = false;
        const StepEnd end = FinishStep(r_);
        if (end != StepEnd::NextStep) return end;
    }
    if (PlainSteps()) return StepEnd::ScreenUpdate;
    for (;;) {
        const StepEnd end = CheckedStep();
        if (end != StepEnd::NextStep) return end;
    }
}

// The steps up to the next screen update at the speed of the physics: made in a plain copy of the
// record, with the processor's flags looked at once at the end, and only then the copy becomes
// the record. No window, box or clock is called on the way, and a fault can only make an infinity
// or a NaN by raising a flag, so a copy without flags holds exactly the numbers that the checked
// steps would have stored. Whatever needs the checked steps instead - a fault, a counter at the
// end of its range, the question about Eq, a full track store - returns false with the record as
// it was: the checked steps then take the same road from there, stop where their checks say, and
// leave in the record what they computed up to that point.
bool Experiment::PlainSteps() {
    const StepOptions options{form_.isChecked(Check13), form_.isChecked(Check1), runExactContact_};
    stretch_ = Stretch::Equations;
    fp::clearFaults();
    scales_.ReadScales(r_, form_);
    NoteRunSettings(options);

    PlainRecord s = Plain(r_);
    PlainStretches stretches;
    // The contacts are measured in a copy of the meter as well, and the ones that ended count
    // with the steps.
    ImpactMeter meter = meter_;
    std::vector<Impact> ended;
    long made = 0;
    try {
        StepEnd end;
        do {
            end = AdvanceStep(s, options, stretches);
            if (const auto impact = meter.AfterStep(s)) ended.push_back(*impact);
            ++made;
        } while (end == StepEnd::NextStep);
        if (end != StepEnd::ScreenUpdate) return false;
    } catch (const ArithmeticFault&) {
        return false; // a counter at the end of its range
    }
    if (fp::faultRaised()) return false;
    CommitPlain(r_, s);
    meter_ = meter;
    impacts_.insert(impacts_.end(), ended.begin(), ended.end());
    stepsMade_ += made;
    // The trajectory picture that follows belongs to the stretch in which a step ends.
    stretch_ = stretches.current;
    return true;
}

// One integration step, each stretch checked where it ends.
StepEnd Experiment::CheckedStep() {
    const StepOptions options{form_.isChecked(Check13), form_.isChecked(Check1), runExactContact_};
    stretch_ = Stretch::Equations;
    fp::Checked([&] { scales_.ReadScales(r_, form_); });
    NoteRunSettings(options);
    const StepEnd end = AdvanceStep(r_, options, CheckedStretches{stretch_});
    ++stepsMade_;
    if (const auto impact = meter_.AfterStep(r_)) impacts_.push_back(*impact);
    return end;
}

std::optional<Impact> Experiment::unfinishedImpact() const {
    if (!meter_.inContact()) return std::nullopt;
    return meter_.SoFar(r_);
}

// The pictures, the panel and the data record. Whatever the window's handlers raise in the flags
// is not ours: the next step starts afresh.
void Experiment::ScreenUpdateAndRecord() {
    ModelRecord& r = r_;
    const bool option1 = form_.isSelected(OptionButton::Option1);
    const bool option2 = form_.isSelected(OptionButton::Option2);
    fp::Checked([&] { ScreenUpdate(r, track_, surfaces_.picture1, option1, option2); });

    stretch_ = Stretch::Display;
    GraphSelection graphs;
    graphs.VX1 = form_.isChecked(Check3);
    graphs.VY1 = form_.isChecked(Check5);
    graphs.VX2 = form_.isChecked(Check4);
    graphs.VY2 = form_.isChecked(Check6);
    graphs.w1 = form_.isChecked(Check7);
    graphs.w2 = form_.isChecked(Check8);
    PlotTimeGraphPoints(r, surfaces_.picture2.track(), graphs);
    UpdatePanelValues(r);
    if (panelAtEveryUpdate_ || !PanelBalanceShowable(r)) {
        // A balance that cannot be shown ends the run where the refresh reaches it, at every pace.
        ShowLastUpdate();
        RefreshPanel(r, form_, settings_.decimalSeparator, platform_.clock.seconds());
    } else {
        // Only the numbers, kept for when the update is shown.
        static_cast<BasicModelRecord<real>&>(lastUpdate_) = r;
        panelBehind_ = true;
    }
    series_.append(r);
    // What the panel shows now is what a step study's run at h ends at.
    if (study_) study_->steps = stepsMade_;
    r.ContactSinceRow = 0;
    WriteDataRecord(r, form_.isChecked(Check2), settings_.decimalSeparator, settings_.dataFile);
}

void Experiment::ShowLastUpdate() {
    if (!panelBehind_) return;
    panelBehind_ = false;
    // Called between two advances too, when the flags hold the window's arithmetic, not ours.
    fp::clearFaults();
    RefreshPanel(lastUpdate_, form_, settings_.decimalSeparator, platform_.clock.seconds());
}

} // namespace kvor
