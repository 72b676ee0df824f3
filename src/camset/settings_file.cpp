#include "camset/settings_file.h"

#include <algorithm>
#include <sys/stat.h>

#include "common/output_file.h"

namespace vn::camset {

namespace {

constexpr uint8_t kSignature[2] = {0xB6, 0xC3};
constexpr uint8_t kCaptureRecord = 0x28;
constexpr uint8_t kClockRecord = 0x29;
constexpr uint8_t kResolutionRecord = 0x2A;
constexpr int kLongestInterval = 12 * 3600;
// Values of the capture record the camera expects, whatever is chosen.
constexpr uint16_t kFixed180 = 180;
constexpr uint16_t kFixed60 = 60;
constexpr uint16_t kFixed2 = 2;
constexpr uint16_t kOneDayWord = 0xFFFF;
constexpr int kDosFirstYear = 1980;
constexpr int kDosLastYear = 2107;

class RecordWriter {
public:
    void Begin(uint8_t tag, uint16_t payloadLength) {
        bytes.insert(bytes.end(), std::begin(kSignature), std::end(kSignature));
        U16(payloadLength);
        bytes.push_back(tag);
    }
    void U16(uint32_t value) {
        bytes.push_back(static_cast<uint8_t>(value));
        bytes.push_back(static_cast<uint8_t>(value >> 8));
    }
    std::vector<uint8_t> bytes;
};

uint16_t IntervalWord(int seconds) {
    return seconds == kOneDay ? kOneDayWord : static_cast<uint16_t>(std::clamp(seconds, 0, 0xFFFF));
}

uint16_t DosTime(const DateTimeFields& t) { return static_cast<uint16_t>(t.hour << 11 | t.minute << 5 | t.second / 2); }

uint16_t DosDate(const DateTimeFields& t) {
    const int year = std::clamp(t.year, kDosFirstYear, kDosLastYear) - kDosFirstYear;
    return static_cast<uint16_t>(year << 9 | t.month << 5 | t.day);
}

}  // namespace

DateTimeFields CardClock(const DosDateTime& localNow, ClockChoice choice) {
    constexpr int kSeconds[] = {0, 60, 300};
    return FileTimePlusSeconds(localNow, kSeconds[static_cast<int>(choice)]);
}

bool IsWritableInterval(int seconds) { return (seconds >= 1 && seconds <= kLongestInterval) || seconds == kOneDay; }

std::vector<uint8_t> ComposeSettingsFile(const CameraSettings& s, const DateTimeFields& clock, bool withResolution) {
    RecordWriter w;
    w.Begin(kCaptureRecord, 16);
    w.U16(IntervalWord(s.nInt1));
    w.U16(IntervalWord(s.nInt2));
    w.U16(IntervalWord(s.nInt3));
    w.U16(kFixed180);
    w.U16(static_cast<uint16_t>(s.nFlicker));
    w.U16(kFixed60);
    w.U16(kFixed2);
    w.U16(static_cast<uint16_t>(s.wCamMode));
    w.Begin(kClockRecord, 4);
    w.U16(DosTime(clock));
    w.U16(DosDate(clock));
    if (withResolution) {
        w.Begin(kResolutionRecord, 4);
        for (int resolution : s.nResolution) w.bytes.push_back(static_cast<uint8_t>(resolution));
    }
    return std::move(w.bytes);
}

WriteSettingsResult WriteSettingsFile(const std::string& cardRoot, std::span<const uint8_t> bytes,
                                      std::string* reason) {
    if (cardRoot.empty()) return WriteSettingsResult::kNoDirectory;
    const std::string root = cardRoot.back() == '/' ? cardRoot : cardRoot + "/";
    const std::string folder = root + kSettingsFolder;
    OutputFile file;
    if (!file.Create(folder + "/" + kSettingsFileName)) {
        // A card fresh from the shop has neither folder.
        ::mkdir((root + "DCIM").c_str(), 0777);
        ::mkdir(folder.c_str(), 0777);
        if (!file.Create(folder + "/" + kSettingsFileName)) {
            if (reason) *reason = file.ErrorText();
            return WriteSettingsResult::kNoDirectory;
        }
    }
    if (file.Write(bytes) && file.Commit()) return WriteSettingsResult::kWritten;
    if (reason) *reason = file.ErrorText();
    return WriteSettingsResult::kWriteFailed;
}

}  // namespace vn::camset
