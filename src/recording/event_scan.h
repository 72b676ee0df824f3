// The scanning loops that walk the open recording frame by frame, reading
// only the camera records of each frame, and the stop request that a running
// search listens to.
#pragma once

#include <cstdint>
#include <vector>

namespace vn::avi {

class Recording;

class FrameScanner {
public:
    explicit FrameScanner(Recording& recording) : recording_(recording) {}

    // The first frame from start toward end (end not included) whose event
    // byte has bit 7 set; -1 when there is none. The direction is forward
    // when start < end. A start outside the recording begins at its last
    // frame. The cursor does not move; the frame buffer is overwritten.
    int EventScan(int start, int end);

    // Every event frame of the recording, ascending.
    std::vector<int32_t> ListEventFrames();

    void RequestScanStop() { stopRequested = true; }
    bool stopRequested = false;

private:
    bool IsEventFrame(int frame);

    Recording& recording_;
};

}  // namespace vn::avi
