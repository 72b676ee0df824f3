// The one windowed reader over a movie file: the file is mapped a window at
// a time (1 MiB rounded down to the page size) and handed out in bytes and
// bits, most significant bit first. Offsets are 64-bit, so files above
// 4 GiB work. No operation reads outside the mapped window: reads that need
// bytes beyond it map the next window first, and reads at the end of the
// file fail.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace vn {

class StreamWindow {
public:
    // Where the reader stands: enough to come back after a look-ahead.
    struct Mark {
        uint64_t windowOffset = 0;
        uint32_t position = 0;  // byte index inside the window
        uint8_t bitMask = 0x80;
    };

    StreamWindow();
    ~StreamWindow();
    StreamWindow(const StreamWindow&) = delete;
    StreamWindow& operator=(const StreamWindow&) = delete;

    // Closes any open file, opens path read-only and maps the first window.
    // Returns 0, or -1 when the file cannot be opened or mapped.
    int Open(const std::string& path);
    // Unmaps the window and closes the file. Closing when nothing is open
    // succeeds; false when a step failed (the file then stays open).
    bool Close();
    bool isOpen() const { return fd_ >= 0; }

    // Maps the window starting at offset (a multiple of the window size) and
    // puts the position on its first byte. Returns the window length, or -1
    // for an offset at or beyond the end of the file (the current window
    // stays mapped) or a mapping failure.
    int64_t MapWindow(uint64_t offset);

    // Byte operations; the bit mask must be byte-aligned. False at the end
    // (or, for StepBack, the start) of the file.
    bool Advance();
    bool StepBack();
    bool Skip(uint64_t n);
    bool Read8(uint8_t& value);
    bool Read16(uint16_t& value);  // little-endian
    bool Read32(uint32_t& value);  // little-endian
    // Copies the next n bytes without consuming them.
    bool CopyAhead(uint8_t* out, size_t n);

    // Bit operations, most significant bit first, n from 0 to 32. Taking the
    // last bit of a byte moves on to the next byte, so the file's very last
    // bit cannot be read successfully.
    bool ReadBits(int n, uint32_t& value) {
        if (n > 0 && static_cast<uint64_t>(n) < bitsLeftInWindow()) {
            value = ShowBits32() >> (32 - n);
            bit_ += static_cast<unsigned>(n);
            return true;
        }
        return ReadBitsAcross(n, value);
    }
    bool PeekBits(int n, uint32_t& value);
    // Zero bits before the next one bit, or -1 when the file ends first.
    // The position does not move.
    int64_t CountLeadingZeros();
    // Steps over 0x7F stuffing, the rest of the current byte and a 0x80
    // stuffing byte, in that order.
    void ByteAlign();
    // Byte-aligns, then looks for 23 zero bits and a one bit within 32 bytes
    // (surplus zeros are consumed). Returns the 32 bits from there, peeked
    // (0x1B6 for a VOP), or -1. skippedBytes() tells how many bytes it
    // passed over.
    int64_t FindNextStartCode();

    Mark Save() const { return {windowOffset_, positionInWindow(), bitMask()}; }
    void Restore(const Mark& mark);

    uint64_t position() const { return windowOffset_ + positionInWindow(); }
    uint64_t fileSize() const { return fileSize_; }
    uint32_t windowSize() const { return windowSize_; }
    uint64_t windowOffset() const { return windowOffset_; }
    uint32_t windowLength() const { return windowLength_; }
    bool byteAligned() const { return (bit_ & 7) == 0; }
    uint32_t skippedBytes() const { return skippedBytes_; }

    // Bits from the position up to the end of the window (0 at the end of
    // the file). Reads of fewer bits than this never change window; the
    // table-driven code readers use it to stay on their fast path.
    uint64_t bitsLeftInWindow() const {
        const uint64_t windowBits = uint64_t{windowLength_} * 8;
        return bit_ < windowBits ? windowBits - bit_ : 0;
    }
    // The next 32 bits inside the window, left-aligned, zero past its end.
    // Does not move. For fast paths that have checked bitsLeftInWindow().
    uint32_t ShowBits32() const {
        const uint32_t at = positionInWindow();
        uint64_t word = 0;
        if (uint64_t{at} + 8 <= windowLength_) {
            std::memcpy(&word, windowBase_ + at, 8);
            if constexpr (std::endian::native == std::endian::little) word = __builtin_bswap64(word);
        } else {
            for (uint32_t i = 0; i < 8; ++i) {
                word = word << 8 | (at + i < windowLength_ ? windowBase_[at + i] : 0);
            }
        }
        return static_cast<uint32_t>((word << (bit_ & 7)) >> 32);
    }
    // Moves on n bits; only when n < bitsLeftInWindow().
    void SkipBitsInWindow(int n) { bit_ += static_cast<unsigned>(n); }

private:
    uint32_t positionInWindow() const { return static_cast<uint32_t>(bit_ >> 3); }
    // The bit to read next within the current byte: 0x80 .. 0x01.
    uint8_t bitMask() const { return static_cast<uint8_t>(0x80 >> (bit_ & 7)); }
    bool atWindowEnd() const { return positionInWindow() >= windowLength_; }
    void SetPosition(uint32_t position, uint8_t mask);
    bool ReadBit(uint32_t& bit);
    bool ReadBitsAcross(int n, uint32_t& value);

    int fd_ = -1;
    uint64_t fileSize_ = 0;
    uint32_t windowSize_ = 0;
    uint64_t windowOffset_ = 0;
    uint32_t windowLength_ = 0;
    const uint8_t* windowBase_ = nullptr;
    void* mapping_ = nullptr;
    size_t mappingLength_ = 0;
    // Position and bit mask in one: the bit offset from the window base
    // (byte = bit_ / 8, mask = 0x80 >> bit_ % 8).
    uint64_t bit_ = 0;
    uint32_t skippedBytes_ = 0;
};

}  // namespace vn
