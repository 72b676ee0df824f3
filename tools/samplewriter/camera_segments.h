// The camera's per-frame records as JPEG segments: APP15 "ts" and "finf"
// records, APP4 exposure record, APP5 event byte, COM clock and text.
// Segment lengths are big-endian as in any JPEG; the values inside the
// records are little-endian.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "samplewriter/camera_date.h"

namespace vn::samples {

constexpr uint8_t kApp4 = 0xE4;
constexpr uint8_t kApp5 = 0xE5;
constexpr uint8_t kApp15 = 0xEF;
constexpr uint8_t kComment = 0xFE;

// 0xFF, marker, big-endian length (payload + 2), payload. Empty when the
// payload does not fit a segment (more than 65533 bytes).
std::vector<uint8_t> Segment(uint8_t marker, std::span<const uint8_t> payload);

// The JPEG with the segments placed right after its SOI marker, where the
// cameras put their records. Empty when the JPEG does not begin with SOI.
std::vector<uint8_t> InsertAfterSoi(std::span<const uint8_t> jpeg, std::span<const uint8_t> segments);

// APP15 "ts" record; comments give the payload offsets.
struct TsRecord {
    uint16_t unnamed = 0;            // 1
    uint16_t luma = 0;               // 3
    uint16_t retries = 0;            // 5
    int16_t temperature = 0;         // 7
    uint16_t temperatureUnit = 'C';  // 9; the low byte is the unit character
    uint16_t minBattery = 0;         // 11
    uint32_t physExposure = 0;       // 13
    uint16_t aeGain = 0;             // 17
    uint16_t rgbGain[3] = {};        // 19, 21, 23
    CameraDate date;                 // 33..42; "ts" signature at 31
    uint16_t rgbAvg[3] = {};         // 49, 51, 53
    uint16_t signature[2] = {};      // 55, 57
    uint16_t checksum[2] = {};       // 59, 61; checksums 3 and 4 are luma1 and luma2
    uint16_t luma1 = 0;              // 63
    uint16_t luma2 = 0;              // 65
    uint32_t rawExposure = 0;        // 67
    uint16_t battery = 0;            // 71
    uint16_t exposureType = 0;       // 73
    uint16_t whiteBalanceMode = 0;   // 75
    std::string firmware;            // 81, up to 15 characters
    uint16_t fpgaRevision = 0;       // 97
    uint8_t cameraKind = 0;          // 101; 0 ends the record for readers
    uint8_t quality = 0;             // 102, high nibble
    uint8_t bandFilter = 0;          // 102, low nibble
    uint8_t scene = 0;               // 103
    uint8_t exposureValue = 0;       // 104
    uint8_t timerStart = 0;          // 105, quarter hours after midnight
    uint8_t timerStop = 0;           // 107
    uint8_t switches = 0;            // 109: bit 0 time stamp, bit 1 LED, bit 2 low light
    // Kinds 2 and 4: 110..114.
    uint8_t whiteBalance = 0;
    uint8_t contrast = 0;
    uint8_t sharpness = 0;
    uint8_t saturation = 0;
    uint8_t hdrRange = 0;
    bool triggerSensor = false;  // kind 3: bit 3 of byte 110
};

constexpr size_t kTsPayloadSize = 120;
std::vector<uint8_t> TsPayload(const TsRecord& record);

// APP15 "finf" record at payload offset 1; valid 0 marks a record without a date.
std::vector<uint8_t> FinfPayload(const CameraDate& date, uint16_t valid = 1);

// APP4 exposure record: 32 bytes, "AE" then little-endian words.
struct ExposureValues {
    uint16_t exposure = 0;      // 2
    uint16_t luminance = 0;     // 4
    uint16_t cameraReady = 0;   // 6
    uint16_t vsyncs = 0;        // 8
    uint16_t target = 0;        // 12
    uint16_t flicker = 0;       // 18
    uint16_t gain = 0;          // 22
    uint16_t physExposure = 0;  // 26
};
constexpr size_t kExposurePayloadSize = 32;
std::vector<uint8_t> ExposurePayload(const ExposureValues& values);

// APP5: the event byte (bit 7 event, bit 0 in frame 0: the recording lists its events).
std::vector<uint8_t> EventPayload(uint8_t eventByte);

// COM clock record: "T", then the clock (units of 10 ms) as u32 low and u16 high.
std::vector<uint8_t> ClockCommentPayload(uint64_t clock);

// COM text, zero-terminated.
std::vector<uint8_t> CommentPayload(std::string_view text);

}  // namespace vn::samples
