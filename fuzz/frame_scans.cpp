// The searches over a fuzzed recording held in memory (opening lists its
// event frames in one pass): the motion scan both ways, decoding on the
// caller's thread, with its thumbnail; a motion scan and a trigger walk
// stopped from their progress callback, as the window's Stop Search stops
// them; the trigger walk and the event scan both ways.
//   the last byte: the motion threshold
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "recording/frame_scanner.h"
#include "recording/recording.h"
#include "support.h"

namespace {

// Frames each walk visits at most.
constexpr int kMaxFramesWalked = 16;
// The frame of a walk at which the stopped scan asks to stop.
constexpr int kStopAfter = 2;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static vn::jpeg::JpegDecoder decoder;  // its fixed tables are built once
    if (size == 0) return 0;
    const int threshold = data[size - 1];
    vn::avi::Recording recording(decoder);
    if (!vn::fuzz::OpenSmallRecording(recording, decoder, {data, size})) return 0;

    vn::avi::FrameScanner& scanner = recording.scanner;
    scanner.decodeThreads = 1;
    const int last = std::min(recording.header.frames, kMaxFramesWalked) - 1;
    scanner.MotionScan(0, last + 1, threshold);
    scanner.Thumbnail();
    scanner.MotionScan(last, -1, threshold);

    int scanned = 0;
    scanner.frameScanned = [&](int) {
        if (++scanned == kStopAfter) scanner.RequestScanStop();
    };
    scanner.MotionScan(0, last + 1, 0);
    scanned = 0;
    scanner.TriggerWalk(0, last + 1);
    scanner.frameScanned = nullptr;
    scanner.TriggerWalk(last, -1);
    scanner.EventScan(0, last + 1);
    scanner.EventScan(last, -1);
    return 0;
}
