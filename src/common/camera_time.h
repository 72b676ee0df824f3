// The cameras' time arithmetic: a capture date turned into the frame clock
// and the clock turned back into a date, and the file's modification time
// moved on by a frame's elapsed seconds. All keep the cameras' own
// arithmetic, quirks included, so that dates read as the cameras' software
// shows them.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace vn {

// The file's modification time in local time, in DOS form (two-second steps,
// years 1980 to 2107).
struct DosDateTime {
    int year = 1980, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;  // second is even
};

struct DateTimeFields {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};

// Days counted from 2004-01-01 beyond which a clock is not a date.
constexpr uint64_t kLastClockDay = 35040;

// Frame clock from a "ts" capture date, in units of 10 ms since 2004-01-01,
// with the camera's own day-of-month and leap-day arithmetic.
uint64_t ClockFromCameraDate(int second, int minute, int hour, int day, int month, int year);

// Converts a frame clock (hundredths of a second, day 0 being 2004-01-01).
// False, out untouched, when its day number is beyond kLastClockDay. On the
// last day of most years the year estimate is one too high and the month
// comes out as 13; callers treat such a month as no date.
bool DateTimeFromClock(uint64_t clock, DateTimeFields& out);

// The file time plus seconds, carried into later days, months and years.
DateTimeFields FileTimePlusSeconds(const DosDateTime& file, int64_t seconds);

DosDateTime DosDateTimeFromLocal(const std::tm& local);

// A file time (seconds since the epoch) in local time, in DOS form; false
// when it cannot be converted.
bool LocalDosDateTime(int64_t seconds, DosDateTime& out);

std::string FormatDate(const DateTimeFields& t);  // "%d/%2.2d/%2.2d"
std::string FormatTime(const DateTimeFields& t);  // "%2.2d:%2.2d:%2.2d"

}  // namespace vn
