// The frame index from "idx1" and fetching a frame's picture bytes by number.
#include <algorithm>
#include <array>
#include <new>

#include "recording/recording.h"

namespace vn::avi {

namespace {

constexpr size_t kEntrySize = 16;

}  // namespace

OpenResult Recording::ReadFrameIndex() {
    std::array<uint8_t, kEntrySize * kIndexEntriesPerRead> block;
    const size_t frames = static_cast<size_t>(header.frames);
    frameIndex.clear();
    OpenResult result = OpenResult::kOpened;
    try {
        while (result == OpenResult::kOpened && frameIndex.size() < frames) {
            const size_t first = frameIndex.size();
            const size_t count = std::min(kIndexEntriesPerRead, frames - first);
            const auto bytes = std::span(block).first(count * kEntrySize);
            // A short index ends where the file ends.
            const uint64_t at = idx1Pos + first * kEntrySize;
            const size_t available =
                at < fileSize ? static_cast<size_t>(std::min<uint64_t>(bytes.size(), fileSize - at)) : 0;
            if (!file_.ReadAt(at, bytes.first(available))) break;
            // The index grows with the entries read, so its memory follows
            // what the file holds rather than what its header claims.
            for (size_t i = 0; i < count && result == OpenResult::kOpened; ++i) {
                const uint8_t* entry = bytes.data() + i * kEntrySize;
                if ((i + 1) * kEntrySize > available || !IsFrameTag(LittleEndian32(entry))) {
                    result = OpenResult::kUnusable;
                } else {
                    // An index after the RIFF chunk counts from the "movi" list.
                    frameIndex.push_back(
                        FrameIndexEntry{LittleEndian32(entry + 8) + moviPos, LittleEndian32(entry + 12)});
                }
            }
        }
    } catch (const std::bad_alloc&) {
        result = OpenResult::kUnusable;
    }
    if (frameIndex.size() < frames) result = OpenResult::kUnusable;
    // The frames end with the last good entry: nothing after a bad one is
    // read, scanned or shown.
    header.frames = static_cast<int32_t>(frameIndex.size());
    return result;
}

FrameRead Recording::GetFrameEntry(int frame, uint32_t* offset, uint32_t* length) const {
    if (frame < 0 || frame >= header.frames || static_cast<size_t>(frame) >= frameIndex.size()) {
        return FrameRead::kNoSuchFrame;
    }
    if (offset) *offset = frameIndex[frame].offset;
    if (length) *length = frameIndex[frame].length;
    return FrameRead::kOk;
}

FrameRead Recording::LocateFrame(int frame, size_t capacity, FrameIndexEntry& entry) const {
    if (GetFrameEntry(frame, &entry.offset, &entry.length) != FrameRead::kOk) return FrameRead::kNoSuchFrame;
    // Nothing is written past the destination.
    if (entry.length > capacity || !FrameFits(entry)) return FrameRead::kNotAFrame;
    if (!IsFrameTag(file_.TagAt(entry.offset))) return FrameRead::kNotAFrame;
    return FrameRead::kOk;
}

FrameRead Recording::ReadFrame(int frame, std::span<uint8_t> dest, uint32_t* offset, uint32_t* length) {
    if (dest.empty()) dest = frameBuffer;
    FrameIndexEntry entry;
    const FrameRead located = LocateFrame(frame, dest.size(), entry);
    if (located != FrameRead::kNoSuchFrame) {
        if (offset) *offset = entry.offset;
        if (length) *length = entry.length;
    }
    if (located != FrameRead::kOk) return located;
    // The last frame length describes what the frame buffer holds.
    const bool intoFrameBuffer = dest.data() == frameBuffer.data();
    if (!file_.ReadAt(uint64_t{entry.offset} + 8, dest.first(entry.length))) {
        // The destination now holds neither the old frame nor the new one.
        if (intoFrameBuffer) lastFrameLength = 0;
        return FrameRead::kNotAFrame;
    }
    if (intoFrameBuffer) lastFrameLength = entry.length;
    return FrameRead::kOk;
}

bool Recording::FrameFits(const FrameIndexEntry& entry) const {
    return entry.length <= frameBuffer.size() && uint64_t{entry.offset} + 8 + entry.length <= fileSize;
}

bool Recording::ReadFileBytes(uint64_t offset, std::span<uint8_t> dest) const { return file_.ReadAt(offset, dest); }

std::span<const uint8_t> Recording::LastFrameBytes() const {
    return std::span<const uint8_t>(frameBuffer).first(std::min<size_t>(lastFrameLength, frameBuffer.size()));
}

}  // namespace vn::avi
