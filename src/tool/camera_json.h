// The camera records of the frame walked last, as JSON.
#pragma once

#include "decode/camera_record.h"
#include "tool/json_writer.h"

namespace vn::tool {

// Writes an object with the frame's "ts" record (or null), "finf" record,
// exposure record, event byte, clock record, frame clock and segment counts.
void WriteCameraRecords(JsonWriter& json, const jpeg::CameraRecords& camera);

}  // namespace vn::tool
