#include "samplewriter/camera_segments.h"

#include "samplewriter/byte_writer.h"
#include "samplewriter/record_writer.h"

namespace vn::samples {

namespace {

constexpr size_t kMaxSegmentPayload = 0xFFFF - 2;

}  // namespace

std::vector<uint8_t> Segment(uint8_t marker, std::span<const uint8_t> payload) {
    if (payload.size() > kMaxSegmentPayload) return {};
    const size_t length = payload.size() + 2;
    std::vector<uint8_t> segment = {0xFF, marker, static_cast<uint8_t>(length >> 8), static_cast<uint8_t>(length)};
    segment.insert(segment.end(), payload.begin(), payload.end());
    return segment;
}

std::vector<uint8_t> InsertAfterSoi(std::span<const uint8_t> jpeg, std::span<const uint8_t> segments) {
    if (jpeg.size() < 2 || jpeg[0] != 0xFF || jpeg[1] != 0xD8) return {};
    std::vector<uint8_t> out(jpeg.begin(), jpeg.begin() + 2);
    out.insert(out.end(), segments.begin(), segments.end());
    out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
    return out;
}

std::vector<uint8_t> TsPayload(const TsRecord& r) {
    RecordWriter p(kTsPayloadSize);
    p.U16(1, r.unnamed);
    p.U16(3, r.luma);
    p.U16(5, r.retries);
    p.U16(7, static_cast<uint16_t>(r.temperature));
    p.U16(9, r.temperatureUnit);
    p.U16(11, r.minBattery);
    p.U32(13, r.physExposure);
    p.U16(17, r.aeGain);
    for (int c = 0; c < 3; ++c) p.U16(19 + 2 * c, r.rgbGain[c]);
    p.Text(31, "ts", 2);
    p.Date(33, r.date);
    for (int c = 0; c < 3; ++c) p.U16(49 + 2 * c, r.rgbAvg[c]);
    p.U16(55, r.signature[0]);
    p.U16(57, r.signature[1]);
    p.U16(59, r.checksum[0]);
    p.U16(61, r.checksum[1]);
    p.U16(63, r.luma1);
    p.U16(65, r.luma2);
    p.U32(67, r.rawExposure);
    p.U16(71, r.battery);
    p.U16(73, r.exposureType);
    p.U16(75, r.whiteBalanceMode);
    p.Text(81, r.firmware, 15);
    p.U16(97, r.fpgaRevision);
    p.U8(101, r.cameraKind);
    p.U8(102, static_cast<uint8_t>(r.quality << 4 | (r.bandFilter & 0x0F)));
    p.U8(103, r.scene);
    p.U8(104, r.exposureValue);
    p.U8(105, r.timerStart);
    p.U8(107, r.timerStop);
    p.U8(109, r.switches);
    p.U8(110, static_cast<uint8_t>(r.whiteBalance | (r.triggerSensor ? 0x08 : 0)));
    p.U8(111, r.contrast);
    p.U8(112, r.sharpness);
    p.U8(113, r.saturation);
    p.U8(114, r.hdrRange);
    return p.Take();
}

std::vector<uint8_t> FinfPayload(const CameraDate& date, uint16_t valid) {
    RecordWriter p(1 + 36);
    p.Text(1, "finf", 4);
    p.U16(5, valid);
    p.Date(7, date);
    return p.Take();
}

std::vector<uint8_t> ExposurePayload(const ExposureValues& v) {
    RecordWriter p(kExposurePayloadSize);
    p.Text(0, "AE", 2);
    p.U16(2, v.exposure);
    p.U16(4, v.luminance);
    p.U16(6, v.cameraReady);
    p.U16(8, v.vsyncs);
    p.U16(12, v.target);
    p.U16(18, v.flicker);
    p.U16(22, v.gain);
    p.U16(26, v.physExposure);
    return p.Take();
}

std::vector<uint8_t> EventPayload(uint8_t eventByte) { return {eventByte, 0, 0, 0}; }

std::vector<uint8_t> ClockCommentPayload(uint64_t clock) {
    ByteWriter w;
    w.U8('T');
    w.U32(static_cast<uint32_t>(clock));
    w.U16(static_cast<uint16_t>(clock >> 32));
    return std::move(w.bytes());
}

std::vector<uint8_t> CommentPayload(std::string_view text) {
    std::vector<uint8_t> payload(text.begin(), text.end());
    payload.push_back(0);
    return payload;
}

}  // namespace vn::samples
