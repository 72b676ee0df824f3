// Playback through the real windows: the rate and frame skipping, playing on
// through the play list, the play controls' states, stepping with buttons
// and keys, and the seek bar.
#include <QTest>

#include <gtest/gtest.h>

#include "app/engine_test_support.h"

namespace vn::app {
namespace {

using PlaybackTest = test::EngineTest;
using test::Plan;

TEST_F(PlaybackTest, SlowFramesLengthenTheTickAndSkipFrames) {
    TfrmVNMain& window = Player();
    Drop({Write("fast.avi", Plan().Frames(40).Timing(1, 30)), Write("next.avi", Plan().Frames(5))});
    EXPECT_EQ(window.lblRate->Caption(), "30");
    EXPECT_EQ(window.tbRate->Position(), 0);
    // Nothing measured yet: a frame counts as 100 ms of work.
    EXPECT_EQ(engine().Timer1.interval(), 100);
    Tick();
    EXPECT_EQ(Panel(3), "Frame 4");

    // A frame that took a quarter of a second, then the speed bar moves.
    engine().state.g_nFrameWorkMs = 250;
    window.tbRate->SetPosition(1);
    EXPECT_EQ(window.lblRate->Caption(), "29");
    EXPECT_EQ(engine().Timer1.interval(), 250);
    EXPECT_EQ(engine().state.g_nFramesPerTick, 7);
    Tick();
    EXPECT_EQ(Panel(3), "Frame 11");

    // 7 frames a tick from frame 38 cannot move: the next entry opens
    // without the last frame being shown.
    engine().recording.SetFrame(38);
    Tick();
    EXPECT_EQ(Entry(), 1);
    EXPECT_EQ(window.windowTitle(), "next.avi");
    EXPECT_EQ(Panel(2), "Frames = 5");
}

TEST_F(PlaybackTest, PlayingWrapsRoundThePlayListBothWays) {
    TfrmVNMain& window = Player();
    const std::string a = Write("a.avi", Plan().Frames(3));
    const std::string b = Write("b.avi", Plan().Frames(4));
    Drop({b, a});
    ASSERT_EQ(window.lbPlayList->count(), 2);
    EXPECT_EQ(window.lbPlayList->item(0)->text(), "a.avi");
    EXPECT_EQ(window.windowTitle(), "a.avi");
    Tick(2);
    EXPECT_EQ(Panel(3), "Frame 3");
    Tick();  // past a's end
    EXPECT_EQ(window.windowTitle(), "b.avi");
    EXPECT_EQ(window.lbPlayList->ItemIndex(), 1);
    Tick(3);
    EXPECT_EQ(Panel(3), "Frame 4");
    Tick();  // past the last entry's end: the first one again
    EXPECT_EQ(Entry(), 0);
    Tick();
    EXPECT_EQ(Panel(3), "Frame 2");

    // Backwards past the first entry's start: the last entry from its end.
    Click(window.sbBackward);
    Tick(2);
    EXPECT_EQ(Entry(), 1);
    EXPECT_EQ(window.windowTitle(), "b.avi");
    Tick();
    EXPECT_EQ(Panel(3), "Frame 4");
    EXPECT_TRUE(engine().state.g_bPlaying);
}

TEST_F(PlaybackTest, PauseAndStopSetTheControlsForThePosition) {
    TfrmVNMain& window = Player();
    Drop({Write("a.avi", Plan().Frames(6))});
    // Playing: the thin progress bar, no stepping.
    EXPECT_FALSE(window.sbForward->isEnabled());
    EXPECT_TRUE(window.sbBackward->isEnabled());
    EXPECT_TRUE(window.sbPause->isEnabled());
    EXPECT_TRUE(window.sbStop->isEnabled());
    EXPECT_FALSE(window.sbNext->isEnabled());
    EXPECT_FALSE(window.sbPrevious->isEnabled());
    EXPECT_TRUE(window.tbWhere->isHidden());
    EXPECT_FALSE(window.pbWhere->isHidden());
    EXPECT_EQ(window.pnlWhere->height(), 16);

    Tick(3);
    Click(window.sbPause);
    EXPECT_FALSE(engine().state.g_bPlaying);
    EXPECT_TRUE(engine().state.g_bPaused);
    EXPECT_FALSE(window.tbWhere->isHidden());
    EXPECT_TRUE(window.pbWhere->isHidden());
    EXPECT_EQ(window.pnlWhere->height(), 32);
    EXPECT_EQ(window.tbWhere->Position(), 3);
    for (QWidget* enabled : std::initializer_list<QWidget*>{window.sbBackward, window.sbPrevious, window.sbNext,
                                                            window.sbForward, window.sbStop}) {
        EXPECT_TRUE(enabled->isEnabled()) << enabled->objectName().toStdString();
    }
    EXPECT_FALSE(window.sbPause->isEnabled());

    Click(window.sbStop);
    EXPECT_EQ(Panel(3), "Frame 1");
    EXPECT_EQ(window.tbWhere->Position(), 0);
    EXPECT_FALSE(window.sbStop->isEnabled());
    EXPECT_FALSE(window.sbBackward->isEnabled());
    EXPECT_FALSE(window.sbPrevious->isEnabled());
    EXPECT_TRUE(window.sbForward->isEnabled());
    EXPECT_TRUE(window.sbNext->isEnabled());

    // Paused on the last frame nothing leads further forward.
    Click(window.sbForward);
    Tick(5);
    Click(window.sbPause);
    EXPECT_FALSE(window.sbForward->isEnabled());
    EXPECT_FALSE(window.sbNext->isEnabled());
    EXPECT_TRUE(window.sbPrevious->isEnabled());
}

TEST_F(PlaybackTest, StepsCrossIntoTheNeighbouringEntries) {
    TfrmVNMain& window = Player();
    const std::string a = Write("a.avi", Plan().Frames(3));
    const std::string b = Write("b.avi", Plan().Frames(3));
    Drop({a, b});
    Click(window.bSkip);
    Click(window.sbPause);
    ASSERT_EQ(window.windowTitle(), "b.avi");
    EXPECT_FALSE(window.sbPrevious->isEnabled());
    window.lbPlayList->setFocus();

    QTest::keyClick(window.lbPlayList, '+');
    EXPECT_EQ(Panel(3), "Frame 2");
    EXPECT_TRUE(window.sbPrevious->isEnabled());
    QTest::keyClick(window.lbPlayList, '-');
    EXPECT_EQ(Panel(3), "Frame 1");
    // Frame 0 of a later entry: the step goes to the previous entry's end.
    Click(window.sbPrevious);
    EXPECT_EQ(Entry(), 0);
    EXPECT_EQ(window.windowTitle(), "a.avi");
    EXPECT_EQ(Panel(3), "Frame 3");
    EXPECT_EQ(window.lbPlayList->ItemIndex(), 0);
    // The last frame with an entry after it: on to that entry's start.
    QTest::keyClick(window.lbPlayList, Qt::Key_Right);
    EXPECT_EQ(Entry(), 1);
    EXPECT_EQ(Panel(3), "Frame 1");
    EXPECT_FALSE(engine().state.g_bPlaying);
}

TEST_F(PlaybackTest, StepBackAtTheFirstFrameOfTheFirstEntryStaysAndDisablesTheWayBack) {
    TfrmVNMain& window = Player();
    Drop({Write("a.avi", Plan().Frames(4))});
    Tick();
    Click(window.sbPause);
    window.lbPlayList->setFocus();
    QTest::keyClick(window.lbPlayList, Qt::Key_Left);
    EXPECT_EQ(Panel(3), "Frame 1");
    EXPECT_FALSE(window.sbPrevious->isEnabled());
    EXPECT_FALSE(window.sbBackward->isEnabled());
    // The keys act only while their button does.
    QTest::keyClick(window.lbPlayList, '-');
    QTest::keyClick(window.lbPlayList, Qt::Key_Left);
    EXPECT_EQ(Frame(), 0);
    EXPECT_EQ(Entry(), 0);
    // Stepping forward up to the last frame switches the forward step off.
    QTest::keyClick(window.lbPlayList, '+');
    EXPECT_TRUE(window.sbPrevious->isEnabled());
    QTest::keyClick(window.lbPlayList, '+');
    QTest::keyClick(window.lbPlayList, '+');
    EXPECT_EQ(Panel(3), "Frame 4");
    EXPECT_FALSE(window.sbNext->isEnabled());
}

TEST_F(PlaybackTest, TheSeekBarSeeksOnlyWhenTheUserMovesIt) {
    TfrmVNMain& window = Player();
    Drop({Write("a.avi", Plan().Frames(10))});
    Click(window.sbPause);
    window.tbWhere->setFocus();
    QTest::keyClick(window.tbWhere, Qt::Key_End);
    EXPECT_EQ(Panel(3), "Frame 10");
    EXPECT_FALSE(window.sbNext->isEnabled());
    EXPECT_FALSE(window.sbForward->isEnabled());
    EXPECT_TRUE(window.sbPrevious->isEnabled());
    // The step moves the bar; that move is no second seek.
    QTest::keyClick(window.tbWhere, Qt::Key_Left);
    EXPECT_EQ(Panel(3), "Frame 9");
    EXPECT_EQ(window.tbWhere->Position(), 8);
    // While the speed bar holds the focus, seek-bar changes are not seeks.
    window.tbRate->setFocus();
    ASSERT_TRUE(engine().state.g_bSeekLock);
    window.tbWhere->SetPosition(2);
    EXPECT_EQ(Frame(), 8);
    window.lbPlayList->setFocus();
    EXPECT_FALSE(engine().state.g_bSeekLock);
}

TEST_F(PlaybackTest, ElapsedTimeBeyondADayShowsDaysOnTheirOwnLine) {
    TfrmVNMain& window = Player();
    // One frame an hour, no camera clock: elapsed time is frames x interval.
    Drop({Write("hourly.avi", Plan().Frames(30).Timing(3600, 36000))});
    EXPECT_EQ(window.lblCapInterval->Caption(), "01:00:00");
    EXPECT_EQ(window.lblCapIntervalTitle->Caption(), "Capture Interval");
    EXPECT_EQ(window.lblRate->Caption(), "10");
    Tick(23);
    EXPECT_EQ(window.lblElapsedTime->Caption(), "23:00:00");
    EXPECT_EQ(window.lblElapsedTimeTitle->Caption(), "Elapsed Time");
    Tick();
    EXPECT_EQ(window.lblElapsedTime->Caption(), "days: 1\n0:00:00");
    Tick(2);
    EXPECT_EQ(window.lblElapsedTime->Caption(), "days: 1\n2:00:00");
}

TEST_F(PlaybackTest, EventRecordingsNumberTheirEvents) {
    TfrmVNMain& window = Player();
    Drop({Write("events.avi", Plan().Frames(10).Events({3, 6}))});
    EXPECT_EQ(window.lblCapIntervalTitle->Caption(), "Shutdown Delay");
    // The event buttons are part of the play controls.
    EXPECT_EQ(window.pnlPlayCtrl->width(), window.sbNextEvent->x() + window.sbNextEvent->width() + 5);
    Tick(2);
    EXPECT_EQ(window.lblElapsedTimeTitle->Caption(), "Event Number");
    EXPECT_EQ(window.lblElapsedTime->Caption(), "1 of 3");
    Tick();
    EXPECT_EQ(window.lblElapsedTime->Caption(), "2 of 3");
    Tick(4);
    EXPECT_EQ(window.lblElapsedTime->Caption(), "3 of 3");

    // A recording without events cuts the event buttons off.
    Drop({Write("plain.avi", Plan().Frames(3))});
    Click(window.bSkip);
    EXPECT_EQ(window.pnlPlayCtrl->width(), window.sbForward->x() + window.sbForward->width() + 5);
}

TEST_F(PlaybackTest, InAnotherLanguageTheTitlesKeepTheirTranslations) {
    WriteSettingsFile("[settings]\nTestLanguage=3\n");
    TfrmVNMain& window = Player();
    const QString elapsedTitle = window.lblElapsedTimeTitle->Caption();
    const QString intervalTitle = window.lblCapIntervalTitle->Caption();
    ASSERT_EQ(elapsedTitle, QString::fromUtf8("拍摄积累时间"));
    Drop({Write("events.avi", Plan().Frames(6).Events({2}))});
    Tick(3);
    EXPECT_EQ(window.lblElapsedTime->Caption(), "2 of 2");
    EXPECT_EQ(window.lblElapsedTimeTitle->Caption(), elapsedTitle);
    EXPECT_EQ(window.lblCapIntervalTitle->Caption(), intervalTitle);
}

TEST_F(PlaybackTest, ARateOfZeroStandsStillAndTheNextEntryStillPlays) {
    TfrmVNMain& window = Player();
    // A capture interval of 0 gives no rate rather than a division by zero.
    const std::string still = Write("still.avi", Plan().Frames(4).Timing(0, 10));
    const std::string next = Write("next.avi", Plan().Frames(4));
    Drop({still, next});
    EXPECT_EQ(window.lblRate->Caption(), "0");
    Tick(3);
    EXPECT_EQ(Frame(), 0);
    Click(window.bSkip);
    EXPECT_EQ(window.lblRate->Caption(), "10");
    Tick();
    EXPECT_EQ(Panel(3), "Frame 2");
}

}  // namespace
}  // namespace vn::app
