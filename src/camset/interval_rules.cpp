#include "camset/interval_rules.h"

namespace vn::camset {

namespace {

constexpr int kThirdPosition = 2;
constexpr int kLongestHours = 12;
constexpr int kDayHours = 24;
constexpr int kDayUpDown = 13;
// An interval not in use; it need not follow the others.
constexpr int kUnused = -1;

IntervalFields LimitedToTwelveHours(IntervalFields f) {
    if (f.hours >= kLongestHours && f.hours != kDayHours) f = IntervalFields{kLongestHours, 0, 0};
    return f;
}

}  // namespace

IntervalFields SplitInterval(int seconds) { return {seconds / 3600, (seconds / 60) % 60, seconds % 60}; }

bool HoursAccepted(int hours, int switchPosition) {
    return (hours >= 0 && hours <= kLongestHours) || (hours == kDayHours && switchPosition == kThirdPosition);
}

int HoursUpDownMaximum(int switchPosition) { return switchPosition == kThirdPosition ? kDayUpDown : kLongestHours; }

int HoursFromUpDown(int position) { return position == kDayUpDown ? kDayHours : position; }

int UpDownFromHours(int hours) { return hours == kDayHours ? kDayUpDown : hours; }

IntervalFields WithHours(IntervalFields f, int hours) {
    f.hours = hours;
    if (f.WholeHoursOnly()) f.minutes = f.seconds = 0;
    return f;
}

IntervalFields CarryMinutes(IntervalFields f) {
    f.hours += f.minutes / 60;
    f.minutes %= 60;
    return LimitedToTwelveHours(f);
}

IntervalFields CarrySeconds(IntervalFields f) {
    f.minutes += f.seconds / 60;
    f.seconds %= 60;
    return CarryMinutes(f);
}

void KeepIncreasing(int w[3]) {
    if (w[0] >= w[1]) w[1] = w[0] + 1;
    if (w[1] >= w[2] && w[2] != kUnused) w[2] = w[1] + 1;
}

}  // namespace vn::camset
