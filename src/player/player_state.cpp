#include "player/player_state.h"

#include <algorithm>

namespace vn::player {

int RateForSpeedBarPosition(int position) { return 30 - position; }

int SpeedBarPositionForRate(int rate) {
    // A rate from the settings file may be any int: 30 - rate is taken wide.
    return static_cast<int>(std::clamp<int64_t>(30 - int64_t{rate}, 0, kSpeedBarLastPosition));
}

int RateFromRecording(int32_t playbackValue, int32_t captureIntervalSecs) {
    if (captureIntervalSecs <= 0 || playbackValue <= 0) return kSlowestRate;
    return std::max(playbackValue / captureIntervalSecs, kSlowestRate);
}

std::string FramePanelText(int frameIndex) { return "Frame " + std::to_string(frameIndex + 1); }

bool PlayerState::ApplyRate(int nFrmRate) {
    if (nFrmRate <= 0) {
        g_nFramesPerTick = 0;
        g_nDirection = 0;
        return false;
    }
    // Rates above 1000 from a recording's header would give a 0 ms interval.
    g_nFrameIntervalMs = std::max(1000 / nFrmRate, 1);
    // Work not measured yet is not guessed: the rate alone decides until
    // the first frame shown has been timed.
    const int workMs = std::max(g_nFrameWorkMs, 0);
    g_nFramesPerTick = std::max(workMs / g_nFrameIntervalMs, 1);
    g_nTimerIntervalMs = std::max(g_nFrameIntervalMs, workMs);
    return true;
}

}  // namespace vn::player
