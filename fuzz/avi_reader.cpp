// The AVI recording reader over a fuzzed file held in memory: opening (the
// header values, both chunk walks, the movie record and model tag, the
// index, frame 0 and the event list), then the frames shown one after
// another as the player shows them (fetch, decode, elapsed time, event
// number, capture date and time) with the Movie Info panel, event scans
// both ways and the cursor.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "recording/frame_show.h"
#include "recording/movie_info.h"
#include "recording/recording.h"
#include "support.h"

namespace {

// Frames shown per input; the event list at opening reads them all anyway.
constexpr int kMaxFramesShown = 16;

struct Player {
    vn::jpeg::JpegDecoder decoder;
    vn::Picture picture;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Player player;  // its decoder's fixed tables are built once
    vn::avi::Recording recording(player.decoder);
    if (!vn::fuzz::OpenSmallRecording(recording, player.decoder, {data, size})) return 0;

    const int frames = std::min(recording.header.frames, kMaxFramesShown);
    if (!player.picture.Reset(recording.header.width, recording.header.height)) return 0;
    vn::avi::FrameShow show(recording);
    show.Reset();
    vn::avi::MovieInfoPanel panel;
    for (int i = 0; i < frames; ++i) {
        if (show.Show(i, player.picture).readResult == vn::avi::FrameRead::kOk)
            panel.FillMovieInfo(recording, player.decoder.camera);
    }
    recording.scanner.EventScan(0, frames);
    recording.scanner.EventScan(frames - 1, -1);
    recording.GoToEnd();
    recording.StepFrame(-1);
    recording.StepFrame(-frames - 1);
    return 0;
}
