// The one windowed reader over a movie file: the file is read a window at a
// time (1 MiB rounded down to the page size) and handed out in bytes and
// bits, most significant bit first. Offsets are 64-bit, so files above
// 4 GiB work. No operation reads outside the current window: reads that
// need bytes beyond it read ("map") the next window first, and reads at the
// end of the file fail. Windows are read into memory of the reader's own,
// not mapped, so a file cut short while it is open ends early instead of
// faulting.
#pragma once

#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "common/file_source.h"

namespace vn::mpeg4 {

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

    // Closes any open file, opens path read-only and reads the first window.
    // Returns 0, or -1 with errno set when the file cannot be opened or
    // read (EINVAL for an empty file or one that is not a regular file).
    int Open(const std::string& path);
    // The same over any source of the file's bytes. A windowSize other than
    // 0 replaces the 1 MiB window, so that small files cross windows too.
    int Open(std::unique_ptr<FileSource> source, uint32_t windowSize = 0);
    void Close();
    bool isOpen() const { return source_ != nullptr; }
    // The open file's last-write time, seconds since the epoch.
    int64_t modifiedSeconds() const { return source_ ? source_->modifiedSeconds() : 0; }

    // Reads the window starting at offset (a multiple of the window size) and
    // puts the position on its first byte. Returns the window length, or -1
    // with errno set for an offset at or beyond the end of the file (EINVAL)
    // or a failed read (EIO: the file is shorter than it was); the current
    // window then stays.
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
    // Moves forwards (or backwards) to the nearest byte, this one included,
    // where the bytes 00 00 01 begin that CopyAhead(3) would copy; bytes
    // after last (or before first) are not tried. False when there is none
    // (the reader then stands past the bound, or at the end or start of the
    // file). The reader must be byte-aligned.
    bool FindPrefixForward(uint64_t last);
    bool FindPrefixBackward(uint64_t first);

    // The reader's place as plain values, for decoding loops that stay
    // inside the current window: take it, move it, hand it back with
    // Resume. Reads through the cursor never change window.
    class Cursor {
    public:
        Cursor(const uint8_t* base, uint64_t bit, uint32_t length) : base_(base), end_(uint64_t{length} * 8) {
            Fill(bit);
        }
        // Bits from the position to the end of the window. Consuming fewer
        // than this leaves the position inside the window, as reading them
        // bit by bit would.
        uint64_t left() const {
            const uint64_t bit = position();
            return bit < end_ ? end_ - bit : 0;
        }
        // The next 32 bits, left-aligned, zero past the window's end.
        uint32_t Show32() {
            if (used_ > kFreshBits - 32) Fill(position());
            return static_cast<uint32_t>((cache_ << used_) >> 32);
        }
        // At most the 32 bits shown last.
        void Skip(int n) {
            assert(n >= 0 && used_ + n <= kFreshBits);
            used_ += n;
        }

    private:
        friend class StreamWindow;
        // A fill leaves at least 57 valid bits: 64 less the bit offset in
        // the first byte.
        static constexpr int kFreshBits = 57;

        uint64_t position() const { return cacheBit_ + static_cast<unsigned>(used_); }
        void Fill(uint64_t bit) {
            const uint64_t at = bit >> 3;
            const uint64_t length = end_ >> 3;
            uint64_t word = 0;
            if (at + 8 <= length) {
                std::memcpy(&word, base_ + at, 8);
                if constexpr (std::endian::native == std::endian::little) word = __builtin_bswap64(word);
            } else {
                for (uint64_t i = 0; i < 8; ++i) word = word << 8 | (at + i < length ? base_[at + i] : 0);
            }
            cache_ = word << (bit & 7);
            cacheBit_ = bit;
            used_ = 0;
        }

        const uint8_t* base_;
        uint64_t end_;
        uint64_t cache_ = 0;     // bits from cacheBit_ on, left-aligned
        uint64_t cacheBit_ = 0;  // window bit offset of the cache's first bit
        int used_ = 0;           // bits of the cache consumed
    };
    Cursor cursor() const { return {windowBase_, bit_, windowLength_}; }
    void Resume(const Cursor& cursor) { bit_ = cursor.position(); }

    // Bit operations, most significant bit first, n from 0 to 32. Taking the
    // last bit of a byte moves on to the next byte, so the file's very last
    // bit cannot be read successfully.
    bool ReadBits(int n, uint32_t& value) {
        Cursor c = cursor();
        if (n > 0 && static_cast<uint64_t>(n) < c.left()) {
            value = c.Show32() >> (32 - n);
            c.Skip(n);
            Resume(c);
            return true;
        }
        return ReadBitsAcross(n, value);
    }
    bool PeekBits(int n, uint32_t& value);
    // Zero bits before the next one bit, or -1 when the file ends first;
    // the count stops at limit (and returns it) when that many zeros
    // follow. The position does not move.
    int64_t CountLeadingZeros(int64_t limit = INT64_MAX);
    // Steps over 0x7F stuffing, the rest of the current byte and a 0x80
    // stuffing byte, in that order.
    void ByteAlign();
    // Byte-aligns, then looks for 23 zero bits and a one bit within 32 bytes
    // (surplus zeros are consumed). Returns the 32 bits from there, peeked
    // (0x1B6 for a VOP), or -1. skippedBytes() tells how many bytes it
    // passed over. A run of more than kMaxZeroRunBytes zero bytes is no
    // stuffing but the unwritten end of a recording: the search ends there
    // with -1.
    int64_t FindNextStartCode();
    static constexpr uint32_t kMaxZeroRunBytes = 65536;

    Mark Save() const { return {windowOffset_, positionInWindow(), bitMask()}; }
    void Restore(const Mark& mark);

    uint64_t position() const { return windowOffset_ + positionInWindow(); }
    uint64_t fileSize() const { return fileSize_; }
    uint32_t windowSize() const { return windowSize_; }
    uint64_t windowOffset() const { return windowOffset_; }
    uint32_t windowLength() const { return windowLength_; }
    bool byteAligned() const { return (bit_ & 7) == 0; }
    uint32_t skippedBytes() const { return skippedBytes_; }

private:
    uint32_t positionInWindow() const { return static_cast<uint32_t>(bit_ >> 3); }
    // The bit to read next within the current byte: 0x80 .. 0x01.
    uint8_t bitMask() const { return static_cast<uint8_t>(0x80 >> (bit_ & 7)); }
    bool atWindowEnd() const { return positionInWindow() >= windowLength_; }
    void SetPosition(uint32_t position, uint8_t mask);
    bool ReadBit(uint32_t& bit);
    bool ReadBitsAcross(int n, uint32_t& value);

    std::unique_ptr<FileSource> source_;
    uint64_t fileSize_ = 0;
    uint32_t windowSize_ = 0;
    uint64_t windowOffset_ = 0;
    uint32_t windowLength_ = 0;
    std::vector<uint8_t> window_;          // the current window's bytes
    std::vector<uint8_t> spare_;           // the next window is read here first
    const uint8_t* windowBase_ = nullptr;  // window_'s data, windowLength_ bytes
    // Position and bit mask in one: the bit offset from the window base
    // (byte = bit_ / 8, mask = 0x80 >> bit_ % 8).
    uint64_t bit_ = 0;
    uint32_t skippedBytes_ = 0;
};

}  // namespace vn::mpeg4
