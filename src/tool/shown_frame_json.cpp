#include "tool/shown_frame_json.h"

namespace vn::tool {

void WriteFetch(JsonWriter& json, const avi::ShownFrame& f) {
    json.Field("i", f.frame)
        .Field("offset", f.offset)
        .Field("length", f.length)
        .Field("read_result", f.readResult)
        .FieldIf("decode_result", f.readResult == avi::FrameRead::kOk,
                 [&](JsonWriter& j) { j.Value(f.decodeResult.code()); });
}

void WriteTimes(JsonWriter& json, const avi::ShownFrame& f) {
    json.FieldIf("frmint_ms", f.frmIntKnown, [&](JsonWriter& j) { j.Value(f.frmIntMs); })
        .Field("elapsed_s", f.elapsedSecs)
        .Field("elapsed_text", f.elapsedText)
        .FieldIf("date", f.presented, [&](JsonWriter& j) { j.Value(f.date); })
        .FieldIf("time", f.presented, [&](JsonWriter& j) { j.Value(f.time); });
}

void WriteFoundFrame(JsonWriter& json, avi::Recording& recording, const std::string& file, int frame) {
    json.Field("file", file).Field("frame", frame);
    std::string date, time;
    recording.FrameDateTime(int64_t{frame} * recording.elapsedIntervalSecs(), date, time);
    json.Field("date", date).Field("time", time);
}

}  // namespace vn::tool
