#include "movie/audio_ring.h"

#include <algorithm>
#include <cstring>

namespace vn::movie {

namespace {

// Copies n bytes between a linear buffer and the ring starting at index,
// in at most two pieces around the ring's end; returns the index after them.
template <typename CopyPiece>
uint32_t CopyAround(uint32_t index, uint32_t n, CopyPiece copyPiece) {
    const uint32_t first = std::min(n, AudioRing::kSize - index);
    copyPiece(index, 0u, first);
    copyPiece(0u, first, n - first);
    return (index + n) % AudioRing::kSize;
}

}  // namespace

uint32_t AudioRing::Push(std::span<const uint8_t> bytes) {
    if (observer_) observer_(bytes);
    const uint32_t n = static_cast<uint32_t>(std::min<size_t>(bytes.size(), room()));
    writeIndex_ = CopyAround(writeIndex_, n, [&](uint32_t at, uint32_t from, uint32_t length) {
        if (length) std::memcpy(bytes_.data() + at, bytes.data() + from, length);
    });
    count_ += n;
    return n;
}

uint32_t AudioRing::Take(std::span<uint8_t> out) {
    const uint32_t n = static_cast<uint32_t>(std::min<size_t>(out.size(), count_));
    readIndex_ = CopyAround(readIndex_, n, [&](uint32_t at, uint32_t to, uint32_t length) {
        if (length) std::memcpy(out.data() + to, bytes_.data() + at, length);
    });
    count_ -= n;
    return n;
}

void AudioRing::Clear() { writeIndex_ = readIndex_ = count_ = 0; }

}  // namespace vn::movie
