#pragma once

#include <QString>

#include <chrono>
#include <optional>

class QEventLoop;

namespace kvor::ui {

// How fast a run is shown: at most so many screen updates per second, or as fast as the
// computer goes. A run computes the same numbers at every pace; only the waiting between its
// screen updates differs.
enum class Pace { Slow, Normal, Fast, Max };

// The names of the command line and the settings: slow, normal, fast, max.
QString PaceName(Pace pace);
std::optional<Pace> PaceByName(const QString& name);

// Keeps the screen updates of a run apart by the interval of the pace. The run loop calls it after
// every screen update; the window goes on handling events while it waits, without using the
// processor, and the wait ends at once when interrupted (the window closed, Stop pressed).
class FramePacer {
public:
    void setPace(Pace pace) { pace_ = pace; }
    Pace pace() const { return pace_; }

    void waitForNextUpdate();
    void interrupt();

private:
    using Clock = std::chrono::steady_clock;
    Pace pace_ = Pace::Normal;
    Clock::time_point due_{};
    QEventLoop* waiting_ = nullptr;
};

} // namespace kvor::ui
