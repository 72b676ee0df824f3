#include "tool/recording_json.h"

#include <span>
#include <string>

#include "common/text_format.h"

namespace vn::tool {

namespace {

void WriteMovieRecord(JsonWriter& json, const avi::MovieRecord& m, bool detailed) {
    json.BeginObject();
    if (detailed) json.Field("raw_hex", HexText(m.bytes, false)).Field("size_u32", m.U32(4));
    json.Field("model_name", m.modelName())
        .Field("firmware", m.firmware())
        .Field("band_filter", m.bandFilter())
        .Field("led", m.led())
        .Field("time_stamp", m.timeStamp())
        .Field("white_balance", m.whiteBalance())
        .Field("scene", m.scene())
        .Field("capture_mode", m.captureMode())
        .Field("hdr", m.hdr())
        .Field("contrast", m.contrast())
        .Field("saturation", m.saturation())
        .Field("sharpness", m.sharpness())
        .Field("interval_tenths", m.intervalTenths())
        .Field("expo_comp", m.expoComp())
        .Field("timer_start", m.timerStart())
        .Field("timer_stop", m.timerStop())
        .Field("timer_days", m.timerDays())
        .EndObject();
}

}  // namespace

void WriteRecordingFacts(JsonWriter& json, const avi::Recording& r, avi::OpenResult openResult, bool detailed) {
    const avi::RecordingHeader& h = r.header;
    json.Field("open_result", openResult);
    json.Key("header")
        .BeginObject()
        .Field("frames", h.frames)
        .Field("width", h.width)
        .Field("height", h.height)
        .Field("interval_s", h.interval)
        .Field("rate", h.rate)
        .Field("fps", h.interval != 0 ? static_cast<int64_t>(h.rate) / h.interval : 0)
        .EndObject();
    json.Field("model_tag", r.modelTag.tag()).Field("model_mode", r.modelTag.mode());
    if (detailed) json.Field("model_tag_hex", HexText(r.modelTag.bytes, false));
    json.FieldIf("movie_record", r.movieRecordPresent,
                 [&](JsonWriter& j) { WriteMovieRecord(j, r.movieRecord, detailed); });
    json.Key("state")
        .BeginObject()
        .Field("has_info", r.hasInfo)
        .Field("alt_interval_s", r.movieRecordPresent ? r.altIntervalSecs : 0)
        .Field("asap", r.asap)
        .Field("show_interval", r.showCaptureInterval)
        .Field("show_elapsed", r.showElapsedTime)
        .Field("wrd_mode", r.wrdCaptureMode)
        .Field("has_clock", r.hasClock)
        .Field("has_events", r.hasEvents);
    if (detailed) {
        const jpeg::CameraRecords& camera = r.decoder().camera;
        json.Field("movi_pos", r.moviPos)
            .Field("index_pos", r.idx1Pos)
            .Field("family_seen", camera.familySeen)
            .Field("family_not_wrd", camera.familyNotWrd);
    }
    json.EndObject();
    json.ArrayField("event_list", r.EventList);
}

}  // namespace vn::tool
