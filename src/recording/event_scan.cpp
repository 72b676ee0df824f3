#include "recording/event_scan.h"

#include "recording/recording.h"

namespace vn::avi {

namespace {
constexpr uint8_t kEventMark = 0x80;
}

bool FrameScanner::IsEventFrame(int frame) {
    // A frame that cannot be fetched is no event frame: the buffer would
    // still hold the frame before it.
    if (recording_.ReadFrame(frame) != FrameRead::kOk) return false;
    jpeg::JpegDecoder& decoder = recording_.decoder();
    decoder.ParseJpegHeaders(recording_.LastFrameBytes(), jpeg::kMarkerWalkLimit, nullptr, nullptr, nullptr, nullptr);
    return decoder.camera.hasEventByte && (decoder.camera.EventByte & kEventMark) != 0;
}

int FrameScanner::EventScan(int start, int end) {
    // Tested before start is moved: with the last frame an event frame, the
    // event list asks for (N, N), which must not turn into (N - 1, N).
    if (start == end) return -1;
    const int frames = recording_.header.frames;
    const int step = start < end ? 1 : -1;
    stopRequested = false;  // cleared as every loop does; this one never stops early
    if (start < 0 || start >= frames) start = frames - 1;
    // Frames outside the index cannot be event frames, so the walk ends there
    // whatever end says.
    for (int f = start; f != end && f >= 0 && f < frames; f += step) {
        if (IsEventFrame(f)) return f;
    }
    return -1;
}

std::vector<int32_t> FrameScanner::ListEventFrames() {
    std::vector<int32_t> list;
    for (int p = EventScan(0, recording_.header.frames); p >= 0; p = EventScan(p + 1, recording_.header.frames)) {
        list.push_back(p);
    }
    return list;
}

}  // namespace vn::avi
