// The lines the player writes into the diagnostics list for the frames it
// shows: a bad frame's number and offset, and the per-frame log of camera
// clock and exposure values.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "decode/camera_record.h"

namespace vn::diag {

// "%5d: %8.8x" of the 1-based frame number and the frame's file offset.
std::string BadFrameLine(int frameIndex, uint32_t offset);

class FrameDiagnosticsLog {
public:
    // The log of frame i (0-based), decoded with intervalMs ("FrmInt";
    // intervalKnown false when the decode never reached it). Empty when the
    // frame carried no exposure record.
    std::vector<std::string> LogFrameDiagnostics(int frame, const jpeg::CameraRecords& camera, int intervalMs,
                                                 bool intervalKnown, bool bShowTimes, bool bShowExpo);

private:
    int previousIntervalMs_ = 0;  // the interval logged last
};

}  // namespace vn::diag
