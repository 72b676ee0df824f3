#include "camset/interval_rules.h"

#include <gtest/gtest.h>

namespace vn::camset {
namespace {

bool Same(const IntervalFields& a, const IntervalFields& b) {
    return a.hours == b.hours && a.minutes == b.minutes && a.seconds == b.seconds;
}

TEST(IntervalRules, SplitAndTotal) {
    EXPECT_TRUE(Same(SplitInterval(3725), {1, 2, 5}));
    EXPECT_TRUE(Same(SplitInterval(86400), {24, 0, 0}));
    EXPECT_EQ((IntervalFields{12, 0, 0}).Total(), 43200);
}

TEST(IntervalRules, HoursUpToTwelveOrADayOnTheThirdPosition) {
    EXPECT_TRUE(HoursAccepted(12, 0));
    EXPECT_FALSE(HoursAccepted(13, 2));
    EXPECT_FALSE(HoursAccepted(24, 1));
    EXPECT_TRUE(HoursAccepted(24, 2));
    EXPECT_EQ(HoursUpDownMaximum(2), 13);
    EXPECT_EQ(HoursUpDownMaximum(0), 12);
    EXPECT_EQ(HoursFromUpDown(13), 24);
    EXPECT_EQ(UpDownFromHours(24), 13);
    EXPECT_EQ(HoursFromUpDown(7), 7);
}

TEST(IntervalRules, WholeHoursClearMinutesAndSeconds) {
    EXPECT_TRUE(Same(WithHours({3, 10, 20}, 12), {12, 0, 0}));
    EXPECT_TRUE(Same(WithHours({3, 10, 20}, 24), {24, 0, 0}));
    EXPECT_TRUE(Same(WithHours({3, 10, 20}, 5), {5, 10, 20}));
}

TEST(IntervalRules, CarriesIntoTheNextUnitUpToTwelveHours) {
    EXPECT_TRUE(Same(CarryMinutes({0, 75, 0}), {1, 15, 0}));
    EXPECT_TRUE(Same(CarrySeconds({0, 59, 61}), {1, 0, 1}));
    EXPECT_TRUE(Same(CarryMinutes({11, 75, 30}), {12, 0, 0}));
    EXPECT_TRUE(Same(CarrySeconds({2, 3, 45}), {2, 3, 45}));
}

TEST(IntervalRules, EachPositionLongerThanTheOneBefore) {
    int w[3] = {10, 5, 8};
    KeepIncreasing(w);
    EXPECT_EQ(w[1], 11);
    EXPECT_EQ(w[2], 12);
    int unused[3] = {1, 2, -1};
    KeepIncreasing(unused);
    EXPECT_EQ(unused[2], -1);
    int day[3] = {1, 2, 86400};
    KeepIncreasing(day);
    EXPECT_EQ(day[2], 86400);
}

}  // namespace
}  // namespace vn::camset
