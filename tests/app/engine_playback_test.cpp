// Playback through the real windows: the rate and frame skipping, playing on
// through the play list, the controls the window shows for the engine,
// stepping with buttons and keys, and the seek bar. Which controls each
// command enables is the control state's (tests/player).
#include <QTest>

#include <gtest/gtest.h>

#include "app/engine_test_support.h"

namespace vn::app {
namespace {

using PlaybackTest = test::EngineTest;
using test::Caption;
using test::Control;
using test::Enabled;
using test::ExpectWindowShows;
using test::Plan;

TEST_F(PlaybackTest, SlowFramesLengthenTheTickAndSkipFrames) {
    TfrmVNMain& window = Player();
    Drop({Write("fast.avi", Plan().Frames(40).Timing(1, 30)), Write("next.avi", Plan().Frames(5))});
    auto* speedBar = Control<ui::TrackBar>(&window, "tbRate");
    EXPECT_EQ(Caption(window, "lblRate"), "30");
    EXPECT_EQ(speedBar->Position(), 0);
    // Nothing measured yet: the rate alone sets the tick, and the first
    // frame's work (far below 33 ms for so small a picture) keeps it.
    EXPECT_EQ(engine().Timer1.interval(), 33);
    Tick();
    EXPECT_EQ(Panel(3), "Frame 2");
    EXPECT_EQ(engine().Timer1.interval(), 33);

    // A frame that took a quarter of a second, then the speed bar moves.
    engine().state.g_nFrameWorkMs = 250;
    speedBar->SetPosition(1);
    EXPECT_EQ(Caption(window, "lblRate"), "29");
    EXPECT_EQ(engine().Timer1.interval(), 250);
    EXPECT_EQ(engine().state.g_nFramesPerTick, 7);
    Tick();
    EXPECT_EQ(Panel(3), "Frame 9");

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
    auto* list = Control<ui::ListBox>(&window, "lbPlayList");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "a.avi");
    EXPECT_EQ(window.windowTitle(), "a.avi");
    Tick(2);
    EXPECT_EQ(Panel(3), "Frame 3");
    Tick();  // past a's end
    EXPECT_EQ(window.windowTitle(), "b.avi");
    EXPECT_EQ(list->ItemIndex(), 1);
    Tick(3);
    EXPECT_EQ(Panel(3), "Frame 4");
    Tick();  // past the last entry's end: the first one again
    EXPECT_EQ(Entry(), 0);
    Tick();
    EXPECT_EQ(Panel(3), "Frame 2");

    // Backwards past the first entry's start: the last entry from its end.
    Click("sbBackward");
    Tick(2);
    EXPECT_EQ(Entry(), 1);
    EXPECT_EQ(window.windowTitle(), "b.avi");
    Tick();
    EXPECT_EQ(Panel(3), "Frame 4");
    EXPECT_TRUE(engine().state.g_bPlaying);
}

TEST_F(PlaybackTest, PlayPauseAndStopShowTheirControlsAndMoveTheSeekBar) {
    TfrmVNMain& window = Player();
    Drop({Write("a.avi", Plan().Frames(6))});
    ExpectWindowShows(window, engine().controls());
    ASSERT_EQ(engine().controls().seekArea, player::SeekArea::ProgressBar);

    Tick(3);
    Click("sbPause");
    EXPECT_FALSE(engine().state.g_bPlaying);
    EXPECT_TRUE(engine().state.g_bPaused);
    ExpectWindowShows(window, engine().controls());
    auto* seekBar = Control<ui::TrackBar>(&window, "tbWhere");
    EXPECT_EQ(seekBar->Position(), 3);

    Click("sbStop");
    ExpectWindowShows(window, engine().controls());
    EXPECT_EQ(Panel(3), "Frame 1");
    EXPECT_EQ(seekBar->Position(), 0);
}

TEST_F(PlaybackTest, StepsCrossIntoTheNeighbouringEntries) {
    TfrmVNMain& window = Player();
    const std::string a = Write("a.avi", Plan().Frames(3));
    const std::string b = Write("b.avi", Plan().Frames(3));
    Drop({a, b});
    Click("bSkip");
    Click("sbPause");
    ASSERT_EQ(window.windowTitle(), "b.avi");
    auto* list = Control<ui::ListBox>(&window, "lbPlayList");
    list->setFocus();

    QTest::keyClick(list, '+');
    EXPECT_EQ(Panel(3), "Frame 2");
    QTest::keyClick(list, '-');
    EXPECT_EQ(Panel(3), "Frame 1");
    // Frame 0 of a later entry: the step goes to the previous entry's end.
    Click("sbPrevious");
    EXPECT_EQ(Entry(), 0);
    EXPECT_EQ(window.windowTitle(), "a.avi");
    EXPECT_EQ(Panel(3), "Frame 3");
    EXPECT_EQ(list->ItemIndex(), 0);
    // The last frame with an entry after it: on to that entry's start.
    QTest::keyClick(list, Qt::Key_Right);
    EXPECT_EQ(Entry(), 1);
    EXPECT_EQ(Panel(3), "Frame 1");
    EXPECT_FALSE(engine().state.g_bPlaying);
}

TEST_F(PlaybackTest, StepKeysActOnlyWhileTheirButtonsDo) {
    TfrmVNMain& window = Player();
    Drop({Write("a.avi", Plan().Frames(4))});
    Tick();
    Click("sbPause");
    auto* list = Control<ui::ListBox>(&window, "lbPlayList");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Left);
    EXPECT_EQ(Panel(3), "Frame 1");
    ASSERT_FALSE(Enabled(window, "sbPrevious"));
    QTest::keyClick(list, '-');
    QTest::keyClick(list, Qt::Key_Left);
    EXPECT_EQ(Frame(), 0);
    EXPECT_EQ(Entry(), 0);
    QTest::keyClick(list, '+');
    QTest::keyClick(list, '+');
    QTest::keyClick(list, '+');
    EXPECT_EQ(Panel(3), "Frame 4");
    ASSERT_FALSE(Enabled(window, "sbNext"));
    QTest::keyClick(list, '+');
    QTest::keyClick(list, Qt::Key_Right);
    EXPECT_EQ(Frame(), 3);
}

TEST_F(PlaybackTest, TheSeekBarSeeksOnlyWhenTheUserMovesIt) {
    TfrmVNMain& window = Player();
    Drop({Write("a.avi", Plan().Frames(10))});
    Click("sbPause");
    auto* seekBar = Control<ui::TrackBar>(&window, "tbWhere");
    seekBar->setFocus();
    QTest::keyClick(seekBar, Qt::Key_End);
    EXPECT_EQ(Panel(3), "Frame 10");
    ExpectWindowShows(window, engine().controls());
    // The step moves the bar; that move is no second seek.
    QTest::keyClick(seekBar, Qt::Key_Left);
    EXPECT_EQ(Panel(3), "Frame 9");
    EXPECT_EQ(seekBar->Position(), 8);
    // While the speed bar holds the focus, seek-bar changes are not seeks.
    Control(&window, "tbRate")->setFocus();
    ASSERT_TRUE(engine().state.g_bSeekLock);
    seekBar->SetPosition(2);
    EXPECT_EQ(Frame(), 8);
    Control(&window, "lbPlayList")->setFocus();
    EXPECT_FALSE(engine().state.g_bSeekLock);
}

TEST_F(PlaybackTest, ElapsedTimeBeyondADayShowsDaysOnTheirOwnLine) {
    TfrmVNMain& window = Player();
    // One frame an hour, no camera clock: elapsed time is frames x interval.
    Drop({Write("hourly.avi", Plan().Frames(30).Timing(3600, 36000))});
    EXPECT_EQ(Caption(window, "lblRate"), "10");
    Tick(23);
    EXPECT_EQ(Caption(window, "lblElapsedTime"), "23:00:00");
    Tick();
    EXPECT_EQ(Caption(window, "lblElapsedTime"), "days: 1\n0:00:00");
    Tick(2);
    EXPECT_EQ(Caption(window, "lblElapsedTime"), "days: 1\n2:00:00");
}

TEST_F(PlaybackTest, EventRecordingsNumberTheirEvents) {
    TfrmVNMain& window = Player();
    Drop({Write("events.avi", Plan().Frames(10).Events({3, 6}))});
    // The event buttons are part of the play controls.
    const QRect nextEvent = Control(&window, "sbNextEvent")->geometry();
    EXPECT_EQ(Control(&window, "pnlPlayCtrl")->width(), nextEvent.right() + 1 + 5);
    Tick(2);
    EXPECT_EQ(Caption(window, "lblElapsedTime"), "1 of 3");
    Tick();
    EXPECT_EQ(Caption(window, "lblElapsedTime"), "2 of 3");
    Tick(4);
    EXPECT_EQ(Caption(window, "lblElapsedTime"), "3 of 3");

    // A recording without events cuts the event buttons off.
    Drop({Write("plain.avi", Plan().Frames(3))});
    Click("bSkip");
    const QRect forward = Control(&window, "sbForward")->geometry();
    EXPECT_EQ(Control(&window, "pnlPlayCtrl")->width(), forward.right() + 1 + 5);
}

TEST_F(PlaybackTest, InAnotherLanguageTheTitlesKeepTheirTranslations) {
    WriteSettingsFile("[settings]\nTestLanguage=3\n");
    TfrmVNMain& window = Player();
    const QString elapsedTitle = Caption(window, "lblElapsedTimeTitle");
    const QString intervalTitle = Caption(window, "lblCapIntervalTitle");
    ASSERT_EQ(elapsedTitle, QString::fromUtf8("拍摄积累时间"));
    Drop({Write("events.avi", Plan().Frames(6).Events({2}))});
    Tick(3);
    EXPECT_EQ(Caption(window, "lblElapsedTime"), "2 of 2");
    EXPECT_EQ(Caption(window, "lblElapsedTimeTitle"), elapsedTitle);
    EXPECT_EQ(Caption(window, "lblCapIntervalTitle"), intervalTitle);
}

// A capture interval of 0, or a rate below one frame a second, plays at one
// frame a second: no timer that ticks without end, no entry that stops the
// play list, also when such a recording is the first one opened.
TEST_F(PlaybackTest, ARateOfZeroPlaysAtOneFrameASecondAndPlayingGoesOn) {
    TfrmVNMain& window = Player();
    const std::string still = Write("still.avi", Plan().Frames(3).Timing(0, 10));
    const std::string slow = Write("slow.avi", Plan().Frames(2).Timing(60, 30));
    const std::string next = Write("next.avi", Plan().Frames(4));
    Drop({still, slow, next});
    EXPECT_EQ(Caption(window, "lblRate"), "1");
    EXPECT_EQ(engine().Timer1.interval(), 1000);
    Click("sbPause");
    EXPECT_GE(engine().Timer1.interval(), 1000);
    Click("sbForward");
    Tick(2);
    EXPECT_EQ(Panel(3), "Frame 3");
    Tick();
    EXPECT_EQ(window.windowTitle(), "slow.avi");
    EXPECT_EQ(Caption(window, "lblRate"), "1");
    Tick(2);
    EXPECT_EQ(window.windowTitle(), "next.avi");
    EXPECT_EQ(Caption(window, "lblRate"), "10");
    Tick();
    EXPECT_EQ(Panel(3), "Frame 2");
}

}  // namespace
}  // namespace vn::app
