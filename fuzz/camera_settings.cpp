// The camera settings file's writer and the dialog's interval rules, on
// fuzzed values: the file composed from any settings and any clock the
// system may give, and each rule held to what it promises.
//   i32 x 5: the three intervals, the flicker and the mode
//   bytes: the four resolutions, the local time's six fields, then bits 0-1
//          the clock choice and bit 2 the resolution record
//   for each position of the mode switch: an interval (i32), then typed
//          hours (as the up-down gives them), minutes and seconds
//   Missing bytes read as 0.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "camset/interval_rules.h"
#include "camset/settings_file.h"

namespace {

// Reads the input front to back; zeros once it is used up.
class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    int32_t I32() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(Byte()) << (8 * i);
        return static_cast<int32_t>(value);
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

void Require(bool holds) {
    if (!holds) std::abort();
}

// Any local time a DOS date and time can hold, even second or not.
vn::DosDateTime LocalTime(Input& in) {
    vn::DosDateTime t;
    t.year = 1980 + in.Byte() % 128;
    t.month = 1 + in.Byte() % 12;
    t.day = 1 + in.Byte() % 31;
    t.hour = in.Byte() % 24;
    t.minute = in.Byte() % 60;
    t.second = in.Byte() % 60;
    return t;
}

void CheckIntervalRules(Input& in, int position) {
    const int seconds = in.I32();
    if (vn::camset::IsWritableInterval(seconds)) {
        Require(vn::camset::SplitInterval(seconds).Total() == seconds);
    }
    // What the dialog's fields can hold: its up-down's hours, two digits of
    // minutes and of seconds.
    const int hours = vn::camset::HoursFromUpDown(in.Byte() % (vn::camset::HoursUpDownMaximum(position) + 1));
    Require(vn::camset::HoursAccepted(hours, position));
    const vn::camset::IntervalFields typed{hours, in.Byte() % 100, in.Byte() % 100};
    for (const vn::camset::IntervalFields& f : {vn::camset::CarrySeconds(typed), vn::camset::CarryMinutes(typed)}) {
        Require(f.minutes >= 0 && f.minutes < 60 && f.seconds >= 0 && f.seconds < 100);
        Require(f.hours <= 12 || f.hours == 24);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    vn::camset::CameraSettings settings;
    settings.nInt1 = in.I32();
    settings.nInt2 = in.I32();
    settings.nInt3 = in.I32();
    settings.nFlicker = in.I32();
    settings.wCamMode = in.I32();
    for (int& resolution : settings.nResolution) resolution = in.Byte();
    const vn::DosDateTime now = LocalTime(in);
    const uint8_t switches = in.Byte();
    const auto choice = static_cast<vn::camset::ClockChoice>(switches % 3);
    const bool withResolution = (switches & 4) != 0;

    const vn::DateTimeFields clock = vn::camset::CardClock(now, choice);
    const std::vector<uint8_t> file = vn::camset::ComposeSettingsFile(settings, clock, withResolution);
    Require(file.size() == (withResolution ? 39u : 30u));

    int intervals[3] = {settings.nInt1, settings.nInt2, settings.nInt3};
    for (int& interval : intervals) {
        if (!vn::camset::IsWritableInterval(interval)) interval = 1;
    }
    vn::camset::KeepIncreasing(intervals);
    for (int position = 0; position < 3; ++position) CheckIntervalRules(in, position);
    return 0;
}
