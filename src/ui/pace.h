#pragma once

#include <QString>

#include <chrono>
#include <optional>
#include <string_view>

namespace kvor::ui {

// How fast a run is shown: at most so many screen updates per second, or as fast as the
// computer goes. A run computes the same numbers at every pace; only the waiting between its
// screen updates differs.
enum class Pace { Slow, Normal, Fast, Max };

// Every pace, from the slowest.
constexpr Pace kPaces[] = {Pace::Slow, Pace::Normal, Pace::Fast, Pace::Max};

// The names of the command line and the settings: slow, normal, fast, max.
QString PaceName(Pace pace);
std::optional<Pace> PaceByName(const QString& name);
// The caption of the menu "Вид" → "Темп показа", marked with Tr.
std::string_view PaceCaption(Pace pace);

// Keeps the screen updates of a run apart by the interval of the pace: after every screen update
// it tells how long the window waits before it advances the run again, 0 at "Без задержки".
class FramePacer {
public:
    void setPace(Pace pace) { pace_ = pace; }
    Pace pace() const { return pace_; }

    std::chrono::milliseconds delayToNextUpdate();

private:
    using Clock = std::chrono::steady_clock;
    Pace pace_ = Pace::Normal;
    Clock::time_point due_{};
};

} // namespace kvor::ui
