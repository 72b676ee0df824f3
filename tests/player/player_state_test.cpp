#include "player/player_state.h"

#include <gtest/gtest.h>

#include <limits>

namespace vn::player {
namespace {

TEST(SpeedBar, TopIsThirtyBottomIsOne) {
    EXPECT_EQ(RateForSpeedBarPosition(0), 30);
    EXPECT_EQ(RateForSpeedBarPosition(kSpeedBarLastPosition), 1);
    EXPECT_EQ(SpeedBarPositionForRate(30), 0);
    EXPECT_EQ(SpeedBarPositionForRate(12), 18);
    // A recording may ask for more than the bar can show.
    EXPECT_EQ(SpeedBarPositionForRate(60), 0);
    EXPECT_EQ(SpeedBarPositionForRate(0), kSpeedBarLastPosition);
    // Any number the settings file holds (found by fuzzing: the subtraction overflowed).
    EXPECT_EQ(SpeedBarPositionForRate(std::numeric_limits<int>::min()), kSpeedBarLastPosition);
    EXPECT_EQ(SpeedBarPositionForRate(std::numeric_limits<int>::max()), 0);
}

TEST(ApplyRate, IntervalsFollowTheRateTable) {
    const struct {
        int position, intervalMs;
    } rows[] = {{0, 33}, {1, 34}, {6, 41}, {14, 62}, {19, 90}, {23, 142}, {24, 166}, {27, 333}, {29, 1000}};
    for (const auto& row : rows) {
        PlayerState state;
        state.g_nFrameWorkMs = 1;
        ASSERT_TRUE(state.ApplyRate(RateForSpeedBarPosition(row.position)));
        EXPECT_EQ(state.g_nFrameIntervalMs, row.intervalMs) << "position " << row.position;
        EXPECT_EQ(state.g_nTimerIntervalMs, row.intervalMs);
        EXPECT_EQ(state.g_nFramesPerTick, 1);
    }
}

TEST(ApplyRate, ASlowFrameLengthensTheTickAndSkipsFrames) {
    PlayerState state;
    state.g_nFrameWorkMs = 100;
    state.ApplyRate(30);
    EXPECT_EQ(state.g_nTimerIntervalMs, 100);
    EXPECT_EQ(state.g_nFramesPerTick, 3);

    state.g_nFrameWorkMs = 250;
    state.ApplyRate(30);
    EXPECT_EQ(state.g_nTimerIntervalMs, 250);
    EXPECT_EQ(state.g_nFramesPerTick, 7);
}

// No work is assumed for a frame never timed: 30 frames a second tick as
// such until the first frame shown is measured.
TEST(ApplyRate, AFrameNeverMeasuredLeavesTheRateAlone) {
    PlayerState state;
    state.ApplyRate(30);
    EXPECT_EQ(state.g_nFrameWorkMs, -1);
    EXPECT_EQ(state.g_nFramesPerTick, 1);
    EXPECT_EQ(state.g_nTimerIntervalMs, 33);
}

TEST(ApplyRate, RateZeroStandsStill) {
    PlayerState state;
    state.g_nTimerIntervalMs = 66;
    EXPECT_FALSE(state.ApplyRate(0));
    EXPECT_EQ(state.g_nFramesPerTick, 0);
    EXPECT_EQ(state.g_nDirection, 0);
    EXPECT_EQ(state.g_nTimerIntervalMs, 66);
    // A negative rate read from a settings file is no rate either.
    EXPECT_FALSE(state.ApplyRate(-4));
}

TEST(ApplyRate, AHugeRateFromARecordingDoesNotDivideByZero) {
    PlayerState state;
    state.g_nFrameWorkMs = 20;
    ASSERT_TRUE(state.ApplyRate(5000));
    EXPECT_EQ(state.g_nFrameIntervalMs, 1);
    EXPECT_EQ(state.g_nFramesPerTick, 20);
    EXPECT_EQ(state.g_nTimerIntervalMs, 20);
}

TEST(RateFromRecording, PlaybackValueOverCaptureInterval) {
    EXPECT_EQ(RateFromRecording(50, 5), 10);
    EXPECT_EQ(RateFromRecording(15, 1), 15);
    EXPECT_EQ(RateFromRecording(90, 2), 45);
    // Below one frame a second, or nothing to divide by: one a second.
    EXPECT_EQ(RateFromRecording(5, 10), 1);
    EXPECT_EQ(RateFromRecording(30, 0), 1);
    EXPECT_EQ(RateFromRecording(30, -3), 1);
    EXPECT_EQ(RateFromRecording(0, 5), 1);
}

}  // namespace
}  // namespace vn::player
