// The canvas's quick re-plot of the track (a map of it and of the pixels drawn over since) against
// setting every dot again: a run on both canvases at once, compared at every screen update.

#include "batch/batch_form.h"
#include "control/experiment.h"
#include "test_doubles.h"
#include "view/image_canvas.h"
#include "view/track_store.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace kvor::test {
namespace {

// The canvas as it would be without the quick re-plot: every dot of the track set again.
class EveryDotCanvas final : public ImageCanvas {
public:
    using ImageCanvas::ImageCanvas;
    void dots(std::span<const Dot> run) override { Canvas::dots(run); }
};

// Hands every drawing to both canvases.
class BothCanvases final : public Canvas {
public:
    BothCanvases(Canvas& a, Canvas& b) : a_(a), b_(b) {}
    void clear() override { a_.clear(), b_.clear(); }
    void setScale(float l, float t, float r, float b) override {
        a_.setScale(l, t, r, b), b_.setScale(l, t, r, b);
    }
    void line(float x1, float y1, float x2, float y2, Rgb c) override {
        a_.line(x1, y1, x2, y2, c), b_.line(x1, y1, x2, y2, c);
    }
    void circle(float x, float y, float r, Rgb c) override { a_.circle(x, y, r, c), b_.circle(x, y, r, c); }
    void point(float x, float y, Rgb c) override { a_.point(x, y, c), b_.point(x, y, c); }
    void print(float x, float y, std::string_view text) override {
        a_.print(x, y, text), b_.print(x, y, text);
    }
    void dots(std::span<const Dot> run) override { a_.dots(run), b_.dots(run); }

private:
    Canvas &a_, &b_;
};

// An experiment drawn on both canvases; `actions` are pressed after the screen updates they name.
struct ReplotRig {
    ReplotRig() { experiment.Form_Load(); }

    // Starts the run and advances it to its end, comparing the canvases at every screen update.
    void run() {
        experiment.Command1_Click();
        while (experiment.running()) {
            if (experiment.Advance().kind != RunEvent::Kind::ScreenUpdate) continue;
            differing += !(quick.image() == everyDot.image());
            if (const auto action = actions.find(++updates); action != actions.end()) action->second();
        }
    }

    ModelRecord record;
    TrackStore track;
    BatchForm form;
    ImageCanvas quick{QSize(291, 291), 1.0};
    EveryDotCanvas everyDot{QSize(291, 291), 1.0};
    BothCanvases both{quick, everyDot};
    ImageCanvas picture2{QSize(407, 239), 1.0};
    ScriptedMessages messages;
    FixedClock clock;
    Experiment experiment{record, track, form, {both, picture2}, {messages, clock}, {'.', "/dev/null"}};
    std::map<int, std::function<void()>> actions;
    int updates = 0;
    int differing = 0;
};

// Everything that can happen to the picture between two updates: a clear, the bodies shown, a
// change of scale (the map of the track is laid out anew), a reversal and a new start one update
// later: each begins a new track in the same store, the second as long as the one before it.
TEST(TrackReplot, ClearsScalesReversalsAndRestartsOfTheBallRodExample) {
    ReplotRig rig;
    rig.form.select(OptionButton::Option2);
    rig.experiment.Option2_Click();
    rig.form.setText(Text55, "20");
    rig.actions = {
        {40, [&] { rig.experiment.Command5_Click(); }},  {60, [&] { rig.experiment.Command7_Click(); }},
        {80, [&] { rig.form.setText(Text29, "0.15"); }}, {120, [&] { rig.experiment.Command11_Click(); }},
        {121, [&] { rig.experiment.Command1_Click(); }}, {200, [&] { rig.experiment.Command2_Click(); }}};
    rig.run();
    EXPECT_GE(rig.updates, 200);
    EXPECT_EQ(rig.differing, 0);
    EXPECT_TRUE(rig.quick.image() == rig.everyDot.image());
}

} // namespace
} // namespace kvor::test
