// The main window's layout: the rules on rectangles, and the real window
// following them when it is resized.
#include <QScrollArea>

#include <gtest/gtest.h>

#include "app/engine_test_support.h"
#include "player/main_layout.h"

namespace vn::app {
namespace {

// The groups at their designed sizes, as the window is built.
player::MainWindowLayout DesignedLayout() {
    player::MainWindowLayout l;
    l.pnlPlayCtrl = {0, 0, 285, 36};
    l.gbSeek = {0, 0, 100, 56};
    l.pnlWhere = {4, 18, 92, 32};
    l.gbPlayRate = {0, 0, 52, 100};
    l.lblRate = {0, 0, 52, 20};
    l.gbStats = {0, 0, 150, 180};
    l.gbMotion = {0, 0, 150, 180};
    l.gbPlayList = {0, 0, 304, 100};
    l.gbMovieInfo = {0, 0, 304, 349};
    l.lbPlayList = {8, 18, 288, 10};
    l.lblFilePath = {8, 0, 288, 16};
    l.pnlPLControls = {8, 0, 288, 30};
    l.StatusBar1Height = 20;
    return l;
}

TEST(MainLayout, FullLayoutPutsThePictureLeftAndTheGroupsInColumnsBesideIt) {
    player::MainWindowLayout l = DesignedLayout();
    player::LayoutMainWindow(l, {1141, 765}, 1);

    EXPECT_EQ(l.ScrollBox1, (Rect{4, 4, 1141 - 52 - 150 - 150 - 16, 765 - 36 - 56 - 20 - 16}));
    EXPECT_EQ(l.pnlPlayCtrl, (Rect{773 / 2 - 285 / 2 + 4, l.ScrollBox1.bottom() + 4, 285, 36}));
    EXPECT_EQ(l.gbSeek, (Rect{0, l.pnlPlayCtrl.bottom() + 4, 773, 56}));
    EXPECT_EQ(l.pnlWhere.width, 765);
    EXPECT_EQ(l.gbPlayRate, (Rect{777, 4, 52, l.ScrollBox1.height}));
    EXPECT_EQ(l.lblRate, (Rect{777, l.pnlPlayCtrl.top, 52, 20}));
    EXPECT_EQ(l.gbStats, (Rect{833, 4, 150, 180}));
    EXPECT_EQ(l.gbMotion, (Rect{987, 4, 150, 180}));
    EXPECT_EQ(l.gbPlayList, (Rect{833, 188, 304, 200}));
    EXPECT_EQ(l.gbMovieInfo, (Rect{833, 388, 304, 349}));
    EXPECT_EQ(l.lbPlayList, (Rect{8, 18, 288, 200 - 18 - 30 - 16 - 12}));
    EXPECT_EQ(l.lblFilePath.top, l.lbPlayList.bottom() + 4);
    EXPECT_EQ(l.pnlPLControls.top, l.lblFilePath.bottom() + 4);
}

TEST(MainLayout, PlayListIsAtMost200HighAndShrinksInALowWindowDownToThreeEntries) {
    for (const auto& [height, playList] :
         {std::pair{1200, 200}, {765, 200}, {740, 740 - 20 - 4 - 349 - 188}, {500, 124}}) {
        player::MainWindowLayout l = DesignedLayout();
        player::LayoutMainWindow(l, {900, height}, 0);
        EXPECT_EQ(l.gbPlayList.height, playList) << height;
        EXPECT_EQ(l.gbMovieInfo.top, l.gbPlayList.bottom()) << height;
        EXPECT_EQ(l.lbPlayList.height, playList - 76) << height;
    }
}

TEST(MainLayout, CompactLayoutsWidenThePictureAndLeaveTheGroupsAlone) {
    const player::MainWindowLayout designed = DesignedLayout();
    player::MainWindowLayout stream = designed;
    player::LayoutMainWindow(stream, {1000, 700}, 2);
    EXPECT_EQ(stream.ScrollBox1.width, 1000 - (304 + 16));
    EXPECT_EQ(stream.ScrollBox1.height, 700 - 36 - 56 - 20 - 16);
    EXPECT_EQ(stream.gbSeek.top, stream.pnlPlayCtrl.bottom() + 4);
    EXPECT_EQ(stream.gbSeek.width, designed.gbSeek.width);
    EXPECT_EQ(stream.gbPlayList, designed.gbPlayList);

    player::MainWindowLayout raw = designed;
    player::LayoutMainWindow(raw, {1000, 700}, 3);
    EXPECT_EQ(raw.ScrollBox1.width, 1000 - 16);
    EXPECT_EQ(raw.pnlPlayCtrl.left, (1000 - 16) / 2 - 285 / 2 + 4);
}

TEST(MainLayout, AtTheMinimumSizeThePlayControlsAndTheColumnsFitWithoutOverlap) {
    player::MainWindowLayout l = DesignedLayout();
    const Size minimum = player::MinimumClientSize(l);
    EXPECT_EQ(minimum, (Size{285 + 8 + 52 + 150 + 150 + 16, 4 + 180 + 4 + 124 + 349 + 4 + 20}));
    player::LayoutMainWindow(l, minimum, 1);
    EXPECT_GT(l.pnlPlayCtrl.left, l.ScrollBox1.left);
    EXPECT_LT(l.pnlPlayCtrl.right(), l.gbPlayRate.left);
    EXPECT_EQ(l.gbMotion.right(), minimum.width - 4);
    EXPECT_EQ(l.gbMovieInfo.bottom(), minimum.height - 20 - 4);

    // A wider speed column asks for a wider window.
    player::MainWindowLayout wide = DesignedLayout();
    wide.gbPlayRate.width = 80;
    EXPECT_EQ(player::MinimumClientSize(wide).width, minimum.width + 28);
}

using MainWindowLayoutTest = test::MainWindowTest;
using test::Control;

TEST_F(MainWindowLayoutTest, ResizingTheWindowLaysItOutAgain) {
    TfrmVNMain& window = ShownWindow();
    for (const QSize size : {QSize(560, 520), QSize(800, 600), QSize(1141, 787), QSize(1500, 1100)}) {
        window.resize(size);
        QTest::qWait(0);
        const QRect box = Control(&window, "ScrollBox1")->geometry();
        const int statusBarHeight = Control(&window, "StatusBar1")->height();
        const int clientHeight = window.centralWidget()->height() + statusBarHeight;
        EXPECT_EQ(box.topLeft(), QPoint(4, 4));
        EXPECT_EQ(box.width(), window.width() - 52 - 150 - 150 - 16) << size.width();
        EXPECT_EQ(box.height(), clientHeight - 36 - 56 - statusBarHeight - 16);
        const QRect playList = Control(&window, "gbPlayList")->geometry();
        EXPECT_EQ(playList.height(), std::clamp(clientHeight - statusBarHeight - 4 - 349 - 188, 124, 200));
        EXPECT_EQ(Control(&window, "gbMovieInfo")->y(), playList.bottom() + 1);
        EXPECT_EQ(Control(&window, "gbSeek")->width(), box.width());
        EXPECT_EQ(Control(&window, "pnlWhere")->width(), box.width() - 8);
    }
}

// No two of the window's groups and panels overlap and none reaches out of
// the window, at any size a user can give it.
class MinimumSizeTest : public test::EngineTest {
protected:
    void ExpectNothingOverlaps(const TfrmVNMain& window, const QString& language) {
        const QWidget* client = window.centralWidget();
        std::vector<const QWidget*> shown;
        for (const QWidget* control : client->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (control->isVisible()) shown.push_back(control);
        }
        const QString size = QStringLiteral("%1 x %2 [%3]").arg(window.width()).arg(window.height()).arg(language);
        ASSERT_GE(shown.size(), 9u) << size.toStdString();
        for (size_t i = 0; i < shown.size(); ++i) {
            EXPECT_TRUE(client->rect().contains(shown[i]->geometry()))
                << shown[i]->objectName().toStdString() << " outside the window at " << size.toStdString();
            for (size_t j = i + 1; j < shown.size(); ++j) {
                EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                    << shown[i]->objectName().toStdString() << " overlaps " << shown[j]->objectName().toStdString()
                    << " at " << size.toStdString();
            }
        }
    }
};

TEST_F(MinimumSizeTest, NoControlsOverlapAtAnySizeTheWindowTakes) {
    TfrmVNMain& window = Player();
    OpenCopyOf(VN_AVI_FIXTURES "/xprmax.avi");
    ASSERT_TRUE(Control(&window, "gbMovieInfo")->isVisible());
    for (const int language : {ui::kEnglish, 4}) {
        ui::SetActiveLanguage(language);
        const QString name = ui::IsEnglish() ? QStringLiteral("en") : ui::LanguageSuffix(language);
        for (int width = 560; width <= 800; width += 60) {
            for (int height = 520; height <= 840; height += 40) {
                window.resize(width, height);
                QTest::qWait(0);
                ExpectNothingOverlaps(window, name);
            }
        }
    }
}

}  // namespace
}  // namespace vn::app
