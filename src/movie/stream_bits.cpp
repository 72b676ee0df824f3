// Bit operations of the stream reader: reads, peeks, zero counts, byte
// alignment and the start-code search. Reads that stay inside the current
// window take their bits straight from it; a read that reaches the window's
// end goes bit by bit, so crossing into the next window and failing at the
// end of the file happen exactly as for single-bit reads.
#include <bit>
#include <cstring>

#include "movie/stream_window.h"

namespace vn {

namespace {
// Bytes of other data a start-code search passes over at most.
constexpr uint32_t kStartCodeSearchLimit = 32;
constexpr int kStartCodePrefixZeros = 23;
}  // namespace

int StreamWindow::BitIndex() const { return std::countl_zero(bitMask_); }

uint32_t StreamWindow::ShowBits32() const {
    uint64_t word = 0;
    if (uint64_t{position_} + 8 <= windowLength_) {
        std::memcpy(&word, windowBase_ + position_, 8);
        if constexpr (std::endian::native == std::endian::little) word = __builtin_bswap64(word);
    } else {
        for (uint32_t i = 0; i < 8; ++i) {
            word <<= 8;
            if (position_ + i < windowLength_) word |= windowBase_[position_ + i];
        }
    }
    return static_cast<uint32_t>((word << BitIndex()) >> 32);
}

void StreamWindow::SkipBitsInWindow(int n) {
    const uint64_t bit = uint64_t{position_} * 8 + BitIndex() + n;
    position_ = static_cast<uint32_t>(bit >> 3);
    bitMask_ = static_cast<uint8_t>(0x80 >> (bit & 7));
}

bool StreamWindow::ReadBit(uint32_t& bit) {
    if (position_ >= windowLength_) return false;
    bit = (windowBase_[position_] & bitMask_) != 0;
    bitMask_ >>= 1;
    if (bitMask_ != 0) return true;
    bitMask_ = 0x80;
    return Advance();
}

bool StreamWindow::ReadBits(int n, uint32_t& value) {
    if (n <= 0) {
        value = 0;
        return n == 0;
    }
    if (n > 32) return false;
    if (static_cast<uint64_t>(n) < bitsLeftInWindow()) {
        value = ShowBits32() >> (32 - n);
        SkipBitsInWindow(n);
        return true;
    }
    uint32_t result = 0;
    for (int i = 0; i < n; ++i) {
        uint32_t bit = 0;
        if (!ReadBit(bit)) return false;
        result = result << 1 | bit;
    }
    value = result;
    return true;
}

bool StreamWindow::PeekBits(int n, uint32_t& value) {
    if (n > 0 && n <= 32 && static_cast<uint64_t>(n) < bitsLeftInWindow()) {
        value = ShowBits32() >> (32 - n);
        return true;
    }
    const Mark start = Save();
    const bool ok = ReadBits(n, value);
    Restore(start);
    return ok;
}

int64_t StreamWindow::CountLeadingZeros() {
    const Mark start = Save();
    int64_t count = 0;
    int64_t result = -1;
    while (position_ < windowLength_) {
        // The bits of the current byte from the mask on.
        const auto bits = static_cast<uint8_t>(windowBase_[position_] & (2 * bitMask_ - 1));
        if (bits != 0) {
            const int zeros = std::countl_zero(bits) - BitIndex();
            count += zeros;
            // Reading the one bit must succeed too: as the last bit of its
            // byte it moves on to the next byte.
            if ((bitMask_ >> zeros) != 1 || Advance()) result = count;
            break;
        }
        count += 8 - BitIndex();
        bitMask_ = 0x80;
        if (!Advance()) break;
    }
    Restore(start);
    return result;
}

void StreamWindow::ByteAlign() {
    if (bitMask_ == 0x80 && position_ < windowLength_ && windowBase_[position_] == 0x7F) Advance();
    uint32_t bit = 0;
    while (bitMask_ != 0x80) {
        if (!ReadBit(bit)) break;
    }
    if (bitMask_ == 0x80 && position_ < windowLength_ && windowBase_[position_] == 0x80) Advance();
}

int64_t StreamWindow::FindNextStartCode() {
    ByteAlign();
    uint32_t advances = 0;
    int64_t zeros = CountLeadingZeros();
    while (zeros < kStartCodePrefixZeros) {
        if (advances == kStartCodeSearchLimit || !Advance()) {
            skippedBytes_ = advances;
            return -1;
        }
        ++advances;
        zeros = CountLeadingZeros();
    }
    skippedBytes_ = advances;
    for (int64_t surplus = zeros - kStartCodePrefixZeros; surplus > 0; surplus -= 32) {
        uint32_t discard = 0;
        if (!ReadBits(static_cast<int>(surplus < 32 ? surplus : 32), discard)) return -1;
    }
    uint32_t code = 0;
    if (!PeekBits(32, code)) return -1;
    return code;
}

}  // namespace vn
