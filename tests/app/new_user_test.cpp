// What a new user meets: the seek bar and the step keys after "&Clear" and a
// new "&Open", the picture's size at every open, recordings with a rate of
// 0, and the messages of files that cannot be played.
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <filesystem>

#include "app/engine_test_support.h"
#include "diag/message_number.h"

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

// Each file that cannot play says once which it is and what is wrong with
// it; it is marked in the list and later rounds pass it by in silence.
TEST_F(NewUserTest, RefusedFilesNameTheirReasonOnceAndAreMarked) {
    TfrmVNMain& window = Player();
    const std::string text = WriteBytes("notes.avi", {'h', 'e', 'l', 'l', 'o', '\n'});
    std::vector<uint8_t> noSize = test::ComposeRecording(Plan());
    std::fill_n(noSize.begin() + 64, 8, 0);  // width and height
    const std::string sizeless = WriteBytes("sizeless.avi", noSize);
    const std::string movie = Write("clip.m4v", Plan());
    std::this_thread::sleep_for(std::chrono::milliseconds(15));
    ASSERT_TRUE(QDir(folder_.path()).mkdir("folder.avi"));
    const std::string good = Write("good.avi", Plan().Frames(2));
    Drop({text, sizeless, movie, folder_.filePath("folder.avi").toStdString(), good});
    EXPECT_EQ(Messages(), std::vector<int>({diag::CannotOpen, diag::CannotOpen, diag::CannotOpen, diag::CannotOpen}));
    EXPECT_EQ(MessageDetails(),
              QStringList({"notes.avi: not a recording", "sizeless.avi: picture size 0 x 0",
                           "clip.m4v: not a stream this player can read", "folder.avi: a folder, not a file"}));
    EXPECT_EQ(window.windowTitle(), "good.avi");

    auto* list = Control<ui::ListBox>(&window, "lbPlayList");
    ASSERT_EQ(list->count(), 5);
    for (int row = 0; row < 4; ++row) {
        EXPECT_TRUE(list->item(row)->font().strikeOut()) << row;
    }
    EXPECT_EQ(list->item(1)->toolTip(), "picture size 0 x 0");
    EXPECT_FALSE(list->item(4)->font().strikeOut());

    // Round and round the list: no new box, only the good file plays.
    Tick(6);
    EXPECT_EQ(Messages().size(), 4u);
    EXPECT_EQ(window.windowTitle(), "good.avi");
    EXPECT_TRUE(engine().state.g_bPlaying);
    // A drop shows the list anew, with its marks.
    Drop({Write("later.avi", Plan())});
    EXPECT_TRUE(list->item(0)->font().strikeOut());
    // The user's own choice tries again.
    const QPoint first = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
    EXPECT_EQ(Messages().size(), 5u);
}

// A file that is not there says so, with its name.
TEST_F(NewUserTest, AMissingFileIsNotFoundByName) {
    Player();
    const std::string gone = Write("gone.avi", Plan());
    const std::string good = Write("good.avi", Plan());
    std::filesystem::remove(gone);
    Drop({gone, good});
    EXPECT_EQ(Messages(), std::vector<int>({diag::NotFound}));
    EXPECT_EQ(MessageDetails(), QStringList({"gone.avi: no such file"}));
}

// A row that the recording on screen does not fill is blank, not the
// previous recording's; "&Clear" blanks them all.
TEST_F(NewUserTest, RowsShowOnlyTheOpenRecordingsValues) {
    TfrmVNMain& window = Player();
    const std::string plain = Write("plain.avi", Plan().Frames(3));
    const std::string withMode = folder_.filePath("evt320.avi").toStdString();
    std::filesystem::copy_file(VN_AVI_FIXTURES "/evt320.avi", withMode);
    // The first recording opened: no "[]" where it gives nothing.
    Drop({plain});
    Tick();
    EXPECT_EQ(test::Caption(window, "lblMode"), "");

    QTest::keyClick(&window, Qt::Key_Escape);
    Drop({withMode});
    Tick();
    EXPECT_EQ(test::Caption(window, "lblMode"), "Motion");
    EXPECT_NE(test::Caption(window, "lblDate"), "");
    QTest::keyClick(&window, Qt::Key_Escape);
    for (const char* row : {"lblCamModel", "lblMode", "lblDate", "lblTime", "lblElapsedTime", "lblCapInterval"}) {
        EXPECT_EQ(test::Caption(window, row), "") << row;
    }

    // The older file joins the list and opens as the recording stands still.
    Drop({withMode});
    Tick();
    Click("sbPause");
    Drop({plain});
    Tick();
    EXPECT_EQ(window.windowTitle(), "plain.avi");
    EXPECT_EQ(test::Caption(window, "lblMode"), "");
}

// A bad first file on the command line: its message comes over the window,
// which is already on the screen.
TEST_F(NewUserTest, TheWindowShowsBeforeTheFirstFilesMessage) {
    const std::string bad = WriteBytes("bad.avi", {'x'});
    TfrmVNMain& window = OpenWindow({QString::fromStdString(bad)});
    bool windowShown = false;
    test::WhenModalShows([&](QWidget* modal) {
        windowShown = window.windowHandle() != nullptr && window.windowHandle()->isExposed();
        static_cast<QDialog*>(modal)->accept();
    });
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return engine().playList.IsRefused(0); }));
    EXPECT_TRUE(windowShown);
}

// Every zoom the window knows is in the picture's menu, on a right click;
// commands that are not built are not offered.
TEST_F(NewUserTest, ThePicturesMenuOpensOnARightClick) {
    TfrmVNMain& window = Player();
    Drop({Write("a.avi", Plan().Size(64, 48))});
    Tick();
    auto* menu = Control<QMenu>(&window, "PopupMenu1");
    QTest::mouseClick(Control(&window, "Image1"), Qt::RightButton);
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    Control<QAction>(&window, "Varzoom1")->trigger();
    menu->close();
    EXPECT_EQ(window.nZoom(), 0);
    EXPECT_EQ(Panel(4), "Zoom = Variable");
    for (const char* takingOut : {"SaveCurrent1", "Export1", "SaveCurrent2"}) {
        EXPECT_TRUE(Control<QAction>(&window, takingOut)->isEnabled()) << takingOut;
    }
}

// Files the play list cannot take are not dropped without a word.
TEST_F(NewUserTest, FilesTheListCannotTakeAreToldInTheStatusBar) {
    TfrmVNMain& window = Player();
    const std::string good = Write("a.avi", Plan());
    const std::string longName = folder_.filePath(QString(270, 'n') + ".avi").toStdString();
    Drop({good, longName});
    EXPECT_EQ(Control<QStatusBar>(&window, "StatusBar1")->currentMessage(),
              "1 file not added: path longer than 263 characters");
    EXPECT_EQ(engine().playList.g_nPlayListCount(), 1);
}

}  // namespace
}  // namespace vn::app
