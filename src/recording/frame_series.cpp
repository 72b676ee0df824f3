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

int FrameSeries::ReadGroup(bool alone) {
    FrameIndexEntry entry;
    recording_.GetFrameEntry(FrameAt(taken_), &entry.offset, &entry.length);
    groupStart_ = entry.offset;
    uint64_t end = ChunkEnd(entry);
    int k = taken_ + 1;
    for (; !alone && k < count_; ++k) {
        FrameIndexEntry next;
        if (recording_.GetFrameEntry(FrameAt(k), &next.offset, &next.length) != FrameRead::kOk) break;
        if (!recording_.FrameFits(next) || next.offset < end || next.offset - end > kGapBytes) break;
        if (ChunkEnd(next) - groupStart_ > kReadBytes) break;
        end = ChunkEnd(next);
    }
    try {
        buffer_.resize(static_cast<size_t>(end - groupStart_));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    if (recording_.ReadFileBytes(groupStart_, buffer_)) return k;
    // One unreadable place must not cost the frames around it.
    return alone ? 0 : ReadGroup(true);
}

std::span<SeriesFrame> FrameSeries::Failed(int frame, int result) {
    group_.push_back(SeriesFrame{frame, result, {}, 0});
    ++taken_;
    return group_;
}

std::span<SeriesFrame> FrameSeries::NextGroup() {
    group_.clear();
    if (done()) return group_;
    FrameIndexEntry entry;
    if (recording_.GetFrameEntry(FrameAt(taken_), &entry.offset, &entry.length) != FrameRead::kOk) {
        return Failed(FrameAt(taken_), kNoSuchFrame);
    }
    const int end = recording_.FrameFits(entry) ? ReadGroup(false) : 0;
    if (end == 0) return Failed(FrameAt(taken_), kUnreadable);
    for (; taken_ < end; ++taken_) {
        SeriesFrame& frame = group_.emplace_back(SeriesFrame{FrameAt(taken_), 0, {}, 0});
        recording_.GetFrameEntry(frame.frame, &entry.offset, &entry.length);
        const auto chunk = std::span(buffer_).subspan(entry.offset - groupStart_, size_t{8} + entry.length);
        if (!IsFrameTag(LittleEndian32(chunk.data()))) {
            frame.result = kUnreadable;
            continue;
        }
        frame.chunk = chunk;
        frame.length = entry.length;
    }
    return group_;
}

}  // namespace vn::avi
