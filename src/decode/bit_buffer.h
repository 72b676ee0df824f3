// The fast decoder's bit buffer over a destuffed scan: up to 64 bits, most
// significant first, topped up by one unaligned load per code. It is a
// plain value so that the hot loops keep it in registers.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vn::jpeg {

struct BitBuffer {
    uint64_t bits = 0;  // unread bits, left-aligned
    int count = 0;      // loaded bits not yet consumed
    const uint8_t* next = nullptr;
    const uint8_t* begin = nullptr;

    uint32_t Peek(int n) const {
        assert(n >= 1 && n <= 32);
        return static_cast<uint32_t>(bits >> (64 - n));
    }

    // Only loaded bits: a negative count would shift the next refill wrongly.
    void Skip(int n) {
        assert(n >= 0 && n <= count);
        bits <<= n;
        count -= n;
    }

    // n >= 1
    uint32_t Take(int n) {
        const uint32_t value = Peek(n);
        Skip(n);
        return value;
    }

    // Tops the buffer up to 56..63 bits. The bits of a byte loaded only in
    // part are loaded again, in the same place, by a later refill, so
    // OR-ing them in early is harmless.
    void Refill() {
        uint64_t word;
        std::memcpy(&word, next, 8);
        bits |= __builtin_bswap64(word) >> count;
        next += (63 - count) >> 3;
        count |= 56;
    }

    // Bits consumed since the start of the scan.
    size_t Consumed() const { return static_cast<size_t>(next - begin) * 8 - count; }
};

}  // namespace vn::jpeg
