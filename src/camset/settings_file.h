// The camera's settings file, "DCIM/100morva/REGISTRY.LDR" on its memory
// card: records of a signature (0xB6 0xC3), a 16-bit payload length, a tag
// and the payload, all little-endian. Record 0x28 holds the capture
// settings, 0x29 the time the camera's clock is set to, and 0x2A, written
// only when the resolution is offered, the resolution of each mode.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/camera_time.h"

namespace vn::camset {

// An interval of one day; the file writes it as 0xFFFF.
constexpr int kOneDay = 86400;
constexpr int kFlickerNone = 0;
constexpr int kFlicker60Hz = 833;
constexpr int kFlicker50Hz = 1000;
// Mode bits.
constexpr int kLooping = 0x01;
constexpr int kExposureLock = 0x02;

constexpr char kSettingsFolder[] = "DCIM/100morva";
constexpr char kSettingsFileName[] = "REGISTRY.LDR";

struct CameraSettings {
    int nInt1 = 1;  // seconds, one per position of the camera's mode switch
    int nInt2 = 2;
    int nInt3 = 5;
    int nFlicker = kFlickerNone;
    int wCamMode = 0;
    int nResolution[4] = {0, 0, 0, 0};
};

// What the camera's clock is set to: the local time now, or one or five
// minutes later.
enum class ClockChoice { SystemTime = 0, PlusOneMinute = 1, PlusFiveMinutes = 2 };
DateTimeFields CardClock(const DosDateTime& localNow, ClockChoice choice);

// Whether the file can say the interval: 1 second to 12 hours, or one day.
bool IsWritableInterval(int seconds);

// The file's bytes: 30, or 39 with the resolution record.
std::vector<uint8_t> ComposeSettingsFile(const CameraSettings& settings, const DateTimeFields& clock,
                                         bool withResolution);

enum class WriteSettingsResult : int {
    kWritten = 0,
    kNoDirectory = -1,  // neither the file nor its folders could be made
    kWriteFailed = -2,  // made, but not written whole; nothing is left of it
};

// Writes the file under the card's root (its mount point), making the
// folders when they are missing; reason, when given, holds the system's
// text for a failure.
WriteSettingsResult WriteSettingsFile(const std::string& cardRoot, std::span<const uint8_t> bytes,
                                      std::string* reason = nullptr);

}  // namespace vn::camset
