// What the two entropy decoders (the fast one and the exact fallback) share:
// the tables they read, the block they fill and how a block ended.
#pragma once

#include <cstdint>

#include "decode/dc_lookahead.h"
#include "decode/huffman.h"
#include "decode/quant.h"

namespace vn::jpeg {

// Arithmetic on sample values wraps like 32-bit two's complement, so damaged
// data with huge coefficients gives defined results.
inline int32_t WrapAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int32_t WrapMul(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

// T.81 EXTEND (F.2.2.1) for sizes up to 11, without a branch on the sign;
// larger sizes pass the bits through unchanged, as the cameras' decoder
// always did.
inline int32_t Extend(uint32_t bits, int size) {
    if (size > 11) return static_cast<int32_t>(bits);
    // All ones when the top bit of the size bits is 0 (and for size 0).
    const uint32_t negative = ((bits << 1) >> size & 1) - 1;
    return static_cast<int32_t>(bits - (negative & ((1u << size) - 1)));
}

enum class BlockResult {
    kDone,
    kErrorInDc,  // the block is not stored and the scan stops
    kErrorInAc,  // the block is stored with what was decoded, then the scan stops
    kRetry,      // the fast decoder met something only the exact one handles
};

// A block's coefficients, not yet dequantised, in transposed natural order
// (column x 8 + row), the order the inverse DCT loads them in.
struct alignas(32) CoefficientBlock {
    int32_t coef[64];
    bool acPresent;  // false: only the DC coefficient may be non-zero
};

// Tables for one scan; index 0 is luminance, 1 chrominance.
struct EntropyTables {
    const HuffmanTable* dc[2];
    const DcLookahead* dcLookahead[2];
    const uint16_t* acLookup[2];  // 65,536 entries, 16 peeked bits
    const uint32_t* acFast[2];    // kAcFastBits peeked bits, see fast_entropy.h
    const uint16_t* acSkip[2];    // kAcSkipBits peeked bits, see fast_entropy.h
    const uint8_t* zigzagToTransposed;
};

constexpr int kAcFastBits = 10;
constexpr int kAcSkipBits = 12;

}  // namespace vn::jpeg
