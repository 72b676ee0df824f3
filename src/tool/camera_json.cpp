#include "tool/camera_json.h"

#include <string>

namespace vn::tool {

namespace {

void WriteTsRecord(JsonWriter& json, const jpeg::FrameCameraRecord& f) {
    json.BeginObject()
        .Field("unnamed", f.unnamed)
        .Field("luma", f.luma)
        .Field("retries", f.retries)
        .Field("temperature", f.temperature)
        .Field("temp_unit", f.temperatureUnit)
        .Field("min_batt", f.minBattery)
        .Field("phys_expo", f.physExposure)
        .Field("ae_gain", f.aeGain)
        .ArrayField("rgb_gain", f.rgbGain)
        .ArrayField("rgb_avg", f.rgbAvg)
        .ArrayField("sig", f.signature)
        .ArrayField("cs", f.checksum)
        .Field("luma1", f.luma1)
        .Field("luma2", f.luma2)
        .Field("raw_expo", f.rawExposure)
        .Field("batt", f.battery)
        .Field("exp_type", f.exposureType)
        .Field("wb_mode", f.whiteBalanceMode);
    const int date[] = {f.second, f.minute, f.hour, f.day, f.month, f.year};
    json.ArrayField("date", date).Field("fw", f.firmware).Field("fpga", f.fpgaRevision).Field("kind", f.cameraKind);
    json.Key("specific").BeginObject();
    if (f.cameraKind != 0) {
        for (int offset : {102, 103, 104, 105, 107, 109}) json.Field(std::to_string(offset), f.Specific(offset));
        const int extra = (f.cameraKind == 2 || f.cameraKind == 4) ? 5 : f.cameraKind == 3 ? 1 : 0;
        for (int offset = 110; offset < 110 + extra; ++offset) json.Field(std::to_string(offset), f.Specific(offset));
    }
    json.EndObject().EndObject();
}

void WriteInfoRecord(JsonWriter& json, const jpeg::FrameInfoRecord& info) {
    json.BeginObject()
        .Field("valid", info.valid())
        .Field("second", info.second())
        .Field("minute", info.minute())
        .Field("hour", info.hour())
        .Field("day", info.day())
        .Field("month", info.month())
        .Field("year", info.year())
        .EndObject();
}

void WriteExposureRecord(JsonWriter& json, const jpeg::ExposureRecord& e) {
    json.BeginObject()
        .Field("expo", e.exposure())
        .Field("lum", e.luminance())
        .Field("camrdy", e.cameraReady())
        .Field("vsyncs", e.vsyncs())
        .Field("target", e.target())
        .Field("flicker", e.flicker())
        .Field("gain", e.gain())
        .Field("physexp", e.physExposure())
        .EndObject();
}

}  // namespace

void WriteCameraRecords(JsonWriter& json, const jpeg::CameraRecords& camera) {
    json.BeginObject()
        .FieldIf("ts", camera.walk.tsRecord, [&](JsonWriter& j) { WriteTsRecord(j, camera.frame); })
        .FieldIf("finf", camera.walk.finfRecord, [&](JsonWriter& j) { WriteInfoRecord(j, camera.info); })
        .FieldIf("app4", camera.exposurePresent, [&](JsonWriter& j) { WriteExposureRecord(j, camera.exposure); })
        .FieldIf("event_byte", camera.hasEventByte, [&](JsonWriter& j) { j.Value(int{camera.EventByte}); })
        .FieldIf("clock_record", camera.walk.clockRecord, [&](JsonWriter& j) { j.Value(camera.walk.clockRecordValue); })
        .Field("frame_clock", camera.FrameClock)
        .Field("dht_segments", camera.walk.dhtSegments)
        .Field("dqt_segments", camera.walk.dqtSegments)
        .Field("morvat_comment", camera.walk.morvatComment)
        .EndObject();
}

}  // namespace vn::tool
