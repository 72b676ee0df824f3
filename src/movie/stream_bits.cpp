// Bit operations of the stream reader beyond the inline fast path: reads
// that reach the window's end go bit by bit, so crossing into the next
// window and failing at the end of the file happen exactly as for
// single-bit reads; zero counts, byte alignment and the start-code search.
#include <algorithm>

#include "movie/stream_window.h"

namespace vn::mpeg4 {

namespace {
// Bytes of other data a start-code search passes over at most.
constexpr uint32_t kStartCodeSearchLimit = 32;
constexpr int kStartCodePrefixZeros = 23;
}  // namespace

bool StreamWindow::ReadBit(uint32_t& bit) {
    if (atWindowEnd()) return false;
    bit = (windowBase_[positionInWindow()] & bitMask()) != 0;
    if ((++bit_ & 7) != 0) return true;
    // The mask came back to 0x80; move on to the next byte.
    bit_ -= 8;
    return Advance();
}

bool StreamWindow::ReadBitsAcross(int n, uint32_t& value) {
    if (n < 0 || n > 32) return false;
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
    Cursor c = cursor();
    if (n > 0 && n <= 32 && static_cast<uint64_t>(n) < c.left()) {
        value = c.Show32() >> (32 - n);
        return true;
    }
    const Mark start = Save();
    const bool ok = ReadBits(n, value);
    Restore(start);
    return ok;
}

int64_t StreamWindow::CountLeadingZeros(int64_t limit) {
    const Mark start = Save();
    int64_t count = 0;
    int64_t result = -1;
    while (!atWindowEnd()) {
        if (count >= limit) {
            result = limit;
            break;
        }
        // The bits of the current byte from the mask on.
        const uint8_t mask = bitMask();
        const auto bits = static_cast<uint8_t>(windowBase_[positionInWindow()] & (2 * mask - 1));
        const int index = static_cast<int>(bit_ & 7);
        if (bits != 0) {
            const int zeros = std::countl_zero(bits) - index;
            count += zeros;
            // Reading the one bit must succeed too: as the last bit of its
            // byte it moves on to the next byte.
            bit_ &= ~uint64_t{7};
            if (index + zeros != 7 || Advance()) result = std::min(count, limit);
            break;
        }
        count += 8 - index;
        bit_ &= ~uint64_t{7};
        if (!Advance()) break;
    }
    Restore(start);
    return result;
}

void StreamWindow::ByteAlign() {
    if (byteAligned() && !atWindowEnd() && windowBase_[positionInWindow()] == 0x7F) Advance();
    uint32_t bit = 0;
    while (!byteAligned()) {
        if (!ReadBit(bit)) break;
    }
    if (byteAligned() && !atWindowEnd() && windowBase_[positionInWindow()] == 0x80) Advance();
}

int64_t StreamWindow::FindNextStartCode() {
    ByteAlign();
    // Counting stops a little past the longest zero run taken as stuffing,
    // which bounds the work of a search to its 33 counts of that length.
    const int64_t countLimit = int64_t{kMaxZeroRunBytes} * 8 + kStartCodePrefixZeros + 1;
    uint32_t advances = 0;
    int64_t zeros = CountLeadingZeros(countLimit);
    while (zeros < kStartCodePrefixZeros) {
        if (advances == kStartCodeSearchLimit || !Advance()) break;
        ++advances;
        zeros = CountLeadingZeros(countLimit);
    }
    skippedBytes_ = advances;
    if (zeros < kStartCodePrefixZeros || zeros >= countLimit) return -1;
    // The reader is byte-aligned here: whole bytes of the surplus are
    // skipped at once, then its last bits.
    const uint64_t surplus = static_cast<uint64_t>(zeros - kStartCodePrefixZeros);
    uint32_t discard = 0;
    if (!Skip(surplus / 8) || !ReadBits(static_cast<int>(surplus % 8), discard)) return -1;
    uint32_t code = 0;
    if (!PeekBits(32, code)) return -1;
    return code;
}

}  // namespace vn::mpeg4
