// The player's state: which kind of file is open, whether and which way it
// plays, how fast, and the guards of the seek bar. One instance, owned by the
// playback engine; the rate arithmetic needs no window and lives here.
#pragma once

#include <cstdint>
#include <string>

namespace vn::player {

// g_nFileKind values.
enum FileKind : int { kNoFile = 0, kAviRecording = 1, kMpeg4Stream = 2, kRawMovie = 3 };

// The speed bar runs from 0 (top, 30 frames per second) to 29 (bottom, 1).
constexpr int kSpeedBarLastPosition = 29;
int RateForSpeedBarPosition(int position);
// A rate above 30 shows as the top position, a rate below 1 as the bottom.
int SpeedBarPositionForRate(int rate);

// Frames per second a recording asks for: its playback value divided by its
// capture interval. A capture interval of 0 (or a nonsensical negative one)
// gives 0, which leaves playback standing instead of dividing by zero.
int RateFromRecording(int32_t playbackValue, int32_t captureIntervalSecs);

// Status panel 3: "Frame " and the 1-based number of a 0-based frame index.
std::string FramePanelText(int frameIndex);

struct PlayerState {
    int g_nFileKind = kNoFile;
    bool g_bPlaying = false;
    bool g_bPaused = false;
    int g_nDirection = 1;  // +1 forward, -1 backward, 0 while the rate is 0
    int g_nFrameIntervalMs = 0;
    int g_nFrameWorkMs = -1;  // read-to-presented time of the last frame; -1 never measured
    int g_nFramesPerTick = 1;
    int g_nTimerIntervalMs = 0;
    bool g_bSeekLock = false;     // programmatic seek-bar moves are not seeks
    bool g_bSeekFocused = false;  // the seek bar holds the input focus
    bool g_bLoading = false;      // a file or the settings are being loaded
    // A motion search runs, or was stopped by opening another entry, which
    // then goes on searching in g_nSearchDirection (+1, -1; 0 stopped).
    bool g_bSearching = false;
    int g_nSearchDirection = 0;

    // Recomputes frames per tick and the timer interval from the rate
    // (nFrmRate, frames per second, kept with the preferences) and the last
    // frame's work time: a slow frame lengthens the tick and each tick skips
    // ahead, keeping the rate in recording frames per second. False when
    // the rate is 0: nothing moves, the timer interval is kept.
    bool ApplyRate(int nFrmRate);
};

}  // namespace vn::player
