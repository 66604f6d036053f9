#pragma once

#include "control/experiment.h"
#include "core/model_record.h"
#include "host/message_host.h"
#include "pace.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

namespace kvor::ui {

// Advances the experiment's run from the window's event loop, as a timer whose interval is the
// pace: each timeout makes the steps up to the next screen update and returns to the event loop,
// where the user's clicks and edits are handled before the next one. Nothing inside a step ever
// processes events.
//
// The window's message boxes are shown through it: while one is up, the run is held, so that the
// timer never advances the run under a modal box, nor under a command that is showing one.
class RunTimer final : public QObject, public MessageHost {
    Q_OBJECT

public:
    // `boxes` shows the message boxes; `showPictures` brings the panel and the pictures up to date
    // with the last screen update and repaints them.
    RunTimer(MessageHost& boxes, const ModelRecord& record, std::function<void()> showPictures);

    // The experiment whose runs are advanced; set once, before the first command.
    void drive(Experiment& experiment) { experiment_ = &experiment; }

    void setPace(Pace pace) { pacer_.setPace(pace); }
    Pace pace() const { return pacer_.pace(); }

    // After every command of the window: a run that the command began is advanced from the next
    // turn of the event loop; a stop asked for (Stop, NC0 steps) cuts the wait of a slow pace
    // short, so that the run stops at once.
    void commandDone();
    // The window goes: an active run ends without another step or a message.
    void end();

    // MessageHost
    void info(std::string_view text, std::string_view detail = {}) override;
    bool askYesNo(std::string_view text) override;
    SaveAnswer askToSave(std::string_view text) override;

    // A window of the program's own that is up over the main window, as the step study's are,
    // holds the run as a message box does, from hold until the matching release.
    void hold();
    void release();

    // How the last run ended: Stopped, or Ended with its message.
    const RunEvent& lastEnd() const { return lastEnd_; }

signals:
    // A command began a run.
    void runStarted();
    // A run ended: at a stop, with a message, at a No to the question about Eq, or with the window.
    void runEnded();

private:
    using Clock = std::chrono::steady_clock;

    void advance();
    void afterScreenUpdate();
    void ended(const RunEvent& event);

    MessageHost& boxes_;
    const ModelRecord& record_;
    std::function<void()> showPictures_;
    Experiment* experiment_ = nullptr;
    FramePacer pacer_;
    QTimer timer_;
    Clock::time_point shown_{};
    RunEvent lastEnd_{RunEvent::Kind::Stopped};
    bool active_ = false; // a run is under way for the window
    int holds_ = 0;
};

} // namespace kvor::ui
