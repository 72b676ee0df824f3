// The lines the player writes into the diagnostics list for the frames it
// shows: a bad frame's number and offset, and the per-frame log of camera
// clock and exposure values; and the diagnostics window as the player sees
// it.
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

// What the player tells the diagnostics window about each frame it shows.
// The window implements it; a hidden window takes nothing but the clock dump.
class FrameDiagnosticsView {
public:
    // Moves the clock dump lines the decoder collected into the list.
    virtual void TakeRtcDumpLines() = 0;
    // The camera values of the frame just decoded; true when a breakpoint
    // they meet asks playback to pause.
    virtual bool ShowFrameCameraValues() = 0;
    // A frame that could not be read or decoded, at its file offset.
    virtual void ReportBadFrame(int frame, uint32_t offset) = 0;
    // The log of a decoded frame, as the window's switches ask for it.
    virtual void LogFrameDiagnostics(int frame, int intervalMs, bool intervalKnown) = 0;
    virtual void ShowFrameTimes(int decodeMs, int displayMs) = 0;

protected:
    ~FrameDiagnosticsView() = default;
};

}  // namespace vn::diag
