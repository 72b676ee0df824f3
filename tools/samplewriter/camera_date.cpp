#include "samplewriter/camera_date.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>

namespace vn::samples {

namespace {

constexpr int kDaysBeforeMonth[13] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

bool IsLeap(int year) { return year % 4 == 0; }

int DaysInMonth(int year, int month) {
    return kDaysBeforeMonth[month] - kDaysBeforeMonth[month - 1] + (month == 2 && IsLeap(year) ? 1 : 0);
}

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0); }

}  // namespace

CameraDate AddSeconds(const CameraDate& date, int64_t seconds) {
    int64_t secondOfDay = date.hour * 3600LL + date.minute * 60LL + date.second + seconds;
    int64_t dayShift = FloorDiv(secondOfDay, 86400);
    secondOfDay -= dayShift * 86400;

    CameraDate out = date;
    out.hour = static_cast<int>(secondOfDay / 3600);
    out.minute = static_cast<int>(secondOfDay / 60 % 60);
    out.second = static_cast<int>(secondOfDay % 60);
    int64_t day = out.day + dayShift;
    while (day > DaysInMonth(out.year, out.month)) {
        day -= DaysInMonth(out.year, out.month);
        if (++out.month > 12) out.month = 1, ++out.year;
    }
    while (day < 1) {
        if (--out.month < 1) out.month = 12, --out.year;
        day += DaysInMonth(out.year, out.month);
    }
    out.day = static_cast<int>(day);
    return out;
}

uint64_t CameraClock(const CameraDate& date) {
    const int monthsBefore = std::clamp(date.month - 1, 0, 12);
    const bool passedLeapDay = IsLeap(date.year) && monthsBefore >= 2;
    const int64_t days = date.day + kDaysBeforeMonth[monthsBefore] + (passedLeapDay ? 1 : 0) +
                         365LL * (date.year - 2004) + (date.year - 2005) / 4;
    const int64_t seconds = days * 86400 + date.hour * 3600LL + date.minute * 60LL + date.second;
    return static_cast<uint64_t>(seconds * 100);
}

bool SetModificationTime(const std::string& path, const CameraDate& local) {
    std::tm parts{};
    parts.tm_year = local.year - 1900;
    parts.tm_mon = local.month - 1;
    parts.tm_mday = local.day;
    parts.tm_hour = local.hour;
    parts.tm_min = local.minute;
    parts.tm_sec = local.second;
    parts.tm_isdst = -1;
    const std::time_t time = std::mktime(&parts);
    if (time == static_cast<std::time_t>(-1)) return false;
    std::error_code error;
    const auto fileTime = std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(time));
    std::filesystem::last_write_time(path, fileTime, error);
    return !error;
}

}  // namespace vn::samples
