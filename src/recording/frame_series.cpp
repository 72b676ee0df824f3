#include "recording/frame_series.h"

#include <algorithm>
#include <new>

namespace vn::avi {

namespace {

constexpr int kNoSuchFrame = -2;
constexpr int kUnreadable = -3;

uint64_t ChunkEnd(const FrameIndexEntry& entry) { return uint64_t{entry.offset} + 8 + entry.length; }

}  // namespace

FrameSeries::FrameSeries(const Recording& recording, int first, int step, int count)
    : recording_(recording), first_(first), step_(std::max(step, 1)), count_(std::max(count, 0)) {}

bool FrameSeries::ReadGroup(bool alone) {
    FrameIndexEntry entry;
    recording_.GetFrameEntry(FrameAt(taken_), &entry.offset, &entry.length);
    groupStart_ = entry.offset;
    uint64_t end = ChunkEnd(entry);
    int k = taken_ + 1;
    for (; !alone && k < count_; ++k) {
        FrameIndexEntry next;
        if (recording_.GetFrameEntry(FrameAt(k), &next.offset, &next.length) != 0) break;
        if (!recording_.FrameFits(next) || next.offset < end || next.offset - end > kGapBytes) break;
        if (ChunkEnd(next) - groupStart_ > kReadBytes) break;
        end = ChunkEnd(next);
    }
    try {
        buffer_.resize(static_cast<size_t>(end - groupStart_));
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (!recording_.ReadFileBytes(groupStart_, buffer_)) {
        // One unreadable place must not cost the frames around it.
        return !alone && ReadGroup(true);
    }
    groupEnd_ = k;
    return true;
}

SeriesFrame FrameSeries::Next() {
    SeriesFrame out;
    if (done()) {
        out.result = kNoSuchFrame;
        return out;
    }
    out.frame = FrameAt(taken_);
    FrameIndexEntry entry;
    if (recording_.GetFrameEntry(out.frame, &entry.offset, &entry.length) != 0) {
        out.result = kNoSuchFrame;
    } else if (!recording_.FrameFits(entry) || (taken_ >= groupEnd_ && !ReadGroup(false))) {
        out.result = kUnreadable;
    } else {
        const auto chunk = std::span(buffer_).subspan(entry.offset - groupStart_, size_t{8} + entry.length);
        out.result = IsFrameTag(LittleEndian32(chunk.data())) ? 0 : kUnreadable;
        if (out.result == 0) out.chunk = chunk;
    }
    out.length = out.result == 0 ? entry.length : 0;
    ++taken_;
    // A frame that failed before its group was read leaves the group behind.
    groupEnd_ = std::max(groupEnd_, taken_);
    return out;
}

}  // namespace vn::avi
