// The motion scan: frames reduced to their DC-only images and compared
// block by block with the frame before them in the walk.
#include <algorithm>
#include <new>
#include <thread>

#include "recording/decode_ahead.h"
#include "recording/frame_scanner.h"
#include "recording/recording.h"

namespace vn::avi {

FrameScanner::FrameScanner(Recording& recording) : recording_(recording) {}

FrameScanner::~FrameScanner() = default;

int FrameScanner::DecodeThreadCount() const {
    if (decodeThreads == 1) return 0;
    if (decodeThreads > 1) return decodeThreads;
    return static_cast<int>(std::max(std::thread::hardware_concurrency(), 1u));
}

void FrameScanner::RecordingClosing() {
    stopRequested_ = true;
    if (decodeAhead_) decodeAhead_->Stop();
    decodeAhead_ = nullptr;
    heads_.Forget();
}

bool FrameScanner::WalkDcFrames(int start, int end, const std::function<bool(DcFrame&)>& visit) {
    // One walk at a time: a second one, started from a window event during
    // the first, would take over its buffers.
    if (walking_) return false;
    const Walk walk = WalkFrom(start, end);
    DecodeAhead ahead(recording_, walk.first, walk.step, walk.length, DecodeThreadCount());
    if (!ahead.ok()) return false;
    walking_ = true;
    decodeAhead_ = &ahead;
    // A recording closed from a window event during the walk ends it.
    for (int i = 0; i < walk.length && decodeAhead_; ++i) {
        DcFrame& frame = ahead.Next();
        ++counts.frames;
        if (!frame.readable) ++counts.skipped;
        if (!visit(frame)) break;
    }
    decodeAhead_ = nullptr;
    walking_ = false;
    return true;
}

int FrameScanner::MotionScan(int start, int end, int threshold) {
    if (start == end || walking_) return -1;
    try {
        comparer_ = MotionComparer(recording_.header.width, recording_.header.height);
        thumbnail_.Reset(comparer_.current().blocksWide, comparer_.current().blocksHigh);
    } catch (const std::bad_alloc&) {
        return -1;
    }
    stopRequested_ = false;
    const int first = WalkFrom(start, end).first;
    int result = 0;
    const bool walked = WalkDcFrames(start, end, [&](DcFrame& frame) {
        const bool moved = comparer_.Compare(frame, threshold) > 0;
        if (frameScanned) frameScanned(frame.frame);
        // The start frame is only the reference: no stop is noticed there.
        if (frame.frame != first && (moved || stopRequested_)) {
            result = frame.frame;
            return false;
        }
        return true;
    });
    return walked ? result : -1;
}

const Picture& FrameScanner::Thumbnail() {
    if (!thumbnail_.empty()) comparer_.current().ConvertToPicture(colourDecoder_, thumbnail_);
    return thumbnail_;
}

}  // namespace vn::avi
