// The raw movies' sound bytes on their way from the frame reader to the audio
// output: a 32768-byte ring. The reader pushes each picture's chunk; the
// output side takes bytes out in order. Bytes that do not fit are dropped,
// because a late reader must never hold up the pictures.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>

namespace vn::movie {

class AudioRing {
public:
    static constexpr uint32_t kSize = 0x8000;

    // Appends bytes while there is room and drops the rest; returns how many were stored.
    uint32_t Push(std::span<const uint8_t> bytes);
    // Moves up to out.size() bytes out of the ring in order; returns how many.
    uint32_t Take(std::span<uint8_t> out);
    // Empties the ring: count and both indices 0.
    void Clear();

    uint32_t count() const { return count_; }
    uint32_t room() const { return kSize - count_; }
    uint32_t readIndex() const { return readIndex_; }
    uint32_t writeIndex() const { return writeIndex_; }

    // Sees every byte offered to Push, stored or dropped (the tool's audio dump).
    void SetPushObserver(std::function<void(std::span<const uint8_t>)> observer) { observer_ = std::move(observer); }

private:
    std::array<uint8_t, kSize> bytes_{};
    uint32_t writeIndex_ = 0;
    uint32_t readIndex_ = 0;
    uint32_t count_ = 0;
    std::function<void(std::span<const uint8_t>)> observer_;
};

}  // namespace vn::movie
