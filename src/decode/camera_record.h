// The camera's per-frame records, carried in the JPEG application and
// comment segments of every frame. The marker walk hands each segment's
// payload to CameraRecords, which keeps the latest values: a field that a
// frame does not carry keeps the value of the last frame that did.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vn::jpeg {

// APP15 "ts" record. Values shown as unknown start at -1.
struct FrameCameraRecord {
    int unnamed = 0;                // payload 1
    int luma = -1;                  // payload 3
    int retries = 0;                // payload 5
    int temperature = 0;            // payload 7, signed
    int temperatureUnit = 0;        // payload 9; its low byte is a character
    int minBattery = -1;            // payload 11
    int64_t physExposure = -1;      // payload 13, u32
    int aeGain = -1;                // payload 17
    int rgbGain[3] = {-1, -1, -1};  // payload 19, 21, 23
    // Capture date, payload 33..40.
    int second = 0, minute = 0, hour = 0, day = 0, month = 0, year = 0;
    int rgbAvg[3] = {-1, -1, -1};    // payload 49, 51, 53
    int signature[2] = {0, 0};       // payload 55, 57
    int checksum[4] = {0, 0, 0, 0};  // payload 59, 61, 63, 65 (the last two are luma 1 and 2)
    int luma1 = -1;                  // payload 63
    int luma2 = -1;                  // payload 65
    int64_t rawExposure = -1;        // payload 67, u32
    int battery = 0;                 // payload 71
    int exposureType = 0;            // payload 73
    int whiteBalanceMode = 0;        // payload 75
    std::string firmware;            // payload 81, up to 15 characters
    int fpgaRevision = -1;           // payload 97
    int awbSamples = -1;             // no record sets it
    int cameraKind = 0;              // payload 101; 0 ends the record
    // Kind-specific bytes at payload 102..114 (index = offset - 102).
    uint8_t specific[13] = {};

    uint8_t Specific(int payloadOffset) const { return specific[payloadOffset - 102]; }
};

// APP15 "finf" record: 36 bytes copied from payload offset 1.
struct FrameInfoRecord {
    uint8_t bytes[36] = {};
    int valid() const { return bytes[4] | bytes[5] << 8; }
    int second() const { return bytes[6]; }
    int minute() const { return bytes[7]; }
    int hour() const { return bytes[8]; }
    int day() const { return bytes[9]; }
    int month() const { return bytes[10]; }
    int year() const { return bytes[12] | bytes[13] << 8; }
};

// APP4 record: the first 32 payload bytes.
struct ExposureRecord {
    uint8_t bytes[32] = {};
    int Word(int offset) const { return bytes[offset] | bytes[offset + 1] << 8; }
    int exposure() const { return Word(2); }
    int luminance() const { return Word(4); }
    int cameraReady() const { return Word(6); }
    int vsyncs() const { return Word(8); }
    int target() const { return Word(12); }
    int flicker() const { return Word(18); }
    int gain() const { return Word(22); }
    int physExposure() const { return Word(26); }
};

class CameraRecords {
public:
    // Called at the start of every marker walk.
    void BeginWalk();
    // Forgets every record read, as at program start, when another recording
    // is opened: its frames must not show the last one's camera. The clock
    // dump switch stays.
    void ForgetRecords();

    // Segment payloads (the bytes after the two length bytes).
    void ReadApp4(std::span<const uint8_t> payload);
    void ReadApp5(std::span<const uint8_t> payload);
    void ReadApp15(std::span<const uint8_t> payload);
    void ReadComment(std::span<const uint8_t> payload);

    FrameCameraRecord frame;       // FrameCameraRecord
    bool recordSeen = false;       // a "ts" record has been read since start
    FrameInfoRecord info;          // FrameInfoRecord
    ExposureRecord exposure;       // ExposureRecord
    bool exposurePresent = false;  // APP4 present in this frame
    bool hasEventByte = false;     // APP5 present in this frame
    uint8_t EventByte = 0;
    uint64_t FrameClock = 0;  // units of 10 ms; 0 when the frame has no clock

    // CameraFamilyFlags: a "Morvat" comment was seen, and it did not name "WRD".
    bool familySeen = false;
    bool familyNotWrd = false;

    // Trigger edge of a kind-3 camera: raised when the sensor bit turns on.
    bool triggerEdge = false;
    bool triggerRemembered = false;

    // Clock dump switch and the lines it produces, taken by the diagnostics list.
    bool bDumpRTCData = false;
    std::vector<std::string> rtcDumpLines;

    // What the last walk met, for diagnostics and tools.
    struct WalkFacts {
        bool tsRecord = false;
        bool finfRecord = false;
        bool clockRecord = false;
        uint64_t clockRecordValue = 0;
        bool morvatComment = false;
        int dhtSegments = 0;
        int dqtSegments = 0;
    } walk;
};

}  // namespace vn::jpeg
