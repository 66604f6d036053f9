#pragma once

#include <chrono>

namespace kvor {

// A wall-clock timer in seconds with a fraction, running through pauses.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double seconds() const = 0;
};

// The clock of the window and the batch runner: a steady clock, which never jumps back when the
// system's time is set.
class SteadyClock final : public Clock {
public:
    double seconds() const override {
        using Seconds = std::chrono::duration<double>;
        return Seconds(std::chrono::steady_clock::now().time_since_epoch()).count();
    }
};

} // namespace kvor
