// The parts of a shown frame that the per-frame outputs share.
#pragma once

#include <string>

#include "recording/frame_show.h"
#include "tool/json_writer.h"

namespace vn::tool {

// "i", "offset", "length", "read_result", "decode_result" (null when not read).
void WriteFetch(JsonWriter& json, const avi::ShownFrame& frame);

// "frmint_ms", "elapsed_s", "elapsed_text", and "date" and "time" (null when
// the frame was not presented).
void WriteTimes(JsonWriter& json, const avi::ShownFrame& frame);

// "file", "frame", and the "date" and "time" of a frame found by a scan,
// whose segments the recording's decoder walked last; its elapsed time is
// counted in capture intervals, as for a recording without a clock.
void WriteFoundFrame(JsonWriter& json, avi::Recording& recording, const std::string& file, int frame);

}  // namespace vn::tool
