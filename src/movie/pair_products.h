// Sums of two 16-bit products in SSE2 registers, a x fa + b x fb for eight
// lanes, exact at 32 bits: one multiply-add for every four lanes. The
// inverse DCT and the colour conversion are made of them.
#pragma once

#if defined(__SSE2__)

#include <cstdint>
#include <emmintrin.h>

namespace vn::mpeg4 {

// The factors (fa, fb) in every pair of 16-bit lanes.
inline __m128i FactorPair(int fa, int fb) {
    return _mm_set1_epi32(
        static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint16_t>(fb)) << 16 | static_cast<uint16_t>(fa)));
}

// Eight lanes of a and of b side by side, lane by lane.
struct Interleaved {
    __m128i low, high;
};
inline Interleaved Interleave(__m128i a, __m128i b) { return {_mm_unpacklo_epi16(a, b), _mm_unpackhi_epi16(a, b)}; }

// a x fa + b x fb at 32 bits: lanes 0..3 in low, 4..7 in high.
struct PairSums {
    __m128i low, high;
};
inline PairSums MultiplyAdd(const Interleaved& ab, __m128i factors) {
    return {_mm_madd_epi16(ab.low, factors), _mm_madd_epi16(ab.high, factors)};
}
inline PairSums operator+(const PairSums& a, const PairSums& b) {
    return {_mm_add_epi32(a.low, b.low), _mm_add_epi32(a.high, b.high)};
}

}  // namespace vn::mpeg4

#endif
