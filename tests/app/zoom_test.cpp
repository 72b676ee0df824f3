// Zoom: the arithmetic, and the real window's click-to-zoom cycle, pop-up
// commands, status texts and image placement.
#include "player/zoom.h"

#include <QAction>
#include <QScrollArea>

#include <gtest/gtest.h>

#include <climits>

#include "app/window_test_support.h"

namespace vn::app {
namespace {

TEST(Zoom, StatusTextsForVariableFractionalAndWholeZooms) {
    EXPECT_EQ(player::ZoomStatusText(0), "Zoom = Variable");
    EXPECT_EQ(player::ZoomStatusText(50), "Zoom = 0.50");
    EXPECT_EQ(player::ZoomStatusText(75), "Zoom = 0.75");
    EXPECT_EQ(player::ZoomStatusText(100), "Zoom = 1");
    EXPECT_EQ(player::ZoomStatusText(200), "Zoom = 2");
    EXPECT_EQ(player::ZoomStatusText(250), "Zoom = 2");
}

TEST(Zoom, ImageSizeFollowsThePictureOr640By480WithoutOne) {
    EXPECT_EQ(player::ZoomedImageSize(50, {1280, 720}), (Size{640, 360}));
    EXPECT_EQ(player::ZoomedImageSize(75, {321, 241}), (Size{240, 180}));
    EXPECT_EQ(player::ZoomedImageSize(200, {0, 0}), (Size{640, 480}));
    // A zoom from a damaged settings file stays within a window's reach.
    EXPECT_EQ(player::ZoomedImageSize(2000000000, {1280, 720}).width, (1 << 24) - 1);
}

TEST(Zoom, ImageIsCentredWhereSmallerAndAtTheEdgeWhereLarger) {
    EXPECT_EQ(player::PlaceImage(50, {800, 600}, {640, 360}), (Rect{80, 120, 640, 360}));
    EXPECT_EQ(player::PlaceImage(200, {800, 600}, {1280, 480}), (Rect{0, 60, 1280, 480}));
    EXPECT_EQ(player::PlaceImage(0, {800, 600}, {100, 100}), (Rect{0, 0, 800, 600}));
}

TEST(Zoom, ClickCyclesTheThreeCommandZoomsOnly) {
    EXPECT_EQ(player::ClickZoom(50), 100);
    EXPECT_EQ(player::ClickZoom(100), 200);
    EXPECT_EQ(player::ClickZoom(200), 50);
    EXPECT_EQ(player::ClickZoom(75), 75);
    EXPECT_EQ(player::ClickZoom(0), 0);
    EXPECT_EQ(player::InitialZoom(1279), 100);
    EXPECT_EQ(player::InitialZoom(1280), 50);
}

TEST(Zoom, WindowBeyondTheScreenIsMovedOntoIt) {
    EXPECT_EQ(player::KeepOnScreen({900, 700, 1141, 787}, {1024, 768}), (Rect{4, 4, 1016, 732}));
    EXPECT_EQ(player::KeepOnScreen({10, 20, 500, 400}, {1024, 768}), (Rect{10, 20, 500, 400}));
    EXPECT_EQ(player::KeepOnScreen({10, 500, 500, 400}, {1024, 768}), (Rect{10, 4, 500, 732}));
    // A settings file's place and size summing past the largest int.
    EXPECT_EQ(player::KeepOnScreen({INT_MAX, INT_MAX, 966666, 20}, {1024, 768}), (Rect{4, 4, 1016, 732}));
}

using test::Control;

class WindowZoomTest : public test::MainWindowTest {
protected:
    TfrmVNMain& WindowShowing(const vn::Picture& picture) {
        TfrmVNMain& window = ShownWindow();
        window.SetPictureSize(picture.width(), picture.height());
        window.PresentPicture(picture);
        window.ApplyZoom();
        return window;
    }

    static QString ZoomPanel(TfrmVNMain& window) { return Control<ui::StatusBar>(&window, "StatusBar1")->PanelText(4); }
    static QWidget* Image(TfrmVNMain& window) { return Control(&window, "Image1"); }

    // Once the scroll box has settled its scroll bars.
    static QRect ScrollBoxInside(TfrmVNMain& window) {
        QTest::qWait(0);
        return QRect(QPoint(0, 0), Control<QScrollArea>(&window, "ScrollBox1")->viewport()->size());
    }
};

TEST_F(WindowZoomTest, LeftClicksCycle50To100To200AndBack) {
    WriteSettingsFile("[settings]\nnZoom=50\n");
    const vn::Picture picture = test::PatternPicture(160, 120);
    TfrmVNMain& window = WindowShowing(picture);
    EXPECT_EQ(ZoomPanel(window), "Zoom = 0.50");
    EXPECT_EQ(Image(window)->size(), QSize(80, 60));

    QTest::mouseClick(Image(window), Qt::LeftButton);
    EXPECT_EQ(window.nZoom(), 100);
    EXPECT_EQ(ZoomPanel(window), "Zoom = 1");
    EXPECT_EQ(Image(window)->size(), QSize(160, 120));
    QTest::mouseClick(Image(window), Qt::LeftButton);
    EXPECT_EQ(window.nZoom(), 200);
    EXPECT_EQ(ZoomPanel(window), "Zoom = 2");
    EXPECT_EQ(Image(window)->size(), QSize(320, 240));
    QTest::mouseClick(Image(window), Qt::LeftButton);
    EXPECT_EQ(window.nZoom(), 50);

    QTest::mouseClick(Image(window), Qt::RightButton);
    EXPECT_EQ(window.nZoom(), 50);
}

TEST_F(WindowZoomTest, AZoomOf75FromTheSettingsStaysOnClicks) {
    WriteSettingsFile("[settings]\nnZoom=75\n");
    const vn::Picture picture = test::PatternPicture(200, 100);
    TfrmVNMain& window = WindowShowing(picture);
    EXPECT_EQ(ZoomPanel(window), "Zoom = 0.75");
    QTest::mouseClick(Image(window), Qt::LeftButton);
    EXPECT_EQ(window.nZoom(), 75);
    EXPECT_EQ(Image(window)->size(), QSize(150, 75));
}

TEST_F(WindowZoomTest, PopUpCommandsSetTheirZooms) {
    const vn::Picture picture = test::PatternPicture(120, 90);
    TfrmVNMain& window = WindowShowing(picture);
    Control<QAction>(&window, "N2xzoom1")->trigger();
    EXPECT_EQ(Image(window)->size(), QSize(240, 180));
    Control<QAction>(&window, "Zoom1X1")->trigger();
    EXPECT_EQ(Image(window)->size(), QSize(120, 90));
    Control<QAction>(&window, "Varzoom1")->trigger();
    EXPECT_EQ(ZoomPanel(window), "Zoom = Variable");
    const QRect inside = ScrollBoxInside(window);
    EXPECT_EQ(Image(window)->geometry(), inside);
    // The variable image keeps filling the box as the window grows.
    window.resize(window.width() + 40, window.height() + 30);
    const QRect wider = ScrollBoxInside(window);
    EXPECT_EQ(wider.size(), inside.size() + QSize(40, 30));
    EXPECT_EQ(Image(window)->geometry(), wider);
}

TEST_F(WindowZoomTest, HalfZoomOfA720pPictureIsCentredInTheScrollBox) {
    const vn::Picture picture = test::PatternPicture(1280, 720);
    TfrmVNMain& window = ShownWindow();
    window.resize(1141, 787);
    window.SetPictureSize(1280, 720);
    window.ApplyInitialZoom();
    window.PresentPicture(picture);
    EXPECT_EQ(window.nZoom(), 50);
    const QRect inside = ScrollBoxInside(window);
    ASSERT_GT(inside.width(), 640);
    ASSERT_GT(inside.height(), 360);
    EXPECT_EQ(Image(window)->geometry(), QRect((inside.width() - 640) / 2, (inside.height() - 360) / 2, 640, 360));

    // Only the first recording sets the zoom from its width.
    Control<QAction>(&window, "Zoom1X1")->trigger();
    window.ApplyInitialZoom();
    EXPECT_EQ(window.nZoom(), 100);
}

}  // namespace
}  // namespace vn::app
