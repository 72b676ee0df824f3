// The fast decoder's bit buffer: up to 64 bits of entropy-coded data, most
// significant first, with stuffed zero bytes removed. It is a plain value so
// that the hot loops keep it in registers.
#pragma once

#include <cstdint>
#include <cstring>

namespace vn {

struct BitBuffer {
    uint64_t bits = 0;  // unread bits, left-aligned
    int count = 0;      // loaded bits not yet consumed; negative once a read went past the data
    const uint8_t* next = nullptr;
    const uint8_t* end = nullptr;
    bool stopped = false;  // a marker or the end of the data was met: nothing more is loaded

    uint32_t Peek(int n) const { return static_cast<uint32_t>(bits >> (64 - n)); }

    void Skip(int n) {
        bits <<= n;
        count -= n;
    }

    // n >= 1
    uint32_t Take(int n) {
        const uint32_t value = Peek(n);
        Skip(n);
        return value;
    }

    // Tops the buffer up to at least 57 bits. At a marker or the end of the
    // data loading stops for good; the bits after the last loaded byte read
    // as zero.
    void Refill() {
        if (stopped || count > 56) return;
        if (end - next >= 8) {
            uint64_t word;
            std::memcpy(&word, next, 8);
            word = __builtin_bswap64(word);
            const uint64_t inverted = ~word;
            const bool hasFF = ((inverted - 0x0101010101010101ull) & ~inverted & 0x8080808080808080ull) != 0;
            if (!hasFF) {
                // The tail of a partly taken byte is loaded again later with
                // the same bits, so OR-ing it in early is harmless.
                bits |= word >> count;
                const int bytes = (63 - count) >> 3;
                next += bytes;
                count += bytes * 8;
                return;
            }
        }
        while (count <= 56) {
            if (next >= end) {
                stopped = true;
                return;
            }
            const uint8_t byte = *next;
            if (byte == 0xFF) {
                if (end - next < 2 || next[1] != 0x00) {
                    stopped = true;
                    return;
                }
                next += 2;
            } else {
                ++next;
            }
            bits |= static_cast<uint64_t>(byte) << (56 - count);
            count += 8;
        }
    }
};

}  // namespace vn
