// The body of the "minf" movie record that newer cameras write once per
// recording (see CameraAviOptions::movieRecordBody).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vn::samples {

// Comments give the offsets counted from the "minf" tag.
struct MovieSettings {
    std::string modelName;        // 6, up to 16 characters
    uint16_t firmware = 0;        // 22
    uint8_t bandFilter = 0;       // 26: 0 none, 1 60 Hz, 2 50 Hz
    uint8_t led = 0;              // 27: 0 on, 1 off
    uint8_t timeStamp = 0;        // 28
    uint8_t whiteBalance = 0;     // 30
    uint8_t scene = 0;            // 31
    uint8_t captureMode = 0;      // 32: 0 time-lapse, 1 step video, 2 still, 3 stop motion
    uint8_t hdr = 0;              // 33
    uint16_t contrast = 0;        // 34
    uint16_t saturation = 0;      // 36
    uint16_t sharpness = 0;       // 38
    uint32_t intervalTenths = 0;  // 40; 0: as fast as possible
    int16_t expoComp = 0;         // 44
    uint16_t timerStart = 0;      // 46, minutes after midnight
    uint16_t timerStop = 0;       // 48
    uint8_t timerDays = 0;        // 50: bit 1 Sunday ... bit 7 Saturday
};

// The 46 bytes that follow the "minf" tag and its 16-bit size.
constexpr size_t kMovieRecordBodySize = 46;
std::vector<uint8_t> MovieRecordBody(const MovieSettings& settings);

}  // namespace vn::samples
