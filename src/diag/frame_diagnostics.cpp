#include "diag/frame_diagnostics.h"

#include <cstdlib>

#include "common/text_format.h"

namespace vn::diag {

namespace {

// A vertical sync count of 416 is the normal one and is not worth a line.
constexpr int kUsualVsyncs = 416;

}  // namespace

std::string BadFrameLine(int frameIndex, uint32_t offset) {
    return Format("%5d: %8.8x", frameIndex + 1, static_cast<unsigned>(offset));
}

std::vector<std::string> FrameDiagnosticsLog::LogFrameDiagnostics(int frame, const jpeg::CameraRecords& camera,
                                                                  int intervalMs, bool intervalKnown, bool bShowTimes,
                                                                  bool bShowExpo) {
    std::vector<std::string> lines;
    if (!camera.exposurePresent) return lines;
    lines.push_back(Format("--- Frame %d -----", frame));
    if (bShowTimes) {
        const uint64_t clock = camera.FrameClock;  // hundredths of a second
        lines.push_back(Format("%2.2d:%2.2d:%2.2d.%2.2d", static_cast<int>(clock / 360000 % 24),
                               static_cast<int>(clock / 6000 % 60), static_cast<int>(clock / 100 % 60),
                               static_cast<int>(clock % 100)));
        if (intervalKnown) {
            // A jump of more than a second against the last interval marks a gap.
            const bool jump = frame >= 2 && std::abs(int64_t{intervalMs} - previousIntervalMs_) > 1000;
            lines.push_back(Format(jump ? "FrmInt = %6d MS ***" : "FrmInt = %6d MS", intervalMs));
            previousIntervalMs_ = intervalMs;
        }
    }
    if (bShowExpo) {
        const jpeg::ExposureRecord& e = camera.exposure;
        lines.push_back(Format("CamRdy  = %4d", e.cameraReady()));
        lines.push_back(Format("Lum     = %4d", e.luminance()));
        lines.push_back(Format("Target  = %4d", e.target()));
        lines.push_back(Format("Expo    = %4d", e.exposure()));
        lines.push_back(Format("PhysExp = %4d", e.physExposure()));
        lines.push_back(Format("Gain    = %4d", e.gain()));
        if (e.vsyncs() != kUsualVsyncs) lines.push_back(Format("Vsyncs  = %4d", e.vsyncs()));
        lines.push_back(Format("Flicker = %4d", e.flicker()));
    }
    return lines;
}

}  // namespace vn::diag
