#include "recording/frame_heads.h"

#include <algorithm>

#include "recording/recording.h"

namespace vn::avi {

namespace {
constexpr size_t kBlockBytes = 256 * 1024;
constexpr size_t kChunkHeaderBytes = 8;  // tag and length before the picture
}  // namespace

std::optional<std::span<const uint8_t>> FrameHeadBlocks::Head(int frame, uint32_t* length) {
    FrameIndexEntry entry;
    if (recording_.GetFrameEntry(frame, &entry.offset, &entry.length) != FrameRead::kOk ||
        !recording_.FrameFits(entry)) {
        return std::nullopt;
    }
    const uint64_t chunk = entry.offset;
    const uint64_t headEnd = chunk + kChunkHeaderBytes + std::min<uint64_t>(entry.length, kHeadBytes);
    if ((chunk < blockStart_ || headEnd > blockStart_ + blockBytes_) && !ReadBlockAround(chunk, headEnd)) {
        return std::nullopt;
    }
    const uint8_t* at = block_.data() + (chunk - blockStart_);
    if (!IsFrameTag(LittleEndian32(at))) return std::nullopt;
    *length = entry.length;
    return std::span<const uint8_t>(at + kChunkHeaderBytes, headEnd - chunk - kChunkHeaderBytes);
}

// A walk forwards reads on from the chunk, a walk backwards back from the
// end of its head, so that the next frames' heads are in the block too.
bool FrameHeadBlocks::ReadBlockAround(uint64_t chunk, uint64_t headEnd) {
    if (block_.size() != kBlockBytes) block_.assign(kBlockBytes, 0);
    const bool backwards = chunk < blockStart_ && blockBytes_ > 0;
    uint64_t start = backwards && headEnd > kBlockBytes ? headEnd - kBlockBytes : (backwards ? 0 : chunk);
    size_t count = static_cast<size_t>(std::min<uint64_t>(kBlockBytes, recording_.fileSize - start));
    blockBytes_ = 0;
    if (!recording_.ReadFileBytes(start, std::span(block_).first(count))) {
        // The file may have shrunk since it was opened: the frames it kept
        // are still read, one head at a time.
        start = chunk;
        count = static_cast<size_t>(headEnd - chunk);
        if (!recording_.ReadFileBytes(start, std::span(block_).first(count))) return false;
    }
    blockStart_ = start;
    blockBytes_ = count;
    return true;
}

}  // namespace vn::avi
