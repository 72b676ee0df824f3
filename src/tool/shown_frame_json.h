// The parts of a shown frame that the per-frame outputs share.
#pragma once

#include "recording/frame_show.h"
#include "tool/json_writer.h"

namespace vn::tool {

// "i", "offset", "length", "read_result", "decode_result" (null when not read).
void WriteFetch(JsonWriter& json, const avi::ShownFrame& frame);

// "frmint_ms", "elapsed_s", "elapsed_text", and "date" and "time" (null when
// the frame was not presented).
void WriteTimes(JsonWriter& json, const avi::ShownFrame& frame);

}  // namespace vn::tool
