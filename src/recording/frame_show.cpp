#include "recording/frame_show.h"

namespace vn::avi {

void FrameShow::Reset() { elapsed.Reset(recording_.hasClock, recording_.elapsedIntervalSecs()); }

ShownFrame FrameShow::Show(int frame, Picture& picture) {
    ShownFrame shown;
    shown.frame = frame;
    shown.readResult = recording_.ReadFrame(frame, {}, &shown.offset, &shown.length);
    shown.readDone = std::chrono::steady_clock::now();
    if (shown.readResult == FrameRead::kOk) {
        uint32_t clockLow = 0;
        shown.decodeResult =
            recording_.DecodeCurrentFrame(recording_.LastFrameBytes(), picture, &shown.frmIntMs, &clockLow);
        // A frame without a scan never reaches the interval.
        shown.frmIntKnown = shown.decodeResult.status != jpeg::DecodeStatus::kNoScan;
        shown.presented = shown.decodeResult.complete();
    }
    shown.decodeDone = std::chrono::steady_clock::now();
    const uint64_t clock = shown.readResult == FrameRead::kOk ? recording_.decoder().camera.FrameClock : 0;
    shown.elapsedSecs = elapsed.ShowFrame(frame, shown.frmIntKnown ? shown.frmIntMs : 0, clock);
    shown.elapsedText =
        recording_.hasEvents ? EventNumberText(recording_.EventList, frame) : FormatElapsed(shown.elapsedSecs);
    if (shown.presented) {
        recording_.FrameDateTime(shown.elapsedSecs, shown.date, shown.time);
        shown.dateSource = recording_.lastDateSource();
    }
    return shown;
}

}  // namespace vn::avi
