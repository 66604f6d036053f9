// The window's pictures: what a run draws is in the golden scenarios (png_pictures,
// time_graph_curves), drawn by the same code; here what only the window does.

#include "view/time_graph_view.h"
#include "view/trajectory_view.h"
#include "window_fixture.h"

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

} // namespace
} // namespace kvor::test
