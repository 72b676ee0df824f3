#include "decode/camera_record.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "common/camera_time.h"
#include "common/text_format.h"

namespace vn::jpeg {

namespace {

// Reads little-endian fields of one segment's payload. A field that lies
// beyond the payload is not read and its destination keeps its value.
class FieldReader {
public:
    explicit FieldReader(std::span<const uint8_t> payload) : p_(payload) {}

    bool Has(size_t offset, size_t width) const { return offset + width <= p_.size(); }
    void U8(size_t offset, int& field) const {
        if (Has(offset, 1)) field = p_[offset];
    }
    void U16(size_t offset, int& field) const {
        if (Has(offset, 2)) field = p_[offset] | p_[offset + 1] << 8;
    }
    void S16(size_t offset, int& field) const {
        if (Has(offset, 2)) field = static_cast<int16_t>(p_[offset] | p_[offset + 1] << 8);
    }
    void U32(size_t offset, int64_t& field) const {
        if (Has(offset, 4)) field = Value32(offset);
    }
    uint32_t Value32(size_t offset) const {
        return static_cast<uint32_t>(p_[offset]) | static_cast<uint32_t>(p_[offset + 1]) << 8 |
               static_cast<uint32_t>(p_[offset + 2]) << 16 | static_cast<uint32_t>(p_[offset + 3]) << 24;
    }
    bool Matches(size_t offset, std::string_view text) const {
        return Has(offset, text.size()) && std::memcmp(p_.data() + offset, text.data(), text.size()) == 0;
    }
    // Copies up to count bytes from offset; returns how many there were.
    size_t Copy(size_t offset, uint8_t* out, size_t count) const {
        if (offset >= p_.size()) return 0;
        const size_t n = std::min(count, p_.size() - offset);
        std::memcpy(out, p_.data() + offset, n);
        return n;
    }

private:
    std::span<const uint8_t> p_;
};

}  // namespace

void CameraRecords::BeginWalk() {
    exposurePresent = false;
    hasEventByte = false;
    FrameClock = 0;
    info.bytes[4] = info.bytes[5] = 0;  // the valid word
    triggerEdge = false;
    walk = WalkFacts{};
}

void CameraRecords::ForgetRecords() {
    const bool dump = bDumpRTCData;
    *this = CameraRecords{};
    bDumpRTCData = dump;
}

void CameraRecords::ReadApp4(std::span<const uint8_t> payload) {
    FieldReader(payload).Copy(0, exposure.bytes, sizeof exposure.bytes);
    exposurePresent = true;
}

void CameraRecords::ReadApp5(std::span<const uint8_t> payload) {
    if (payload.empty()) return;
    EventByte = payload[0];
    hasEventByte = true;
}

void CameraRecords::ReadApp15(std::span<const uint8_t> payload) {
    const FieldReader r(payload);
    if (!r.Matches(31, "ts")) {
        if (r.Matches(1, "finf")) {
            r.Copy(1, info.bytes, sizeof info.bytes);
            walk.finfRecord = true;
        }
        return;
    }
    recordSeen = true;
    walk.tsRecord = true;
    FrameCameraRecord& f = frame;
    r.U16(1, f.unnamed);
    r.U16(3, f.luma);
    r.U16(5, f.retries);
    r.S16(7, f.temperature);
    r.U16(9, f.temperatureUnit);
    r.U16(11, f.minBattery);
    r.U32(13, f.physExposure);
    r.U16(17, f.aeGain);
    for (int c = 0; c < 3; ++c) r.U16(19 + 2 * c, f.rgbGain[c]);
    if (r.Has(33, 8)) {
        r.U8(33, f.second);
        r.U8(34, f.minute);
        r.U8(35, f.hour);
        r.U8(36, f.day);
        r.U8(37, f.month);
        r.U16(39, f.year);
        FrameClock = ClockFromCameraDate(f.second, f.minute, f.hour, f.day, f.month, f.year);
    }
    for (int c = 0; c < 3; ++c) r.U16(49 + 2 * c, f.rgbAvg[c]);
    r.U16(55, f.signature[0]);
    r.U16(57, f.signature[1]);
    for (int c = 0; c < 4; ++c) r.U16(59 + 2 * c, f.checksum[c]);
    r.U16(63, f.luma1);
    r.U16(65, f.luma2);
    r.U32(67, f.rawExposure);
    r.U16(71, f.battery);
    r.U16(73, f.exposureType);
    r.U16(75, f.whiteBalanceMode);
    if (r.Has(81, 1)) {
        char text[16] = {};
        r.Copy(81, reinterpret_cast<uint8_t*>(text), 15);
        f.firmware.assign(text, strnlen(text, 15));
    }
    r.U16(97, f.fpgaRevision);

    r.U8(101, f.cameraKind);
    if (!r.Has(101, 1) || f.cameraKind == 0) return;
    for (int offset : {102, 103, 104, 105, 107, 109}) {
        if (r.Has(offset, 1)) f.specific[offset - 102] = payload[offset];
    }
    if (f.cameraKind == 2 || f.cameraKind == 4) {
        r.Copy(110, &f.specific[110 - 102], 5);
    } else if (f.cameraKind == 3 && r.Has(110, 1)) {
        f.specific[110 - 102] = payload[110];
        const bool sensor = (payload[110] & 0x08) != 0;
        triggerEdge = sensor && !triggerRemembered;
        triggerRemembered = sensor;
    }
}

void CameraRecords::ReadComment(std::span<const uint8_t> payload) {
    const FieldReader r(payload);
    const auto* chars = reinterpret_cast<const char*>(payload.data());
    const std::string_view text(chars, strnlen(chars, payload.size()));
    if (text.find("Morvat") != std::string_view::npos) {
        familySeen = true;
        walk.morvatComment = true;
        if (text.find("WRD") == std::string_view::npos) familyNotWrd = true;
    }
    if (!r.Matches(0, "T") || !r.Has(1, 6)) return;
    const uint64_t high = static_cast<uint64_t>(payload[5] | payload[6] << 8);
    FrameClock = high << 32 | r.Value32(1);
    walk.clockRecord = true;
    walk.clockRecordValue = FrameClock;
    if (bDumpRTCData && r.Matches(7, "RTCD")) {
        for (size_t at : {size_t{11}, size_t{27}}) {
            if (r.Has(at, 16)) rtcDumpLines.push_back(HexText(payload.subspan(at, 16), /*upperCase=*/true, " "));
        }
    }
}

}  // namespace vn::jpeg
