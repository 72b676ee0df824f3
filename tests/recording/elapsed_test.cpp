#include "recording/elapsed.h"

#include <gtest/gtest.h>

#include <vector>

namespace vn::avi {
namespace {

TEST(FormatElapsed, HoursBelowADayThenDaysOnTwoLines) {
    EXPECT_EQ(FormatElapsed(0), "0:00:00");
    EXPECT_EQ(FormatElapsed(3661), "1:01:01");
    EXPECT_EQ(FormatElapsed(86399), "23:59:59");
    EXPECT_EQ(FormatElapsed(86400), "days: 1\n0:00:00");
    EXPECT_EQ(FormatElapsed(3 * 86400 + 7322), "days: 3\n2:02:02");
}

TEST(EventNumberText, CountsTheEventsAtOrBeforeTheFrame) {
    const std::vector<int32_t> events{3, 17, 31, 39};
    EXPECT_EQ(EventNumberText(events, 0), "1 of 5");
    EXPECT_EQ(EventNumberText(events, 3), "2 of 5");
    EXPECT_EQ(EventNumberText(events, 16), "2 of 5");
    EXPECT_EQ(EventNumberText(events, 39), "5 of 5");
    EXPECT_EQ(EventNumberText({}, 7), "1 of 1");
}

TEST(ElapsedClock, FramesWithAClockSumTheirIntervals) {
    ElapsedClock clock;
    clock.Reset(true, 60);
    EXPECT_EQ(clock.ShowFrame(0, 0, 500), 0);
    EXPECT_EQ(clock.ShowFrame(1, 1500, 650), 1);
    EXPECT_EQ(clock.ShowFrame(2, 1500, 800), 3);
    // The sum grows whatever the direction.
    EXPECT_EQ(clock.ShowFrame(1, -1500, 650), 1);
    EXPECT_EQ(clock.g_nElapsedMsSum, 1500);
}

TEST(ElapsedClock, WithoutAClockFramesCountTheInterval) {
    ElapsedClock clock;
    clock.Reset(false, 60);
    EXPECT_EQ(clock.ShowFrame(29, 0, 0), 1740);
    EXPECT_FALSE(clock.framesCarryClock());
}

TEST(ElapsedClock, AClockMetLaterStartsTheSumAtZero) {
    ElapsedClock clock;
    clock.Reset(false, 10);
    EXPECT_EQ(clock.ShowFrame(4, 0, 0), 40);
    // The first clock's interval is measured from nothing and is not counted.
    EXPECT_EQ(clock.ShowFrame(5, 2000000000, 123456), 0);
    EXPECT_TRUE(clock.framesCarryClock());
    EXPECT_EQ(clock.ShowFrame(6, 2500, 123706), 2);
    // A frame without a clock adds its interval all the same.
    EXPECT_EQ(clock.ShowFrame(7, 1000, 0), 3);
    clock.Reset(false, 10);
    EXPECT_EQ(clock.ShowFrame(8, 5000, 0), 80);
}

TEST(ElapsedClock, LongRecordingsDoNotOverflow) {
    ElapsedClock clock;
    clock.Reset(false, 86400);
    EXPECT_EQ(clock.ShowFrame(2000000000, 0, 0), int64_t{2000000000} * 86400);
}

}  // namespace
}  // namespace vn::avi
