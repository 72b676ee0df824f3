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
using test::Plan;

QStringList Rows(const ui::ListBox& list) {
    QStringList rows;
    for (int i = 0; i < list.count(); ++i) rows.append(list.item(i)->text());
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
    EXPECT_EQ(Rows(*window.lbPlayList), QStringList({"a.avi", "b.avi", "c.AVI"}));
    EXPECT_EQ(Entry(), 1);
    EXPECT_EQ(window.lbPlayList->ItemIndex(), 1);
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
    window.Open1->trigger();
    EXPECT_EQ(Rows(*window.lbPlayList), QStringList({"b.M4V", "a.AVI"}));
    // The stream cannot play here yet: it says so and the recording plays.
    EXPECT_EQ(Messages(), std::vector<int>({diag::TfrmMyMsg::UnkFormat}));
    EXPECT_EQ(Entry(), 1);
    EXPECT_TRUE(engine().state.g_bPlaying);

    // Cancelling the dialog changes nothing.
    test::WhenModalShows([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    window.Open1->trigger();
    EXPECT_EQ(window.lbPlayList->count(), 2);
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
    Click(window.bSkip);
    Click(window.bSkip);
    Tick();
    const QString folder = folder_.path();
    test::WhenModalShows([folder](QWidget* modal) {
        auto* dialog = static_cast<QFileDialog*>(modal);
        dialog->setDirectory(folder);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("x.avi");
        static_cast<QDialog*>(dialog)->accept();
    });
    window.Open1->trigger();
    EXPECT_EQ(Rows(*window.lbPlayList), QStringList({"x.avi"}));
    EXPECT_EQ(window.windowTitle(), "c.avi");
    Click(window.sbPause);
    Click(window.sbPrevious);
    Click(window.sbPrevious);
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
    EXPECT_EQ(Messages(), std::vector<int>({diag::TfrmMyMsg::NotFound, diag::TfrmMyMsg::NoFrames}));
    // The list stays as it was; the good recording plays.
    EXPECT_EQ(Rows(*window.lbPlayList), QStringList({"gone.avi", "empty.avi", "good.avi"}));
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
    for (QWidget* control : std::initializer_list<QWidget*>{window.sbForward, window.sbBackward, window.sbPause,
                                                            window.sbStop, window.sbNext, window.sbPrevious}) {
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    }
    EXPECT_TRUE(window.tbWhere->isHidden());
    Tick(3);
    EXPECT_EQ(Messages().size(), 2u);
    // The user's list stays, and a good file dropped later plays.
    Drop({Write("good.avi", Plan())});
    EXPECT_EQ(window.lbPlayList->count(), 3);
    EXPECT_TRUE(engine().state.g_bPlaying);
}

TEST_F(PlayListTest, PreviousAndNextStopAtTheListsEnds) {
    TfrmVNMain& window = Player();
    const std::string a = Write("a.avi", Plan());
    const std::string b = Write("b.avi", Plan());
    Drop({a, b});
    Tick(2);
    Click(window.bPrevious);
    EXPECT_EQ(Entry(), 0);
    EXPECT_EQ(Frame(), 2);  // still playing where it was
    Click(window.bSkip);
    EXPECT_EQ(Entry(), 1);
    EXPECT_EQ(window.windowTitle(), "b.avi");
    Click(window.bSkip);
    EXPECT_EQ(Entry(), 1);
    Click(window.bPrevious);
    EXPECT_EQ(Entry(), 0);
}

TEST_F(PlayListTest, DoubleClickPlaysTheEntry) {
    TfrmVNMain& window = Player();
    const std::string a = Write("a.avi", Plan());
    const std::string b = Write("b.avi", Plan());
    Drop({a, b});
    Click(window.sbPause);
    QWidget* rows = window.lbPlayList->viewport();
    const QPoint second = window.lbPlayList->visualItemRect(window.lbPlayList->item(1)).center();
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
    QWidget* rows = window.lbPlayList->viewport();
    const QPoint first = window.lbPlayList->visualItemRect(window.lbPlayList->item(0)).center();
    QMouseEvent over(QEvent::MouseMove, first, rows->mapToGlobal(first), Qt::NoButton, {}, {});
    QCoreApplication::sendEvent(rows, &over);
    EXPECT_EQ(window.lblFilePath->Caption().toStdString(), a);
    EXPECT_EQ(ui::HintShowDelay(), 500);
    EXPECT_EQ(ui::HintHideDelay(), 2500);
    const QPoint below(first.x(), first.y() + 3 * window.lbPlayList->ItemHeight());
    QMouseEvent under(QEvent::MouseMove, below, rows->mapToGlobal(below), Qt::NoButton, {}, {});
    QCoreApplication::sendEvent(rows, &under);
    EXPECT_EQ(window.lblFilePath->Caption(), "");
}

TEST_F(PlayListTest, ClearEmptiesTheListAndTheWindow) {
    TfrmVNMain& window = Player();
    Drop({Write("a.avi", Plan())});
    Tick(2);
    ASSERT_FALSE(window.Image1->isHidden());
    // Escape is the window's cancel button.
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(window.windowTitle(), "[none]");
    EXPECT_EQ(Panel(0), "[none]");
    for (int panel = 1; panel <= 3; ++panel) EXPECT_EQ(Panel(panel), "") << panel;
    EXPECT_EQ(window.lbPlayList->count(), 0);
    EXPECT_EQ(engine().playList.g_nPlayListCount(), 0);
    EXPECT_EQ(engine().state.g_nFileKind, player::kNoFile);
    EXPECT_FALSE(engine().state.g_bPlaying);
    EXPECT_TRUE(window.Image1->isHidden());
    EXPECT_TRUE(window.tbWhere->isHidden());
    EXPECT_FALSE(window.pbWhere->isHidden());
    EXPECT_FALSE(window.sbForward->isEnabled());
}

TEST_F(PlayListTest, CommandLineFilesPlayWhenTheWindowFirstShows) {
    const std::string a = Write("a.avi", Plan());
    const std::string b = Write("b.avi", Plan());
    TfrmVNMain& window = OpenWindow({QString::fromStdString(b), QString::fromStdString(a), "notes.txt"});
    EXPECT_EQ(Rows(*window.lbPlayList), QStringList({"a.avi", "b.avi"}));
    EXPECT_FALSE(engine().state.g_bPlaying);
    window.show();
    EXPECT_TRUE(engine().state.g_bPlaying);
    EXPECT_EQ(window.windowTitle(), "a.avi");
}

}  // namespace
}  // namespace vn::app
