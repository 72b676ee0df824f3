// The rules by which the camera settings dialog edits the three capture
// intervals, one per position of the camera's mode switch: hours up to 12,
// or 24 on the third position; minutes and seconds of 60 or more carried
// into the next larger unit; the intervals kept increasing from position to
// position.
#pragma once

namespace vn::camset {

struct IntervalFields {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;

    int Total() const { return hours * 3600 + minutes * 60 + seconds; }
    // 12 and 24 hours take no minutes or seconds.
    bool WholeHoursOnly() const { return hours == 12 || hours == 24; }
};

IntervalFields SplitInterval(int seconds);

// Positions are 0 to 2. Typed hours are taken below 13, and 24 on the third.
bool HoursAccepted(int hours, int switchPosition);
// The hours up-down reaches 13, which stands for 24, on the third position.
int HoursUpDownMaximum(int switchPosition);
int HoursFromUpDown(int position);
int UpDownFromHours(int hours);

// Hours set to 12 or 24 clear the minutes and seconds.
IntervalFields WithHours(IntervalFields fields, int hours);
// Minutes or seconds of 60 or more go on into the next larger unit; a carry
// past 12 hours stops at 12 hours.
IntervalFields CarryMinutes(IntervalFields fields);
IntervalFields CarrySeconds(IntervalFields fields);

// Each position's interval longer than the one before it.
void KeepIncreasing(int intervals[3]);

}  // namespace vn::camset
