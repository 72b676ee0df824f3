// What a new user meets: the seek bar and the step keys after "&Clear" and a
// new "&Open", the picture's size at every open, recordings with a rate of
// 0, and the messages of files that cannot be played.
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "app/engine_test_support.h"

namespace vn::app {
namespace {

using NewUserTest = test::EngineTest;
using test::Control;
using test::Plan;

// A modal dialog that closes leaves the application's focus with it on
// platforms without a window manager; the window must take it back.
TEST_F(NewUserTest, SeekBarAndStepKeysWorkAfterClearAndOpen) {
    TfrmVNMain& window = Player();
    Drop({Write("a.avi", Plan().Frames(10))});
    Write("b.avi", Plan().Frames(10));
    QTest::keyClick(&window, Qt::Key_Escape);
    ASSERT_EQ(window.windowTitle(), "[none]");
    const QString folder = folder_.path();
    test::WhenModalShows([folder](QWidget* modal) {
        auto* dialog = static_cast<QFileDialog*>(modal);
        dialog->setDirectory(folder);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("b.avi");
        static_cast<QDialog*>(dialog)->accept();
    });
    Control<QAction>(&window, "Open1")->trigger();
    ASSERT_EQ(window.windowTitle(), "b.avi");
    Click("sbPause");

    auto* seekBar = Control<ui::TrackBar>(&window, "tbWhere");
    seekBar->setFocus();
    QTest::keyClick(seekBar, Qt::Key_End);
    EXPECT_EQ(Panel(3), "Frame 10");
    QTest::keyClick(seekBar, Qt::Key_Home);
    EXPECT_EQ(Panel(3), "Frame 1");
    QTest::keyClick(seekBar, Qt::Key_Right);
    EXPECT_EQ(Panel(3), "Frame 2");
    QTest::keyClick(seekBar, '+');
    EXPECT_EQ(Panel(3), "Frame 3");
    QTest::keyClick(seekBar, '-');
    EXPECT_EQ(Panel(3), "Frame 2");
    EXPECT_EQ(seekBar->Position(), 1);
}

// The zoom chosen at the first open applies to every recording after it.
TEST_F(NewUserTest, EveryRecordingIsSizedForTheZoom) {
    TfrmVNMain& window = Player();
    const std::string vga = Write("vga.avi", Plan().Size(640, 480).Frames(2));
    const std::string small = Write("small.avi", Plan().Size(320, 240).Frames(2));
    const std::string wide = Write("wide.avi", Plan().Size(1280, 720).Frames(2));
    Drop({vga, small, wide});
    QWidget* image = Control(&window, "Image1");
    EXPECT_EQ(image->size(), QSize(640, 480));
    Click("bSkip");
    EXPECT_EQ(image->size(), QSize(320, 240));
    Click("bSkip");
    EXPECT_EQ(image->size(), QSize(1280, 720));
    EXPECT_EQ(Panel(4), "Zoom = 1");
    Click("bPrevious");
    EXPECT_EQ(image->size(), QSize(320, 240));
}

}  // namespace
}  // namespace vn::app
