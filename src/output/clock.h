#pragma once

namespace kvor {

// A wall-clock timer in seconds with a fraction, running through pauses.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double seconds() const = 0;
};

} // namespace kvor
