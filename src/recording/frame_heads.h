// The starts of frames, read in blocks: a recording's frames lie one after
// another in the file, so one read serves the heads of many, and a walk
// over thousands of frames makes a few hundred reads instead of a read per
// frame.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vn::avi {

class Recording;

class FrameHeadBlocks {
public:
    // The bytes of a head beyond the segments before the scan data are
    // not needed; the cameras' segments take under a kilobyte.
    static constexpr size_t kHeadBytes = 2048;

    explicit FrameHeadBlocks(const Recording& recording) : recording_(recording) {}

    // The first picture bytes of frame, at most kHeadBytes, and in length
    // the frame's whole length; nothing for a frame ReadFrame would refuse.
    // The span lasts until the next call.
    std::optional<std::span<const uint8_t>> Head(int frame, uint32_t* length);
    // Forgets what was read: the recording closes.
    void Forget() { blockBytes_ = 0; }

private:
    bool ReadBlockAround(uint64_t chunk, uint64_t headEnd);

    const Recording& recording_;
    std::vector<uint8_t> block_;
    uint64_t blockStart_ = 0;
    size_t blockBytes_ = 0;
};

}  // namespace vn::avi
