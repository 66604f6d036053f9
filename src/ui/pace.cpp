#include "pace.h"

#include "core/interface_text.h"

#include <array>

namespace kvor::ui {

namespace {

struct PaceRow {
    Pace pace;
    const char* name;
    std::string_view caption;
    int updatesPerSecond; // 0: no waiting
};
constexpr std::array<PaceRow, 4> kPaceRows{{
    {Pace::Slow, "slow", Tr("Kvor3m", "Медленно"), 30},
    {Pace::Normal, "normal", Tr("Kvor3m", "Обычно"), 120},
    {Pace::Fast, "fast", Tr("Kvor3m", "Быстро"), 600},
    {Pace::Max, "max", Tr("Kvor3m", "Без задержки"), 0},
}};

const PaceRow& rowOf(Pace pace) {
    return kPaceRows[static_cast<std::size_t>(pace)];
}

} // namespace

QString PaceName(Pace pace) {
    return QString::fromLatin1(rowOf(pace).name);
}

std::optional<Pace> PaceByName(const QString& name) {
    for (const PaceRow& row : kPaceRows)
        if (name == QLatin1String(row.name)) return row.pace;
    return std::nullopt;
}

std::string_view PaceCaption(Pace pace) {
    return rowOf(pace).caption;
}

// The updates are due at a steady cadence: each one interval after the one before, so that the
// rounding of the timer to milliseconds does not add up over a run. An update that comes late
// starts the cadence afresh instead of being followed by a burst of updates without waiting.
std::chrono::milliseconds FramePacer::delayToNextUpdate() {
    const int rate = rowOf(pace_).updatesPerSecond;
    if (rate == 0) return {};
    const auto interval = std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(1)) / rate;
    const Clock::time_point now = Clock::now();
    due_ = std::max(due_ + interval, now);
    return std::chrono::ceil<std::chrono::milliseconds>(due_ - now);
}

} // namespace kvor::ui
