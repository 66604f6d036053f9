// How long the pictures take. A screen update adds its dots to the track layer and draws the
// bodies anew, and the image shown is brought up to date with both; its cost must not grow with
// the number of stored points: compare an update at NT = 10 with one at NT = 2000. And the whole
// ball-ball example as the window loads it, from " Начать эксперимент  " to the message that the
// track store is full (2221 screen updates), with everything the window does on the way.

#include "control/messages.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "view/picture_image.h"
#include "view/trajectory_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace kvor;

// Two balls circling the origin, a little further at every update.
void PlaceBodies(ModelRecord& r, long update) {
    const double angle = update * 0.01;
    r.X1 = 1.5 * std::cos(angle);
    r.Y1 = 1.5 * std::sin(angle);
    r.X2 = -1.2 * std::cos(angle);
    r.Y2 = 1.2 * std::sin(angle);
    r.VX1 = -1.5 * std::sin(angle);
    r.VY1 = 1.5 * std::cos(angle);
    r.VX2 = 1.2 * std::sin(angle);
    r.VY2 = 1.2 * std::cos(angle);
}

// Message boxes answered at once, with the texts kept.
class AnsweredMessages final : public MessageHost {
public:
    void info(std::string_view text, std::string_view = {}) override { shown.emplace_back(text); }
    bool askYesNo(std::string_view text) override {
        shown.emplace_back(text);
        return true;
    }
    SaveAnswer askToSave(std::string_view) override { return SaveAnswer::Discard; }
    std::vector<std::string> shown;
};

// Builds a track of `points` updates on a fresh picture, shown once at the end.
void Prepare(ModelRecord& r, TrackStore& track, RecordedPicture& picture, PictureImage& image, long points) {
    picture.clear();
    PrepareTrajectoryView(picture.base());
    r.NT = 0;
    PlaceBodies(r, 0);
    StoreStartPoint(r, track);
    for (long i = 1; i <= points; ++i) {
        PlaceBodies(r, i);
        ScreenUpdate(r, track, picture, true, false);
    }
    image.update(picture);
}

// Updates from NT = `state.range(0)` on, each one shown, as at every pace but "Без задержки";
// every 200 updates the track is built again untimed, so that NT stays near the chosen length.
void BM_ScreenUpdate(benchmark::State& state) {
    const long start = state.range(0);
    ModelRecord r;
    r.Mx = 0.5, r.Mv = 3, r.D1 = 1, r.D2 = 1;
    TrackStore track;
    RecordedPicture picture;
    PictureImage image(QSize(291, 291), 1.0);
    Prepare(r, track, picture, image, start);
    for (auto _ : state) {
        if (r.NT >= start + 200) {
            state.PauseTiming();
            Prepare(r, track, picture, image, start);
            state.ResumeTiming();
        }
        PlaceBodies(r, r.NT + 1);
        ScreenUpdate(r, track, picture, true, false);
        benchmark::DoNotOptimize(image.update(picture));
    }
    state.counters["NT"] = static_cast<double>(start);
}
BENCHMARK(BM_ScreenUpdate)->Arg(10)->Arg(2000);

// The window as the user has it after start-up, Start pressed, the message box answered by a
// script instead of a person.
void BM_WindowRunToFullTrack(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        AnsweredMessages messages;
        ui::MainWindow window(&messages);
        window.experiment().setDataFile("kvor-bench.dat");
        window.setPace(ui::Pace::Max);
        window.show();
        QCoreApplication::processEvents();
        auto* start = window.findChild<QAbstractButton*>(QStringLiteral("Command1"));
        QEventLoop run;
        QObject::connect(&window, &ui::MainWindow::runEnded, &run, &QEventLoop::quit);
        state.ResumeTiming();

        start->click();
        run.exec();

        state.PauseTiming();
        if (messages.shown.size() != 1 || messages.shown[0] != messages::kTrackFull ||
            window.record().NT != 2221)
            state.SkipWithError("the run did not end with the full track store");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WindowRunToFullTrack)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true); // the window reads its settings: not the user's
    QApplication app(argc, argv);
    kvor::ui::ConfigureApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
