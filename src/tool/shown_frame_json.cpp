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

}  // namespace vn::tool
