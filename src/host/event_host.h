#pragma once

namespace kvor {

// The run loop lets the window handle what the user did since the last screen update. Commands
// that arrive here act on the active run. Returns false when no window of the program is open
// any more, which ends the run.
class EventHost {
public:
    virtual ~EventHost() = default;
    virtual bool processEvents() = 0;
};

} // namespace kvor
