// The event scan and the trigger walk: they read only the camera records in
// the segments before each frame's scan data, from the frame's start read
// in blocks, and the whole frame only when the segments reach beyond it.
#include <algorithm>

#include "recording/frame_scanner.h"
#include "recording/recording.h"

namespace vn::avi {

namespace {
constexpr uint8_t kEventMark = 0x80;
}  // namespace

FrameScanner::Walk FrameScanner::WalkFrom(int start, int end) const {
    const int frames = recording_.header.frames;
    const int step = start < end ? 1 : -1;
    // The cursor stands at the frame count after going to the end.
    if (start < 0 || start >= frames) start = frames - 1;
    const int stop = step > 0 ? (end > start ? std::min(end, frames) : frames) : (end < start ? std::max(end, -1) : -1);
    return {start, step, std::max((stop - start) * step, 0)};
}

bool FrameScanner::WalkCounted(int frame) {
    ++counts.frames;
    const bool walked = WalkFrameHeaders(frame);
    counts.skipped += !walked;
    return walked;
}

bool FrameScanner::WalkFrameHeaders(int frame) {
    uint32_t length = 0;
    const std::optional<std::span<const uint8_t>> head = heads_.Head(frame, &length);
    if (!head) return false;
    jpeg::JpegDecoder& decoder = recording_.decoder();
    const auto limit = static_cast<uint32_t>(jpeg::kMarkerWalkLimit);
    if (head->size() >= std::min(length, limit)) {
        decoder.WalkCameraRecords(*head, jpeg::kMarkerWalkLimit);
        return true;
    }
    // The walk changes the camera records (the trigger edge remembers the
    // sensor); a second walk over the whole frame must start from the same.
    const jpeg::CameraRecords before = decoder.camera;
    if (decoder.WalkCameraRecords(*head, jpeg::kMarkerWalkLimit) > 0) return true;
    decoder.camera = before;
    if (recording_.ReadFrame(frame) != FrameRead::kOk) return false;
    decoder.WalkCameraRecords(recording_.LastFrameBytes(), jpeg::kMarkerWalkLimit);
    return true;
}

int FrameScanner::EventScan(int start, int end) {
    // Tested before start is moved: with the last frame an event frame, the
    // event list asks for (N, N), which must not turn into (N - 1, N).
    if (start == end) return -1;
    stopRequested_ = false;  // cleared as every loop does; this one never stops early
    const Walk walk = WalkFrom(start, end);
    const jpeg::CameraRecords& camera = recording_.decoder().camera;
    for (int i = 0, f = walk.first; i < walk.length; ++i, f += walk.step) {
        // A frame that cannot be fetched is no event frame.
        if (WalkCounted(f) && camera.hasEventByte && (camera.EventByte & kEventMark) != 0) return f;
    }
    return -1;
}

std::vector<int32_t> FrameScanner::ListEventFrames() {
    std::vector<int32_t> list;
    const int frames = recording_.header.frames;
    for (int p = EventScan(0, frames); p >= 0; p = EventScan(p + 1, frames)) list.push_back(p);
    return list;
}

int FrameScanner::TriggerWalk(int start, int end) {
    if (start == end) return -1;
    stopRequested_ = false;
    const Walk walk = WalkFrom(start, end);
    const jpeg::CameraRecords& camera = recording_.decoder().camera;
    for (int i = 0, f = walk.first; i < walk.length; ++i, f += walk.step) {
        // A frame that cannot be fetched leaves the sensor as it was.
        const bool walked = WalkCounted(f);
        if (frameScanned) frameScanned(f);
        if ((walked && camera.triggerEdge) || stopRequested_) return f;
    }
    return -1;
}

}  // namespace vn::avi
