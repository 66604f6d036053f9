#pragma once

#include "core/model_record.h"

#include <optional>
#include <string>
#include <string_view>

namespace kvor {

// How the run of a Start or a Reverse ends ("Расчёт" → "Конец опыта"). Every run ends when the
// track store is full, with its message; the two other ends stop it earlier, without a message,
// at a screen update: once the model time reaches a time typed, or once the bodies have met and
// flown apart for good.
struct RunEnd {
    enum class Kind { Capacity, Time, Separated };
    Kind kind = Kind::Capacity;
    std::string time = {}; // Kind::Time: the seconds as typed, kept so that a saved file says them so
    double seconds = 0;    // and what they read as

    bool operator==(const RunEnd&) const = default;
};

// The words of an end, as a script and the settings say it: "capacity", "time", "separated".
std::string_view RunEndName(RunEnd::Kind kind);

// The end named `kind` ("time" taking `time`, the others nothing), or nothing: a time is a number
// of seconds above 0, written with either decimal separator.
std::optional<RunEnd> ParseRunEnd(std::string_view kind, std::optional<std::string_view> time);

// The words after "end" in a script: "capacity", "time 0.5", "separated".
std::string RunEndWords(const RunEnd& end);

// Why a run stopped at an end of its own, for the status bar: "тела разлетелись", or "прошло
// заданное время (%1 с)", %1 standing for the time as it was given ("0,5").
std::string_view RunEndReason(RunEnd::Kind kind);

// Whether the run has come to `end` at this screen update. The capacity is never reached here:
// the steps see it themselves. `plusFm` says whether gravity acts between the balls ("+Fm").
bool RunEndReached(const RunEnd& end, const ModelRecord& r, bool plusFm);

} // namespace kvor
