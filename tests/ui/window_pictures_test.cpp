// The window's pictures: what a run draws is in the golden scenarios (png_pictures,
// png_new_start, time_graph_curves), drawn by the same code; here what only the window does.

#include "batch/batch_runner.h"
#include "view/time_graph_view.h"
#include "view/trajectory_view.h"
#include "window_fixture.h"

#include <sstream>

namespace kvor::test {
namespace {

using WindowPictures = WindowTest;

TEST_F(WindowPictures, ClearPicturesLeavesThemAsAtStartUp) {
    clickWhenTrackHas(299, "Command2");
    clickAndRun("Command1");
    click("Command5");
    ImageCanvas fresh1(QSize(291, 291), picture1().image().devicePixelRatio());
    PrepareTrajectoryView(fresh1);
    ImageCanvas fresh2(QSize(407, 239), picture2().image().devicePixelRatio());
    PrepareTimeGraphView(fresh2);
    EXPECT_TRUE(picture1().image() == fresh1.image());
    EXPECT_TRUE(picture2().image() == fresh2.image());
}

// Cleared during a run, the trajectory picture has its stored track plotted again whole at the
// next update: it ends as the picture of the same run without the clear, as the script draws it.
TEST_F(WindowPictures, ClearedDuringARunTheTrackIsPlottedAgainWhole) {
    clickWhenTrackHas(100, "Command5");
    clickWhenTrackHas(150, "Command2");
    clickAndRun("Command1");
    std::ostringstream out;
    BatchRunner runner(out, {'.', dataFile()}, MakePictureFiles());
    const std::string file = (dir_.path() + "/uncleared.png").toStdString();
    runner.run({"start", "run 149", "stop", "run 1", "png picture1 " + file});
    ASSERT_EQ(runner.record().NT, window.record().NT);
    EXPECT_EQ(QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB32), picture1().image());
}

} // namespace
} // namespace kvor::test
