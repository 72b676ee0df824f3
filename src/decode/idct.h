// The 8 x 8 inverse DCT (shift-and-add flow graph, exact integer steps) and
// the store of a block's samples into a plane.
#pragma once

#include <cassert>
#include <cstdint>

#include "decode/entropy.h"
#include "decode/simd.h"

namespace vn::jpeg {

// A quantisation table's multipliers in the blocks' coefficient order.
struct alignas(32) BlockMultipliers {
    int32_t value[64];
};

inline void ArrangeMultipliers(const QuantTable& quant, const uint8_t* zigzagToTransposed, BlockMultipliers& out) {
    for (int k = 0; k < 64; ++k) out.value[zigzagToTransposed[k]] = quant.multiplier[k];
}

namespace idct_detail {

// Adds and subtracts wrap (unsigned lanes); shifts are arithmetic.
VN_VECTOR_INLINE U32x8 Sra(U32x8 x, int n) { return reinterpret_cast<U32x8>(reinterpret_cast<I32x8>(x) >> n); }

// Shift-and-add multipliers.
VN_VECTOR_INLINE U32x8 K1(U32x8 x) { return Sra(x + Sra(Sra(x, 4) + x, 1), 2); }              // 0.3828125
VN_VECTOR_INLINE U32x8 K2(U32x8 x) { return Sra(x + Sra(x + Sra(x + Sra(x, 2), 2), 1), 2); }  // 0.4140625
VN_VECTOR_INLINE U32x8 K3(U32x8 x) { return Sra(x + K2(x), 1); }                              // 0.70703125
VN_VECTOR_INLINE U32x8 K4(U32x8 x) { return Sra(x + Sra(x + Sra(Sra(x, 2) + x, 2), 4), 1); }  // 0.541015625
VN_VECTOR_INLINE U32x8 K5(U32x8 x) { return Sra(x + Sra(x + Sra(x + Sra(x, 2), 1), 1), 1); }  // 0.90625
VN_VECTOR_INLINE U32x8 K6(U32x8 x) { return x + Sra(x + Sra(x + K5(x), 3), 2); }              // 1.3095703125

// One-dimensional transform of eight lanes at once; x[0] is the lowest
// frequency.
VN_VECTOR_INLINE void Transform(U32x8 x[8]) {
    const U32x8 a = x[5] - x[3];
    const U32x8 b = x[1] - x[7];
    const U32x8 s = x[5] + x[3];
    const U32x8 c = (x[1] + x[7]) - s;
    const U32x8 e = x[2] + x[6];
    const U32x8 d = x[2] - x[6];
    const U32x8 z = K1(-a - b);
    const U32x8 d2 = K3(d);
    const U32x8 c2 = K3(c);
    const U32x8 a2 = K4(-a) + z;
    const U32x8 b2 = K6(b) + z;
    const U32x8 t0 = x[0] + x[4];
    const U32x8 t1 = x[0] - x[4];
    const U32x8 u0 = t0 + e + d2;
    const U32x8 u3 = t0 - d2 - e;
    const U32x8 u1 = t1 + d2;
    const U32x8 u2 = t1 - d2;
    const U32x8 w7 = s + s + c + b2;
    const U32x8 w6 = b2 + c2;
    x[0] = u0 + w7;
    x[1] = u1 + w6;
    x[2] = u2 + c2 - a2;
    x[3] = u3 - a2;
    x[4] = u3 + a2;
    x[5] = u2 - c2 + a2;
    x[6] = u1 - w6;
    x[7] = u0 - w7;
}

VN_VECTOR_INLINE void Transpose(U32x8 m[8]) {
    U32x8 t[8];
    for (int i = 0; i < 8; i += 2) {
        t[i] = __builtin_shufflevector(m[i], m[i + 1], 0, 8, 1, 9, 4, 12, 5, 13);
        t[i + 1] = __builtin_shufflevector(m[i], m[i + 1], 2, 10, 3, 11, 6, 14, 7, 15);
    }
    U32x8 u[8];
    for (int i = 0; i < 8; i += 4) {
        for (int j = 0; j < 2; ++j) {
            u[i + 2 * j] = __builtin_shufflevector(t[i + j], t[i + j + 2], 0, 1, 8, 9, 4, 5, 12, 13);
            u[i + 2 * j + 1] = __builtin_shufflevector(t[i + j], t[i + j + 2], 2, 3, 10, 11, 6, 7, 14, 15);
        }
    }
    for (int i = 0; i < 4; ++i) {
        m[i] = __builtin_shufflevector(u[i], u[i + 4], 0, 1, 2, 3, 8, 9, 10, 11);
        m[i + 4] = __builtin_shufflevector(u[i], u[i + 4], 4, 5, 6, 7, 12, 13, 14, 15);
    }
}

VN_VECTOR_INLINE I32x8 FinishSamples(U32x8 v, bool luma) {
    const I32x8 samples = reinterpret_cast<I32x8>(v) >> 10;
    return luma ? ClampI32x8(samples + 128, 0, 255) : samples;
}

}  // namespace idct_detail

// Dequantises and transforms the block and writes its 8 rows of 8 samples
// to dst, rows `stride` samples apart. Luma samples are level-shifted by 128
// and clamped to 0..255; chroma samples are stored as they come out,
// centred on 0. Always inlined, so that it is compiled into each processor
// variant of the scan loops that call it.
VN_VECTOR_INLINE void StoreBlock(const CoefficientBlock& block, const BlockMultipliers& multipliers, int32_t* dst,
                                 int stride, bool luma) {
    assert(dst != nullptr && stride >= 8);
    if (!block.acPresent) {
        // Every sample of a DC-only block is DC >> 10, truncations included.
        const uint32_t dc = static_cast<uint32_t>(block.coef[0]) * static_cast<uint32_t>(multipliers.value[0]);
        const I32x8 row = idct_detail::FinishSamples(U32x8{} + dc, luma);
        for (int r = 0; r < 8; ++r) StoreI32x8(dst + r * stride, row);
        return;
    }
    // Loading the transposed block gives one vector per column, so the row
    // pass runs on all rows at once; one transpose sets up the column pass.
    U32x8 v[8];
    for (int i = 0; i < 8; ++i) {
        v[i] = reinterpret_cast<U32x8>(LoadI32x8(block.coef + 8 * i)) *
               reinterpret_cast<U32x8>(LoadI32x8(multipliers.value + 8 * i));
    }
    idct_detail::Transform(v);
    idct_detail::Transpose(v);
    idct_detail::Transform(v);
    for (int r = 0; r < 8; ++r) StoreI32x8(dst + r * stride, idct_detail::FinishSamples(v[r], luma));
}

}  // namespace vn::jpeg
