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
    // failure. Valid until the next call of NextGroup.
    std::span<uint8_t> chunk;
    uint32_t length = 0;

    std::span<const uint8_t> picture() const { return chunk.subspan(8); }
};

class FrameSeries {
public:
    static constexpr size_t kReadBytes = size_t{1} << 20;  // one read's reach
    static constexpr uint32_t kGapBytes = 64 << 10;        // read over rather than seek past

    FrameSeries(const Recording& recording, int first, int step, int count);

    bool done() const { return taken_ == count_; }
    // The next frames of the series, read together: at least one until the
    // series is done. A frame that cannot be fetched comes in a group of its
    // own. Chunks of frames that follow each other in the file follow each
    // other in the buffer too.
    std::span<SeriesFrame> NextGroup();

private:
    int FrameAt(int k) const { return first_ + k * step_; }
    // Reads the frames from the next one on that lie close together (only
    // the next one when alone); the end of the group, or 0 when not even the
    // next frame could be read.
    int ReadGroup(bool alone);
    std::span<SeriesFrame> Failed(int frame, int result);

    const Recording& recording_;
    int first_, step_, count_;
    int taken_ = 0;
    uint64_t groupStart_ = 0;  // file offset of the buffer's first byte
    std::vector<uint8_t> buffer_;
    std::vector<SeriesFrame> group_;
};

}  // namespace vn::avi
