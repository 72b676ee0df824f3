// Showing one frame of the open AVI recording, without the window: fetch,
// decode, elapsed time, event number and capture date and time, the way the
// playback engine does for every frame it shows. The window adds the camera
// values, the Movie Info panel, the caption and the presentation.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "common/picture.h"
#include "recording/elapsed.h"
#include "recording/recording.h"

namespace vn::avi {

struct ShownFrame {
    int frame = 0;
    uint32_t offset = 0;
    uint32_t length = 0;
    FrameRead readResult = FrameRead::kOk;
    jpeg::DecodeResult decodeResult;  // meaningful when the read succeeded
    bool presented = false;           // read and decoded without error: the picture is shown
    int frmIntMs = 0;                 // interval to the previous frame ("FrmInt"), when decoded
    bool frmIntKnown = false;
    int64_t elapsedSecs = 0;
    std::string elapsedText;  // FormatElapsed, or "k of n" for event recordings
    // Capture date and time: only for a presented frame, the others leave the labels.
    std::string date;
    std::string time;
    int dateSource = 0;
    // When the read and the decode ended, for the player's work-time measure.
    std::chrono::steady_clock::time_point readDone;
    std::chrono::steady_clock::time_point decodeDone;
};

class FrameShow {
public:
    explicit FrameShow(Recording& recording) : recording_(recording) {}

    // At every opening of a recording.
    void Reset();

    // Shows frame i (the reader's cursor is not moved) into the picture.
    ShownFrame Show(int frame, Picture& picture);

    ElapsedClock elapsed;

private:
    Recording& recording_;
};

}  // namespace vn::avi
