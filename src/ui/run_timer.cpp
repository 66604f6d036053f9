#include "run_timer.h"

namespace kvor::ui {

namespace {

// At "Без задержки" the run advances as fast as the event loop turns, and the panel and the
// pictures are brought up to date no more often than a screen shows them.
constexpr std::chrono::milliseconds kRepaintInterval{16};

} // namespace

RunTimer::RunTimer(MessageHost& boxes, const ModelRecord& record, std::function<void()> showPictures)
    : boxes_(boxes), record_(record), showPictures_(std::move(showPictures)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &RunTimer::advance);
}

void RunTimer::commandDone() {
    if (!experiment_->running()) return;
    if (!active_) {
        active_ = true;
        emit runStarted();
    }
    // A timer already due is left alone: started again, it would wait behind the next command.
    if (!timer_.isActive() || (record_.StopFlag == 1 && timer_.remainingTime() > 0)) timer_.start(0);
}

void RunTimer::end() {
    timer_.stop();
    if (!experiment_->running()) return;
    experiment_->EndRun();
    active_ = false;
    lastEnd_ = {RunEvent::Kind::Stopped};
    emit runEnded();
}

// One screen update of the run, or its end. The question about Eq is asked here, and the run goes
// on from the step at which it was asked, without a turn of the event loop between.
void RunTimer::advance() {
    if (holds_ > 0 || !experiment_->running()) return;
    // An update that is not shown leaves the panel's texts to the next one that is.
    experiment_->setPanelAtEveryUpdate(pacer_.pace() != Pace::Max);
    RunEvent event = experiment_->Advance();
    while (event.kind == RunEvent::Kind::Question) {
        experiment_->AnswerEqQuestion(askYesNo(event.text));
        if (!experiment_->running()) return ended({RunEvent::Kind::Stopped});
        event = experiment_->Advance();
    }
    if (event.kind == RunEvent::Kind::ScreenUpdate)
        afterScreenUpdate();
    else
        ended(event);
}

// The pictures are shown, and the next advance waits for the pace; a stop asked for does not.
void RunTimer::afterScreenUpdate() {
    const Clock::time_point now = Clock::now();
    if (pacer_.pace() != Pace::Max || now - shown_ >= kRepaintInterval) {
        showPictures_();
        shown_ = now;
    }
    const auto delay = pacer_.delayToNextUpdate();
    timer_.start(record_.StopFlag == 1 ? std::chrono::milliseconds(0) : delay);
}

void RunTimer::ended(const RunEvent& event) {
    showPictures_();
    active_ = false;
    lastEnd_ = event;
    if (event.kind == RunEvent::Kind::Ended) info(event.text, event.detail);
    emit runEnded();
}

void RunTimer::info(std::string_view text, std::string_view detail) {
    hold();
    boxes_.info(text, detail);
    release();
}

bool RunTimer::askYesNo(std::string_view text) {
    hold();
    const bool yes = boxes_.askYesNo(text);
    release();
    return yes;
}

MessageHost::SaveAnswer RunTimer::askToSave(std::string_view text) {
    hold();
    const SaveAnswer answer = boxes_.askToSave(text);
    release();
    return answer;
}

void RunTimer::hold() {
    ++holds_;
}

// A run held by a box goes on once the last box is gone.
void RunTimer::release() {
    if (--holds_ == 0 && experiment_ && experiment_->running() && !timer_.isActive()) timer_.start(0);
}

} // namespace kvor::ui
