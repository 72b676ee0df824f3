#include "movie/motion_comp.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vn::mpeg4 {

namespace {

// The luma vector after the edge rule: a component pointing out across the
// picture's border from the first or last row or column becomes 0.
void ApplyEdgeRule(const MacroblockPlace& place, int& lx, int& ly) {
    if (place.row == 0 && ly < 0) ly = 0;
    if (place.row == place.rows - 1 && ly > 0) ly = 0;
    if (place.column == 0 && lx < 0) lx = 0;
    if (place.column == place.columns - 1 && lx > 0) lx = 0;
}

// An area of size samples starting at position, moved inside a plane of
// extent samples. Only vectors beyond the next macroblock need it.
inline int KeepInside(int position, int size, int extent) { return std::clamp(position, 0, extent - size); }

#if defined(__SSE2__)

inline __m128i Load8(const uint8_t* p) { return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)); }
inline void Store8(uint8_t* p, __m128i v) { _mm_storel_epi64(reinterpret_cast<__m128i*>(p), v); }

// (a + b) >> 1 per byte: the rounding-up average less the bit it rounded.
inline __m128i AverageDown(__m128i a, __m128i b) {
    return _mm_sub_epi8(_mm_avg_epu8(a, b), _mm_and_si128(_mm_xor_si128(a, b), _mm_set1_epi8(1)));
}

void PredictChroma(const uint8_t* ref, int stride, int halfX, int halfY, uint8_t* out) {
    const __m128i zero = _mm_setzero_si128();
    for (int r = 0; r < 8; ++r, ref += stride, out += stride) {
        const __m128i here = Load8(ref);
        if (halfX && halfY) {
            const __m128i sum =
                _mm_add_epi16(_mm_add_epi16(_mm_unpacklo_epi8(here, zero), _mm_unpacklo_epi8(Load8(ref + 1), zero)),
                              _mm_add_epi16(_mm_unpacklo_epi8(Load8(ref + stride), zero),
                                            _mm_unpacklo_epi8(Load8(ref + stride + 1), zero)));
            Store8(out, _mm_packus_epi16(_mm_srli_epi16(sum, 2), zero));
        } else if (halfX) {
            Store8(out, AverageDown(here, Load8(ref + 1)));
        } else if (halfY) {
            Store8(out, AverageDown(here, Load8(ref + stride)));
        } else {
            Store8(out, here);
        }
    }
}

#else

void PredictChroma(const uint8_t* ref, int stride, int halfX, int halfY, uint8_t* out) {
    for (int r = 0; r < 8; ++r, ref += stride, out += stride) {
        const uint8_t* below = ref + stride;
        for (int c = 0; c < 8; ++c) {
            if (halfX && halfY) {
                out[c] = static_cast<uint8_t>((ref[c] + ref[c + 1] + below[c] + below[c + 1]) >> 2);
            } else if (halfX) {
                out[c] = static_cast<uint8_t>((ref[c] + ref[c + 1]) >> 1);
            } else if (halfY) {
                out[c] = static_cast<uint8_t>((ref[c] + below[c]) >> 1);
            } else {
                out[c] = ref[c];
            }
        }
    }
}

#endif

}  // namespace

void PredictMacroblock(const YuvPlanes& reference, const MacroblockPlace& place, int x, int y, uint8_t* luma,
                       uint8_t* cb, uint8_t* cr) {
    int lx = x / 2;
    int ly = y / 2;
    ApplyEdgeRule(place, lx, ly);

    const int stride = reference.lumaStride;  // held apart: the copies could alias it
    const int lumaX = KeepInside(16 * place.column + lx, 16, stride);
    const int lumaY = KeepInside(16 * place.row + ly, 16, reference.lumaRows);
    const uint8_t* src = reference.y + lumaY * stride + lumaX;
    for (int r = 0; r < 16; ++r) std::memcpy(luma + r * stride, src + r * stride, 16);

    // Half of the whole-sample luma vector: offset rounded down, the low
    // bits as half-sample flags. The edge rule keeps a half-sample flag off
    // in a one-macroblock-wide (or high) picture, so 9 samples always fit.
    const int halfX = lx & 1;
    const int halfY = ly & 1;
    const int chromaX = KeepInside(8 * place.column + (lx >> 1), 8 + halfX, reference.chromaStride);
    const int chromaY = KeepInside(8 * place.row + (ly >> 1), 8 + halfY, reference.lumaRows / 2);
    const int offset = chromaY * reference.chromaStride + chromaX;
    PredictChroma(reference.cb + offset, reference.chromaStride, halfX, halfY, cb);
    PredictChroma(reference.cr + offset, reference.chromaStride, halfX, halfY, cr);
}

}  // namespace vn::mpeg4
