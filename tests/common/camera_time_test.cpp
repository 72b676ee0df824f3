#include "common/camera_time.h"

#include <gtest/gtest.h>

#include <chrono>

#include "samplewriter/camera_date.h"

namespace vn {
namespace {

std::string Text(const DateTimeFields& t) { return FormatDate(t) + " " + FormatTime(t); }

std::string ClockText(uint64_t clock) {
    DateTimeFields t;
    EXPECT_TRUE(DateTimeFromClock(clock, t));
    return Text(t);
}

constexpr uint64_t kDay = 100 * 86400;

TEST(CameraClock, CountsTheDayOfMonthItself) {
    EXPECT_EQ(ClockFromCameraDate(0, 0, 0, 1, 1, 2004), 100u * 86400);
    EXPECT_EQ(ClockFromCameraDate(0, 0, 0, 1, 3, 2004), 100u * 86400 * 61);  // 2004 is a leap year
}

TEST(CameraClock, AgreesWithTheSampleWritersArithmetic) {
    // Two independent codings of the camera's date arithmetic.
    samples::CameraDate date{2004, 1, 1, 0, 0, 0};
    for (int step = 0; step < 2000; ++step) {
        date = samples::AddSeconds(date, 86400 * 7 + 3661);
        ASSERT_EQ(ClockFromCameraDate(date.second, date.minute, date.hour, date.day, date.month, date.year),
                  samples::CameraClock(date))
            << date.year << "-" << date.month << "-" << date.day;
    }
}

TEST(ClockDate, CountsHundredthsFromTheStartOf2004) {
    EXPECT_EQ(ClockText(0), "2004/01/01 00:00:00");
    EXPECT_EQ(ClockText(kDay), "2004/01/02 00:00:00");
    EXPECT_EQ(ClockText(kDay + 100 * 3661 + 99), "2004/01/02 01:01:01");
    EXPECT_EQ(ClockText(59 * kDay), "2004/02/29 00:00:00");  // 2004 is a leap year
}

TEST(ClockDate, BeyondItsLastDayLeavesTheDateAlone) {
    DateTimeFields t{1999, 9, 9, 9, 9, 9};
    EXPECT_FALSE(DateTimeFromClock((kLastClockDay + 1) * kDay, t));
    EXPECT_EQ(Text(t), "1999/09/09 09:09:09");
    EXPECT_TRUE(DateTimeFromClock(kLastClockDay * kDay + kDay - 1, t));
}

TEST(ClockDate, LastDayOfMostYearsComesOutAsMonth13) {
    DateTimeFields t;
    ASSERT_TRUE(DateTimeFromClock(730 * kDay, t));  // the camera's count for 2005-12-31
    EXPECT_EQ(t.month, 13);
}

// The camera's clock from its own date turned back into a date gives that
// date again for every day from 2005 on, or month 13 on 31 December.
TEST(ClockDate, CameraDatesComeBackAsWritten) {
    using namespace std::chrono;
    for (sys_days day = sys_days{2005y / January / 1}; day < sys_days{2095y / December / 31}; day += days{1}) {
        const year_month_day ymd{day};
        const int y = static_cast<int>(ymd.year());
        const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));
        const int d = static_cast<int>(static_cast<unsigned>(ymd.day()));
        DateTimeFields t;
        ASSERT_TRUE(DateTimeFromClock(ClockFromCameraDate(7, 8, 9, d, m, y), t));
        if (t.month == 13) {
            ASSERT_EQ(m, 12) << y;
            ASSERT_EQ(d, 31) << y;
            continue;
        }
        ASSERT_EQ(Text(t), Text(DateTimeFields{y, m, d, 9, 8, 7}));
    }
}

TEST(FileTime, ElapsedSecondsCarryIntoDaysMonthsAndYears) {
    EXPECT_EQ(Text(FileTimePlusSeconds({2010, 12, 31, 23, 59, 58}, 4)), "2011/01/01 00:00:02");
    EXPECT_EQ(Text(FileTimePlusSeconds({2010, 12, 15, 23, 0, 0}, 7200)), "2010/12/16 01:00:00");
    EXPECT_EQ(Text(FileTimePlusSeconds({2012, 2, 28, 12, 0, 0}, 86400)), "2012/02/29 12:00:00");
    EXPECT_EQ(Text(FileTimePlusSeconds({2011, 2, 28, 12, 0, 0}, 86400)), "2011/03/01 12:00:00");
    EXPECT_EQ(Text(FileTimePlusSeconds({2012, 2, 28, 23, 45, 0}, 0)), "2012/02/28 23:45:00");
}

// Against the civil calendar, which agrees with the cameras' leap years
// within 1901..2099, for spans from seconds to decades.
TEST(FileTime, AgreesWithTheCalendarOverLongSpans) {
    using namespace std::chrono;
    const DosDateTime file{2003, 3, 30, 22, 10, 4};
    const sys_seconds start = sys_days{2003y / March / 30} + hours{22} + minutes{10} + seconds{4};
    for (int64_t elapsed = 1; elapsed < int64_t{90} * 365 * 86400; elapsed = elapsed * 3 + 7) {
        const sys_seconds then = start + seconds{elapsed};
        const sys_days day = floor<days>(then);
        const year_month_day ymd{day};
        const hh_mm_ss clock{then - day};
        const DateTimeFields expected{static_cast<int>(ymd.year()),
                                      static_cast<int>(static_cast<unsigned>(ymd.month())),
                                      static_cast<int>(static_cast<unsigned>(ymd.day())),
                                      static_cast<int>(clock.hours().count()),
                                      static_cast<int>(clock.minutes().count()),
                                      static_cast<int>(clock.seconds().count())};
        ASSERT_EQ(Text(FileTimePlusSeconds(file, elapsed)), Text(expected)) << elapsed;
    }
}

TEST(FileTime, HugeElapsedTimesFinish) {
    const DateTimeFields t = FileTimePlusSeconds({2010, 1, 1, 0, 0, 0}, int64_t{1} << 58);
    EXPECT_GT(t.year, 2010);
    EXPECT_GE(t.month, 1);
    EXPECT_LE(t.month, 12);
}

TEST(DosTime, KeepsEvenSecondsWithinTheDosYears) {
    std::tm local{};
    local.tm_year = 112;
    local.tm_mon = 1;
    local.tm_mday = 28;
    local.tm_hour = 23;
    local.tm_min = 45;
    local.tm_sec = 59;
    const DosDateTime dos = DosDateTimeFromLocal(local);
    EXPECT_EQ(Text(FileTimePlusSeconds(dos, 0)), "2012/02/28 23:45:58");
    local.tm_year = 70;
    EXPECT_EQ(Text(FileTimePlusSeconds(DosDateTimeFromLocal(local), 0)), "1980/01/01 00:00:00");
}

}  // namespace
}  // namespace vn
