// A series of frames of the open recording (first, first + step, ...)
// fetched in as few reads as their places in the file allow: chunks that
// follow one another closely are read together into one buffer. The reader's
// frame buffer and cursor are left alone, so the frame on screen stays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "recording/recording.h"

namespace vn::avi {

struct SeriesFrame {
    int frame = 0;
    // 0; -2 no such frame; -3 not a frame chunk, too long, past the end of
    // the file or a failed read: ReadFrame's results for the same frame.
    int result = 0;
    // The whole chunk: tag, size field and picture (length bytes); empty on
    // failure. Valid until the next call of Next.
    std::span<uint8_t> chunk;
    uint32_t length = 0;

    std::span<const uint8_t> picture() const { return chunk.subspan(8); }
};

class FrameSeries {
public:
    static constexpr size_t kReadBytes = size_t{4} << 20;  // one read's reach
    static constexpr uint32_t kGapBytes = 64 << 10;        // read over rather than seek past

    FrameSeries(const Recording& recording, int first, int step, int count);

    bool done() const { return taken_ == count_; }
    // The next frame of the series.
    SeriesFrame Next();

private:
    int FrameAt(int k) const { return first_ + k * step_; }
    // Reads the group of frames starting with the next one; false when its
    // first frame cannot be fetched.
    bool ReadGroup(bool alone);

    const Recording& recording_;
    int first_, step_, count_;
    int taken_ = 0;
    // The frames read and not yet taken: k in [taken_, groupEnd_).
    int groupEnd_ = 0;
    uint64_t groupStart_ = 0;
    std::vector<uint8_t> buffer_;
};

}  // namespace vn::avi
