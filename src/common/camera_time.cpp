#include "common/camera_time.h"

#include <algorithm>
#include <ctime>

#include "common/text_format.h"

namespace vn {

namespace {

// February has 29 days in every year divisible by 4, as the cameras count.
int MonthLength(int month, int64_t year) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 31;
    return month == 2 && year % 4 == 0 ? 29 : kDays[month - 1];
}

// Forty-eight months in a row always hold 1461 days under the rule above.
constexpr int64_t kDaysIn4Years = 1461;

}  // namespace

uint64_t ClockFromCameraDate(int second, int minute, int hour, int day, int month, int year) {
    int64_t t = second + 60LL * minute + 3600LL * hour + 86400LL * day;
    for (int m = 1; m < month && m <= 12; ++m) t += 86400LL * MonthLength(m, year);
    t += 31536000LL * (year - 2004) + 86400LL * ((year - 2005) / 4);
    return static_cast<uint64_t>(t * 100);
}

bool DateTimeFromClock(uint64_t clock, DateTimeFields& out) {
    const uint64_t s = clock / 100;
    const uint64_t days = s / 86400;
    if (days > kLastClockDay) return false;
    out.second = static_cast<int>(s % 60);
    out.minute = static_cast<int>(s / 60 % 60);
    out.hour = static_cast<int>(s / 3600 % 24);
    const uint32_t y = static_cast<uint32_t>((days - days / 1460) / 365);
    // Wraps below zero when the year estimate is one too high; the month
    // walk then runs through all twelve months.
    uint32_t d = static_cast<uint32_t>(days) - (365 * y + (y + 3) / 4);
    int monthsPassed = 0;
    while (monthsPassed < 12) {
        const uint32_t length = static_cast<uint32_t>(MonthLength(monthsPassed + 1, y));
        if (d < length) break;
        d -= length;
        ++monthsPassed;
    }
    out.month = monthsPassed + 1;
    out.day = static_cast<int>(d + 1);
    out.year = static_cast<int>(2004 + y);
    return true;
}

DateTimeFields FileTimePlusSeconds(const DosDateTime& file, int64_t seconds) {
    // Far beyond any elapsed time; keeps the sums below from overflowing.
    constexpr int64_t kLimit = int64_t{1} << 60;
    const int64_t t = file.second + 60 * file.minute + 3600 * file.hour + std::clamp(seconds, -kLimit, kLimit);
    const int64_t hours = t / 3600;
    DateTimeFields out;
    out.minute = static_cast<int>(t % 3600 / 60);
    out.second = static_cast<int>(t % 60);
    if (hours < 24) {
        out.hour = static_cast<int>(hours);
        out.year = file.year;
        out.month = file.month;
        out.day = file.day;
        return out;
    }
    out.hour = static_cast<int>(hours % 24);
    int64_t days = hours / 24 + file.day;
    int month = file.month;
    int64_t year = file.year;
    if (days > kDaysIn4Years + 31) {
        const int64_t cycles = (days - 32) / kDaysIn4Years;
        days -= cycles * kDaysIn4Years;
        year += 4 * cycles;
    }
    while (MonthLength(month, year) < days) {
        days -= MonthLength(month, year);
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    out.year = static_cast<int>(year);
    out.month = month;
    out.day = static_cast<int>(days);
    return out;
}

DosDateTime DosDateTimeFromLocal(const std::tm& local) {
    const int year = local.tm_year + 1900;
    if (year < 1980) return DosDateTime{};
    if (year > 2107) return DosDateTime{2107, 12, 31, 23, 59, 58};
    return DosDateTime{year,          local.tm_mon + 1, local.tm_mday,
                       local.tm_hour, local.tm_min,     std::min(local.tm_sec, 59) & ~1};
}

bool LocalDosDateTime(int64_t seconds, DosDateTime& out) {
    const time_t time = static_cast<time_t>(seconds);
    std::tm local{};
    tzset();  // localtime_r alone may keep a time zone read before TZ changed
    if (!localtime_r(&time, &local)) return false;
    out = DosDateTimeFromLocal(local);
    return true;
}

std::string FormatDate(const DateTimeFields& t) { return Format("%d/%2.2d/%2.2d", t.year, t.month, t.day); }

std::string FormatTime(const DateTimeFields& t) { return Format("%2.2d:%2.2d:%2.2d", t.hour, t.minute, t.second); }

}  // namespace vn
