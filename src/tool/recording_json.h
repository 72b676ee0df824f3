// The recording-wide facts as JSON: header, model tag, movie record, state
// and event list. `detailed` adds what the inspection report carries
// (raw bytes, chunk positions, camera family flags).
#pragma once

#include "recording/recording.h"
#include "tool/json_writer.h"

namespace vn::tool {

// Writes the members into the object the caller has begun.
void WriteRecordingFacts(JsonWriter& json, const avi::Recording& recording, avi::OpenResult openResult, bool detailed);

}  // namespace vn::tool
