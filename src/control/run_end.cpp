#include "run_end.h"

#include "core/interface_text.h"
#include "core/number_text.h"

#include <cmath>

namespace kvor {

namespace {

// The bodies have flown apart for good once they have touched since the start, touch no more, lie
// farther apart than any contact could reach, move apart, and, for two balls that attract each
// other on balance, have the kinetic energy of their relative motion to escape.
bool separated(const ModelRecord& r, bool plusFm) {
    if (r.Touched != 1 || r.StepContact == 1) return false;
    const double dx = r.X2 - r.X1, dy = r.Y2 - r.Y1;
    const double dvx = r.VX2 - r.VX1, dvy = r.VY2 - r.VY1;
    const double distance = std::sqrt(dx * dx + dy * dy);
    // The farthest a contact reaches from the ball's centre: the other ball's surface, or the
    // rod's corner at whatever turn of the rod.
    const bool rod = r.BallRod == 1;
    const double halfLength = r.L2 / 2, halfWidth = r.D2 / 2;
    const double reach =
        rod ? std::sqrt(halfLength * halfLength + halfWidth * halfWidth) + r.R10 : static_cast<double>(r.R12);
    if (!(distance > reach)) return false;
    // The distance grows when the relative velocity points away along the line of centres.
    if (!(dx * dvx + dy * dvy > 0)) return false;
    if (rod) return true;
    // The central forces k/r² with k = G m1 m2 - Kq q1 q2 attract when k > 0: the balls escape
    // each other when the kinetic energy of the relative motion, with the reduced mass μ, exceeds
    // the depth k/r of the potential.
    const double k = (plusFm ? r.G * r.m1 * r.m2 : 0.0) - r.Kq * r.q1 * r.q2;
    if (!(k > 0)) return true;
    const double mu = r.m1 * r.m2 / (r.m1 + r.m2);
    return mu * (dvx * dvx + dvy * dvy) / 2 > k / distance;
}

} // namespace

std::string_view RunEndName(RunEnd::Kind kind) {
    switch (kind) {
    case RunEnd::Kind::Time:
        return "time";
    case RunEnd::Kind::Separated:
        return "separated";
    case RunEnd::Kind::Capacity:
        break;
    }
    return "capacity";
}

std::optional<RunEnd> ParseRunEnd(std::string_view kind, std::optional<std::string_view> time) {
    for (const RunEnd::Kind k : {RunEnd::Kind::Capacity, RunEnd::Kind::Time, RunEnd::Kind::Separated}) {
        if (kind != RunEndName(k) || time.has_value() != (k == RunEnd::Kind::Time)) continue;
        if (k != RunEnd::Kind::Time) return RunEnd{k};
        const std::optional<double> seconds = ParseNumber(*time);
        if (!seconds || !(*seconds > 0)) return std::nullopt;
        return RunEnd{k, std::string(*time), *seconds};
    }
    return std::nullopt;
}

std::string RunEndWords(const RunEnd& end) {
    std::string words(RunEndName(end.kind));
    if (end.kind == RunEnd::Kind::Time) words.append(" ").append(end.time);
    return words;
}

std::string_view RunEndReason(RunEnd::Kind kind) {
    if (kind == RunEnd::Kind::Time) return Tr("Kvor3m", "прошло заданное время (%1 с)");
    return Tr("Kvor3m", "тела разлетелись");
}

bool RunEndReached(const RunEnd& end, const ModelRecord& r, bool plusFm) {
    switch (end.kind) {
    case RunEnd::Kind::Time:
        return r.T >= end.seconds;
    case RunEnd::Kind::Separated:
        return separated(r, plusFm);
    case RunEnd::Kind::Capacity:
        break;
    }
    return false;
}

} // namespace kvor
