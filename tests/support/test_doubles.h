#pragma once

// Plain stand-ins for the window's services, so that the engine runs in a test exactly as it runs
// in the window: message boxes answered from a script, event processing that runs a callback,
// a clock that shows what it is told, and a canvas that keeps a log of what was drawn on it.

#include "control/host.h"
#include "output/clock.h"
#include "view/canvas.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace kvor::test {

// Message boxes that are never shown: every text is kept, with its detail; questions are answered
// from a queue (Yes when it is empty).
class ScriptedMessages final : public MessageHost {
public:
    void info(std::string_view text, std::string_view detail = {}) override {
        shown.emplace_back(text);
        details.emplace_back(detail);
    }
    bool askYesNo(std::string_view text) override {
        shown.emplace_back(text);
        ++questions;
        if (answers.empty()) return true;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }

    std::vector<std::string> shown;
    std::vector<std::string> details; // of the texts shown by info()
    std::deque<bool> answers;
    int questions = 0;
};

// Event processing at each screen update: counts the calls and runs `onEvents` (which may press
// buttons); returns `windowOpen`.
class ScriptedEvents final : public EventHost {
public:
    bool processEvents() override {
        ++calls;
        if (onEvents) onEvents(calls);
        return windowOpen;
    }

    std::function<void(int call)> onEvents;
    bool windowOpen = true;
    int calls = 0;
};

class FixedClock final : public Clock {
public:
    double seconds() const override { return now; }
    double now = 1000;
};

// One drawing operation as it reached the canvas.
struct CanvasOp {
    enum class Kind { Clear, Scale, Line, Circle, Point, Print, PlotTrack };
    Kind kind;
    float a = 0, b = 0, c = 0, d = 0; // line: x1 y1 x2 y2; circle: x y radius; point, print: x y
    Rgb colour{};
    std::string text{}; // print
    long count = 0;     // plotTrack: NT
};

// A canvas that draws nothing and remembers everything.
class LoggingCanvas final : public Canvas {
public:
    void clear() override { ops.push_back({CanvasOp::Kind::Clear}); }
    void setScale(float l, float t, float r, float b) override {
        ops.push_back({CanvasOp::Kind::Scale, l, t, r, b});
    }
    void line(float x1, float y1, float x2, float y2, Rgb c) override {
        ops.push_back({CanvasOp::Kind::Line, x1, y1, x2, y2, c});
    }
    void circle(float x, float y, float r, Rgb c) override {
        ops.push_back({CanvasOp::Kind::Circle, x, y, r, 0, c});
    }
    void point(float x, float y, Rgb c) override { ops.push_back({CanvasOp::Kind::Point, x, y, 0, 0, c}); }
    void print(float x, float y, std::string_view text) override {
        ops.push_back({CanvasOp::Kind::Print, x, y, 0, 0, {}, std::string(text)});
    }
    void plotTrack(const TrackStore&, long nt) override {
        CanvasOp op{CanvasOp::Kind::PlotTrack};
        op.count = nt;
        ops.push_back(op);
    }

    std::vector<std::string> printed() const {
        std::vector<std::string> texts;
        for (const auto& op : ops)
            if (op.kind == CanvasOp::Kind::Print) texts.push_back(op.text);
        return texts;
    }

    std::vector<CanvasOp> ops;
};

} // namespace kvor::test
