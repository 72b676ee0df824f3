// Calendar dates as the cameras write them, and the clock count a camera
// derives from one.
#pragma once

#include <cstdint>
#include <string>

namespace vn::samples {

struct CameraDate {
    int year = 2004;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const CameraDate&) const = default;
};

// The date the given number of seconds later (or earlier when negative),
// in the proleptic calendar the cameras use (leap year every fourth year).
CameraDate AddSeconds(const CameraDate& date, int64_t seconds);

// The camera's clock count for a date, in units of 10 ms since 2004-01-01.
// It counts the day of the month itself (not day - 1) and leap days from
// 2005 on one short, the two slips cancelling for readers that convert back.
uint64_t CameraClock(const CameraDate& date);

// Gives the file at path the local time `local` as its modification time;
// false on failure.
bool SetModificationTime(const std::string& path, const CameraDate& local);

}  // namespace vn::samples
