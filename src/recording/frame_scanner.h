// The scanning loops that walk the open recording frame by frame from a
// start frame toward an end frame (never reached): the motion scan, which
// compares the frames' DC-only images, and the event scan and trigger walk,
// which read only the segments before each frame's scan data. With the stop
// request that a running search listens to and the motion scan's buffers:
// the scanning state of the recording, one per recording.
//
// Start and end are frame numbers; the walk is forward when start < end.
// A start outside the recording begins at its last frame, and a walk ends at
// the recording's first or last frame whatever end says. No loop moves the
// recording's cursor.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "common/picture.h"
#include "decode/jpeg_decoder.h"
#include "recording/dc_image.h"
#include "recording/frame_heads.h"

namespace vn::avi {

class Recording;
class DecodeAhead;

// What the loops have fetched so far; callers count by differences.
struct ScanCounts {
    int64_t frames = 0;   // frames fetched
    int64_t skipped = 0;  // of these, frames that could not be fetched or DC-decoded
};

class FrameScanner {
public:
    explicit FrameScanner(Recording& recording);
    ~FrameScanner();
    FrameScanner(const FrameScanner&) = delete;
    FrameScanner& operator=(const FrameScanner&) = delete;

    // The first frame that differs from the one before it in the walk: some
    // 8 x 8 block's mean luma changed by more than threshold. The start frame
    // is only the reference. The frame at which a stop request was noticed;
    // 0 when end was reached; -1 when start equals end, the buffers cannot
    // be had, or a motion scan already runs over this recording. A frame
    // that cannot be fetched or DC-decoded is not compared: the next good
    // frame is compared with the last good one.
    int MotionScan(int start, int end, int threshold);

    // The first frame from start toward end whose event byte has bit 7 set;
    // -1 when there is none. The start frame itself is examined. Cannot be
    // stopped.
    int EventScan(int start, int end);

    // The first frame at which the trigger sensor switched on (the camera
    // records' trigger edge, which the walk moves along), or the frame at
    // which a stop request was noticed; -1 when end was reached.
    int TriggerWalk(int start, int end);

    // Every event frame of the recording, ascending, in one pass.
    std::vector<int32_t> ListEventFrames();

    // Walks the frames in DC form, in order, decoding ahead on
    // decodeThreads: visit(frame) gets each, and ends the walk by returning
    // false. Returns false when the buffers cannot be had.
    bool WalkDcFrames(int start, int end, const std::function<bool(DcFrame&)>& visit);

    // Noticed by the motion scan and the trigger walk after the frame in hand.
    void RequestScanStop() { stopRequested_ = true; }
    bool stopRequested() const { return stopRequested_; }

    // Called after each frame of the motion scan and the trigger walk: where
    // the window shows the scan's progress and lets its events run, which is
    // how a stop request reaches a running loop.
    std::function<void(int frame)> frameScanned;

    // The motion scan's picture of the last good frame it compared, one
    // pixel per block (made when asked for).
    const Picture& Thumbnail();

    // Decoding threads of the motion scan: 0 one per processor, 1 none (the
    // caller's thread decodes), n that many.
    int decodeThreads = 0;

    ScanCounts counts;

    // Before the recording closes: ends the decoding ahead and stops any
    // running loop after the frame in hand.
    void RecordingClosing();

    // Walks the frame's segments with the recording's decoder, reading
    // the rest of the frame only when they reach beyond its start; false
    // when the frame cannot be fetched.
    bool WalkFrameHeaders(int frame);

private:
    // Where a walk from start toward end begins, which way it goes and how
    // many frames it visits before it reaches end or the recording's edge.
    struct Walk {
        int first;
        int step;
        int length;
    };
    Walk WalkFrom(int start, int end) const;
    // WalkFrameHeaders for a loop, counted.
    bool WalkCounted(int frame);
    int DecodeThreadCount() const;

    Recording& recording_;
    std::atomic<bool> stopRequested_ = false;
    bool walking_ = false;                // a walk in DC form is under way
    DecodeAhead* decodeAhead_ = nullptr;  // its decoding, until the recording closes
    // The motion scan's two slots and thumbnail.
    MotionComparer comparer_;
    Picture thumbnail_;
    jpeg::JpegDecoder colourDecoder_;  // its colour tables make the thumbnail
    FrameHeadBlocks heads_{recording_};  // the starts of the frames the header walks read
};

}  // namespace vn::avi
