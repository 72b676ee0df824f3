// The play list through the real windows: files from drops, the open dialog
// and the command line in capture order, moving between entries, clearing,
// and files that cannot be played.
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

#include "app/engine_test_support.h"
#include "platform/hints.h"

namespace vn::app {
namespace {

using PlayListTest = test::EngineTest;
using test::Caption;
using test::Control;
using test::ExpectWindowShows;
using test::Plan;

QStringList Rows(const TfrmVNMain& window) {
    const auto* list = Control<ui::ListBox>(&window, "lbPlayList");
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) rows.append(list->item(i)->text());
    return rows;
}

TEST_F(PlayListTest, DropsInsertByCreationTimeAndKeepThePlayingEntrySelected) {
    TfrmVNMain& window = Player();
    const std::string a = Write("a.avi", Plan());
    const std::string b = Write("b.avi", Plan());
    const std::string c = Write("c.AVI", Plan());
    Drop({b});
    Tick(2);
    Drop({c, a, b});  // b again: listed once
    EXPECT_EQ(Rows(window), QStringList({"a.avi", "b.avi", "c.AVI"}));
    EXPECT_EQ(Entry(), 1);
    EXPECT_EQ(Control<ui::ListBox>(&window, "lbPlayList")->ItemIndex(), 1);
    EXPECT_EQ(window.windowTitle(), "b.avi");
    Tick();
    EXPECT_EQ(Panel(3), "Frame 4");
}

TEST_F(PlayListTest, OpenListsTheChosenFilesByCreationTimeWhateverTheirCase) {
    TfrmVNMain& window = Player();
    Write("b.M4V", Plan());
    Write("a.AVI", Plan());
    Write("ignored.txt", Plan());
    const QString folder = folder_.path();
    test::WhenModalShows([folder](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), "OpenDialog1");
        EXPECT_EQ(dialog->nameFilters(), QStringList({"AVI (*.avi)"}));
        dialog->setDirectory(folder);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("\"a.AVI\" \"b.M4V\" \"ignored.txt\"");
        static_cast<QDialog*>(dialog)->accept();
    });
    auto* open = Control<QAction>(&window, "Open1");
    open->trigger();
    EXPECT_EQ(Rows(window), QStringList({"b.M4V", "a.AVI"}));
    // The "stream" holds a recording's bytes: it says so and the recording plays.
    EXPECT_EQ(Messages(), std::vector<int>({diag::CannotOpen}));
    EXPECT_EQ(Entry(), 1);
    EXPECT_TRUE(engine().state.g_bPlaying);

    // Cancelling the dialog changes nothing.
    test::WhenModalShows([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    open->trigger();
    EXPECT_EQ(Rows(window).size(), 2);
    EXPECT_EQ(window.windowTitle(), "a.AVI");
}

// "&Open" while playing: the file on screen plays on from a list it is not in.
TEST_F(PlayListTest, AListReplacedWhilePlayingStillStepsBackSafely) {
    TfrmVNMain& window = Player();
    const std::string a = Write("a.avi", Plan());
    const std::string b = Write("b.avi", Plan());
    const std::string c = Write("c.avi", Plan());
    const std::string x = Write("x.avi", Plan());
    Drop({a, b, c});
    Click("bSkip");
    Click("bSkip");
    Tick();
    const QString folder = folder_.path();
    test::WhenModalShows([folder](QWidget* modal) {
        auto* dialog = static_cast<QFileDialog*>(modal);
        dialog->setDirectory(folder);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("x.avi");
        static_cast<QDialog*>(dialog)->accept();
    });
    Control<QAction>(&window, "Open1")->trigger();
    EXPECT_EQ(Rows(window), QStringList({"x.avi"}));
    EXPECT_EQ(window.windowTitle(), "c.avi");
    Click("sbPause");
    Click("sbPrevious");
    Click("sbPrevious");
    EXPECT_EQ(window.windowTitle(), "x.avi");
    EXPECT_EQ(Entry(), 0);
}

TEST_F(PlayListTest, FilesThatCannotPlayAreRefusedWithTheirMessageAndTheNextPlays) {
    TfrmVNMain& window = Player();
    const std::string gone = Write("gone.avi", Plan());
    const std::string empty = Write("empty.avi", Plan().Frames(0));
    const std::string good = Write("good.avi", Plan());
    // Gone before it is dropped: its time unknown, it counts as the oldest.
    std::filesystem::remove(gone);
    Drop({good, empty, gone});
    EXPECT_EQ(Messages(), std::vector<int>({diag::NotFound, diag::NoFrames}));
    // The list stays as it was; the good recording plays.
    EXPECT_EQ(Rows(window), QStringList({"gone.avi", "empty.avi", "good.avi"}));
    EXPECT_EQ(Entry(), 2);
    EXPECT_EQ(window.windowTitle(), "good.avi");
    EXPECT_TRUE(engine().state.g_bPlaying);
    Tick();
    EXPECT_EQ(Panel(3), "Frame 2");
}

TEST_F(PlayListTest, AListOfOnlyBadFilesStopsWithThePlayControlsDisabled) {
    TfrmVNMain& window = Player();
    const std::string junk = WriteBytes("junk.avi", {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'X'});
    const std::string empty = Write("empty.avi", Plan().Frames(0));
    Drop({junk, empty});
    EXPECT_EQ(Messages().size(), 2u);
    EXPECT_FALSE(engine().state.g_bPlaying);
    EXPECT_EQ(engine().state.g_nFileKind, player::kNoFile);
    ExpectWindowShows(window, engine().controls());
    Tick(3);
    EXPECT_EQ(Messages().size(), 2u);
    // The user's list stays, and a good file dropped later plays.
    Drop({Write("good.avi", Plan())});
    EXPECT_EQ(Rows(window).size(), 3);
    EXPECT_TRUE(engine().state.g_bPlaying);
}

TEST_F(PlayListTest, PreviousAndNextStopAtTheListsEnds) {
    TfrmVNMain& window = Player();
    const std::string a = Write("a.avi", Plan());
    const std::string b = Write("b.avi", Plan());
    Drop({a, b});
    Tick(2);
    Click("bPrevious");
    EXPECT_EQ(Entry(), 0);
    EXPECT_EQ(Frame(), 2);  // still playing where it was
    Click("bSkip");
    EXPECT_EQ(Entry(), 1);
    EXPECT_EQ(window.windowTitle(), "b.avi");
    Click("bSkip");
    EXPECT_EQ(Entry(), 1);
    Click("bPrevious");
    EXPECT_EQ(Entry(), 0);
}

TEST_F(PlayListTest, DoubleClickPlaysTheEntry) {
    TfrmVNMain& window = Player();
    const std::string a = Write("a.avi", Plan());
    const std::string b = Write("b.avi", Plan());
    Drop({a, b});
    Click("sbPause");
    auto* list = Control<ui::ListBox>(&window, "lbPlayList");
    QWidget* rows = list->viewport();
    const QPoint second = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(rows, Qt::LeftButton, {}, second);
    QTest::mouseDClick(rows, Qt::LeftButton, {}, second);
    EXPECT_EQ(Entry(), 1);
    EXPECT_EQ(window.windowTitle(), "b.avi");
    EXPECT_TRUE(engine().state.g_bPlaying);
}

TEST_F(PlayListTest, ThePathLabelNamesTheEntryUnderTheMouse) {
    TfrmVNMain& window = Player();
    const std::string a = Write("a.avi", Plan());
    Drop({a});
    auto* list = Control<ui::ListBox>(&window, "lbPlayList");
    QWidget* rows = list->viewport();
    const QPoint first = list->visualItemRect(list->item(0)).center();
    QMouseEvent over(QEvent::MouseMove, first, rows->mapToGlobal(first), Qt::NoButton, {}, {});
    QCoreApplication::sendEvent(rows, &over);
    EXPECT_EQ(Caption(window, "lblFilePath").toStdString(), a);
    EXPECT_EQ(ui::HintShowDelay(), 500);
    EXPECT_EQ(ui::HintHideDelay(), 2500);
    const QPoint below(first.x(), first.y() + 3 * list->ItemHeight());
    QMouseEvent under(QEvent::MouseMove, below, rows->mapToGlobal(below), Qt::NoButton, {}, {});
    QCoreApplication::sendEvent(rows, &under);
    EXPECT_EQ(Caption(window, "lblFilePath"), "");
}

TEST_F(PlayListTest, ClearEmptiesTheListAndTheWindow) {
    TfrmVNMain& window = Player();
    Drop({Write("a.avi", Plan())});
    Tick(2);
    auto* picture = Control(&window, "Image1");
    ASSERT_FALSE(picture->isHidden());
    // Escape is the window's cancel button.
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(window.windowTitle(), "[none]");
    EXPECT_EQ(Panel(0), "[none]");
    ExpectWindowShows(window, engine().controls());
    EXPECT_TRUE(Rows(window).isEmpty());
    EXPECT_EQ(engine().playList.g_nPlayListCount(), 0);
    EXPECT_EQ(engine().state.g_nFileKind, player::kNoFile);
    EXPECT_FALSE(engine().state.g_bPlaying);
    EXPECT_TRUE(picture->isHidden());
}

TEST_F(PlayListTest, CommandLineFilesPlayWhenTheWindowFirstShows) {
    const std::string a = Write("a.avi", Plan());
    const std::string b = Write("b.avi", Plan());
    TfrmVNMain& window = OpenWindow({QString::fromStdString(b), QString::fromStdString(a), "notes.txt"});
    EXPECT_EQ(Rows(window), QStringList({"a.avi", "b.avi"}));
    EXPECT_FALSE(engine().state.g_bPlaying);
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([this] { return engine().state.g_bPlaying; }));
    EXPECT_EQ(window.windowTitle(), "a.avi");
}

}  // namespace
}  // namespace vn::app
