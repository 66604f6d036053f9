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

// At 200 % the trajectory picture is the 100 % one drawn at twice the resolution: every pixel drawn
// on it is found again, within one of its pixels, in the zoomed one. The controls' places, the
// About window and the energy graph follow; back at 100 % the picture is as it was.
TEST_F(WindowPictures, At200PercentEverythingIsDrawnAgainAtTwiceTheSize) {
    click("Command7"); // the bodies at their start, over the grid
    const QImage at100 = picture1().image();
    const QRect text1 = control("Text1")->geometry();
    const int font = control("Text1")->font().pixelSize();
    click("Command6");
    const QSize about = window.aboutWindow()->size(), energy = window.energyGraph().image().size();
    window.zoom().setPercent(200);
    const QImage at200 = picture1().image();
    ASSERT_EQ(at200.size(), at100.size() * 2);
    const auto foundNear = [&](int x, int y) {
        for (int dy = -1; dy <= 2; ++dy)
            for (int dx = -1; dx <= 2; ++dx)
                if (at200.rect().contains(2 * x + dx, 2 * y + dy) &&
                    at200.pixel(2 * x + dx, 2 * y + dy) == at100.pixel(x, y))
                    return true;
        return false;
    };
    for (int y = 0; y < at100.height(); ++y)
        for (int x = 0; x < at100.width(); ++x)
            if (at100.pixel(x, y) != qRgb(255, 255, 255)) {
                ASSERT_TRUE(foundNear(x, y)) << x << "," << y;
            }
    QCoreApplication::processEvents();
    EXPECT_EQ(control("Text1")->geometry(), QRect(text1.topLeft() * 2, text1.size() * 2));
    EXPECT_EQ(control("Text1")->font().pixelSize(), font * 2);
    EXPECT_EQ(window.centralWidget()->size(), QSize(789, 557) * 2);
    EXPECT_EQ(window.aboutWindow()->size(), about * 2);
    EXPECT_EQ(window.energyGraph().image().size(), energy * 2);
    window.zoom().setPercent(100);
    EXPECT_EQ(picture1().image(), at100);
}

// Off, the axes in units leave the pictures as specified. On, a scale changed after a run moves its
// points to the new scale: the time graph is then the one of a run made at that scale, numbers and
// legend included.
TEST_F(WindowPictures, AxesInUnitsMoveThePointsToANewScale) {
    const QImage plain = picture2().image().copy();
    window.setUnitAxes(true);
    EXPECT_NE(picture2().image(), plain);
    window.setUnitAxes(false);
    EXPECT_EQ(picture2().image(), plain);

    ui::MainWindow atOnce(&messages);
    atOnce.experiment().setDataFile(dataFile());
    atOnce.setPace(ui::Pace::Max);
    auto* mt = atOnce.findChild<QLineEdit*>("Text51");
    mt->setText("0,04");
    QTest::keyClick(mt, Qt::Key_Return);
    for (ui::MainWindow* w : {&window, &atOnce}) {
        w->setRunEnd(*ParseRunEnd("time", "0.2"));
        w->setUnitAxes(true);
        ClickAndRun(*w, "Command1");
    }
    type("Text51", "0.04");
    window.showPictureChanges();
    EXPECT_EQ(picture2().image(), atOnce.picture2().canvas().image());
    window.setRunEnd({});
}

} // namespace
} // namespace kvor::test
