// Sixteen edges side by side in SSE2 registers, one byte lane per line;
// the plane filter is built once more for processors with AVX2, whose
// three-operand forms save register copies, and picked at load time.
// The pass between rows walks strips of sixteen columns down the plane;
// the pass between columns turns each band of sixteen rows over (columns
// become rows), runs the same walk and turns the band back.
//
// Decisions that need only sample differences (flatness, the DC offset
// mode's range and pads) are made on bytes; the default mode's sums and
// the DC offset smoothing on 16-bit halves, where every value fits.
#include "decode/deblock_lanes.h"

#if defined(__SSE2__)

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <emmintrin.h>
#include <vector>

#include "decode/simd.h"

namespace vn::deblock {

namespace {

constexpr int kLanes = 16;

// The thresholds of one qp, spread over the lanes.
struct Limits {
    __m128i qp;          // 16-bit: |a0| < qp takes the default mode
    __m128i padLimit;    // bytes: |s0 - s1| <= qp - 1 pads with s0
    __m128i rangeLimit;  // bytes: max - min <= 2 qp - 1 takes the DC offset mode
    explicit Limits(int qpValue)
        : qp(_mm_set1_epi16(static_cast<int16_t>(std::min(qpValue, 1000)))),
          padLimit(_mm_set1_epi8(static_cast<char>(std::min(qpValue - 1, 255)))),
          rangeLimit(_mm_set1_epi8(static_cast<char>(std::min(2 * qpValue - 1, 255)))) {}
};

VN_VECTOR_INLINE __m128i AbsDiffBytes(__m128i a, __m128i b) {
    return _mm_or_si128(_mm_subs_epu8(a, b), _mm_subs_epu8(b, a));
}
// All ones in the byte lanes where x <= limit (unsigned).
VN_VECTOR_INLINE __m128i AtMostBytes(__m128i x, __m128i limit) {
    return _mm_cmpeq_epi8(_mm_subs_epu8(x, limit), _mm_setzero_si128());
}
VN_VECTOR_INLINE __m128i Select(__m128i mask, __m128i yes, __m128i no) {
    return _mm_or_si128(_mm_and_si128(mask, yes), _mm_andnot_si128(mask, no));
}
VN_VECTOR_INLINE __m128i Abs16(__m128i v) { return _mm_max_epi16(v, _mm_sub_epi16(_mm_setzero_si128(), v)); }
VN_VECTOR_INLINE __m128i Times5(__m128i v) { return _mm_add_epi16(_mm_slli_epi16(v, 2), v); }

// (2 x1 - 5 x2 + 5 x3 - 2 x4 + 4) >> 3
VN_VECTOR_INLINE __m128i EdgeActivity(__m128i x1, __m128i x2, __m128i x3, __m128i x4) {
    const __m128i twice = _mm_slli_epi16(_mm_sub_epi16(x1, x4), 1);
    const __m128i sum = _mm_add_epi16(_mm_add_epi16(twice, Times5(_mm_sub_epi16(x3, x2))), _mm_set1_epi16(4));
    return _mm_srai_epi16(sum, 3);
}

// Eight lanes of 16-bit samples: the window s[0..9], the pads, and which
// mode each lane takes (all ones or zero per lane).
struct Half {
    __m128i s[10];
    __m128i left, right;
    __m128i dcMode, mayDefault;
};

// The default mode's new s4 and s5 where it applies, in o[4] and o[5].
VN_VECTOR_INLINE void DefaultMode(const Half& h, const Limits& limits, __m128i o[10]) {
    const __m128i* s = h.s;
    const __m128i a0 = EdgeActivity(s[3], s[4], s[5], s[6]);
    const __m128i a1 = EdgeActivity(s[1], s[2], s[3], s[4]);
    const __m128i a2 = EdgeActivity(s[5], s[6], s[7], s[8]);
    const __m128i size0 = Abs16(a0);
    const __m128i smallest = _mm_min_epi16(size0, _mm_min_epi16(Abs16(a1), Abs16(a2)));
    const __m128i sign = _mm_srai_epi16(a0, 15);
    const __m128i m = _mm_sub_epi16(_mm_xor_si128(smallest, sign), sign);  // with a0's sign
    const __m128i d = _mm_srai_epi16(_mm_add_epi16(Times5(_mm_sub_epi16(m, a0)), _mm_set1_epi16(4)), 3);
    const __m128i step = _mm_sub_epi16(s[4], s[5]);
    const __m128i halfStep = _mm_srai_epi16(_mm_sub_epi16(step, _mm_srai_epi16(step, 15)), 1);  // towards zero
    const __m128i sameSign = _mm_cmpeq_epi16(_mm_srai_epi16(d, 15), _mm_srai_epi16(halfStep, 15));
    const __m128i correction = Select(_mm_cmpgt_epi16(Abs16(d), Abs16(halfStep)), halfStep, d);
    const __m128i apply = _mm_and_si128(_mm_and_si128(h.mayDefault, sameSign), _mm_cmpgt_epi16(limits.qp, size0));
    o[4] = Select(apply, _mm_sub_epi16(s[4], correction), o[4]);
    o[5] = Select(apply, _mm_add_epi16(s[5], correction), o[5]);
}

// The DC offset mode's s1..s8 where it applies. Each new value is
// (sum of the nine around it + sum of the five around it + 2 s(n) + 8) >> 4
// over the padded sequence; both sums slide along.
VN_VECTOR_INLINE void DcOffsetMode(const Half& h, __m128i o[10]) {
    const __m128i* s = h.s;
    __m128i e[16];  // e[k + 3] = e(k) for k = -3..12
    for (int k = 0; k < 4; ++k) e[k] = h.left;
    for (int n = 1; n <= 8; ++n) e[n + 3] = s[n];
    for (int k = 12; k < 16; ++k) e[k] = h.right;
    __m128i nine = _mm_add_epi16(_mm_slli_epi16(h.left, 2), s[1]);
    for (int n = 2; n <= 5; ++n) nine = _mm_add_epi16(nine, s[n]);
    __m128i five = _mm_add_epi16(_mm_add_epi16(_mm_slli_epi16(h.left, 1), s[1]), _mm_add_epi16(s[2], s[3]));
    const __m128i eight = _mm_set1_epi16(8);
    for (int n = 1; n <= 8; ++n) {
        const __m128i centre = _mm_add_epi16(_mm_slli_epi16(s[n], 1), eight);
        const __m128i smooth = _mm_srai_epi16(_mm_add_epi16(_mm_add_epi16(nine, five), centre), 4);
        o[n] = Select(h.dcMode, smooth, o[n]);
        if (n == 8) break;
        nine = _mm_add_epi16(nine, _mm_sub_epi16(e[n + 8], e[n - 1]));  // + e(n + 5) - e(n - 4)
        five = _mm_add_epi16(five, _mm_sub_epi16(e[n + 6], e[n + 1]));  // + e(n + 3) - e(n - 2)
    }
}

// One edge in each of sixteen lanes: s[0..9] in, o[1..8] out. False when
// no lane changes.
VN_VECTOR_INLINE bool FilterEdges(const __m128i s[10], const Limits& limits, __m128i o[10]) {
    const __m128i zero = _mm_setzero_si128();
    __m128i flatCount = zero;  // minus the number of flat differences
    for (int i = 1; i < 10; ++i) {
        flatCount = _mm_add_epi8(flatCount, AtMostBytes(AbsDiffBytes(s[i], s[i - 1]), _mm_set1_epi8(2)));
    }
    const __m128i flat = _mm_cmplt_epi8(flatCount, _mm_set1_epi8(-7));  // 8 or 9 flat differences
    __m128i high = s[1], low = s[1];
    for (int i = 2; i <= 8; ++i) {
        high = _mm_max_epu8(high, s[i]);
        low = _mm_min_epu8(low, s[i]);
    }
    const __m128i dcMode = _mm_and_si128(flat, AtMostBytes(_mm_subs_epu8(high, low), limits.rangeLimit));
    const bool anyDc = _mm_movemask_epi8(dcMode) != 0;
    const bool anyDefault = _mm_movemask_epi8(flat) != 0xFFFF;
    if (!anyDc && !anyDefault) return false;
    const __m128i left = Select(AtMostBytes(AbsDiffBytes(s[0], s[1]), limits.padLimit), s[0], s[1]);
    const __m128i right = Select(AtMostBytes(AbsDiffBytes(s[8], s[9]), limits.padLimit), s[9], s[8]);

    __m128i out[2][10];
    for (int part = 0; part < 2; ++part) {
        const auto widen = [&](__m128i v) {
            return part == 0 ? _mm_unpacklo_epi8(v, zero) : _mm_unpackhi_epi8(v, zero);
        };
        Half h;
        for (int i = 0; i < 10; ++i) h.s[i] = widen(s[i]);
        for (int i = 1; i <= 8; ++i) out[part][i] = h.s[i];
        h.left = widen(left);
        h.right = widen(right);
        h.dcMode = part == 0 ? _mm_unpacklo_epi8(dcMode, dcMode) : _mm_unpackhi_epi8(dcMode, dcMode);
        const __m128i notFlat = _mm_andnot_si128(flat, _mm_set1_epi8(-1));
        h.mayDefault = part == 0 ? _mm_unpacklo_epi8(notFlat, notFlat) : _mm_unpackhi_epi8(notFlat, notFlat);
        if (anyDc) DcOffsetMode(h, out[part]);
        if (anyDefault) DefaultMode(h, limits, out[part]);
    }
    // Saturating to bytes is the default mode's limit to 0..255.
    for (int i = 1; i <= 8; ++i) o[i] = _mm_packus_epi16(out[0][i], out[1][i]);
    return true;
}

VN_VECTOR_INLINE __m128i LoadLanes(const uint8_t* p, int lanes) {
    if (lanes == kLanes) return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i v = _mm_setzero_si128();
    std::memcpy(&v, p, static_cast<size_t>(lanes));
    return v;
}

VN_VECTOR_INLINE void StoreLanes(uint8_t* p, __m128i v, int lanes) {
    if (lanes == kLanes) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
    } else {
        std::memcpy(p, &v, static_cast<size_t>(lanes));
    }
}

// The edges across a strip of `length` lines, each `lanes` bytes wide and
// stride bytes apart: between lines 8k - 1 and 8k while 8k + 4 < length.
// Each window's first line is the previous window's s8 as it was read.
VN_VECTOR_INLINE void FilterStrip(uint8_t* strip, ptrdiff_t stride, int length, int lanes, const Limits& limits) {
    if (length <= 12) return;
    __m128i s[10], o[10];
    s[9] = LoadLanes(strip + 3 * stride, lanes);  // s0 of the first window
    for (int edge = 8; edge + 4 < length; edge += 8) {
        uint8_t* first = strip + (edge - 5) * stride;
        s[0] = s[9];
        for (int i = 1; i < 10; ++i) s[i] = LoadLanes(first + i * stride, lanes);
        if (FilterEdges(s, limits, o)) {
            for (int i = 1; i <= 8; ++i) StoreLanes(first + i * stride, o[i], lanes);
        }
        s[9] = s[8];
    }
}

// x[i] becomes the i-th column of the 16 x 16 bytes whose rows were x[0..15].
// Each round interleaves row i with row i + 8, which rotates the bits of
// (row, column) by one; four rounds swap them.
VN_VECTOR_INLINE void Transpose16x16(__m128i x[16]) {
    for (int round = 0; round < 4; ++round) {
        __m128i t[16];
        for (int i = 0; i < 8; ++i) {
            t[2 * i] = _mm_unpacklo_epi8(x[i], x[i + 8]);
            t[2 * i + 1] = _mm_unpackhi_epi8(x[i], x[i + 8]);
        }
        std::copy(t, t + 16, x);
    }
}

// One column of a band turned over: sixteen rows' samples.
struct alignas(16) TurnedColumn {
    uint8_t rows[kLanes];
};

// The edges between columns of `rows` rows (1..16) from band: turned over
// into `turned` (one column per entry), filtered as a strip, turned back.
VN_VECTOR_INLINE void FilterBandAcross(uint8_t* band, ptrdiff_t stride, int width, int rows, const Limits& limits,
                                       std::vector<TurnedColumn>& turned) {
    auto* columnsOut = reinterpret_cast<__m128i*>(turned.data());
    for (int x = 0; x < width; x += kLanes) {
        const int columns = std::min(kLanes, width - x);
        __m128i tile[16];
        for (int r = 0; r < kLanes; ++r) {
            tile[r] = r < rows ? LoadLanes(band + r * stride + x, columns) : _mm_setzero_si128();
        }
        Transpose16x16(tile);
        for (int c = 0; c < kLanes; ++c) _mm_store_si128(columnsOut + x + c, tile[c]);
    }
    FilterStrip(turned.data()->rows, kLanes, width, kLanes, limits);
    for (int x = 0; x < width; x += kLanes) {
        const int columns = std::min(kLanes, width - x);
        __m128i tile[16];
        for (int c = 0; c < kLanes; ++c) tile[c] = _mm_load_si128(columnsOut + x + c);
        Transpose16x16(tile);
        for (int r = 0; r < rows; ++r) StoreLanes(band + r * stride + x, tile[r], columns);
    }
}

}  // namespace

bool HaveLaneFilter() { return true; }

VN_SIMD_CLONES void DeblockPlaneLanes(uint8_t* plane, int width, int height, int stride, int qp) {
    if (plane == nullptr || width <= 0 || height <= 0 || qp < 1) return;
    const Limits limits(qp);
    // A whole number of tiles, so that turning a band over stays inside.
    std::vector<TurnedColumn> turned(static_cast<size_t>((width + kLanes - 1) / kLanes * kLanes));
    for (int y = 0; y < height; y += kLanes) {
        FilterBandAcross(plane + static_cast<ptrdiff_t>(y) * stride, stride, width, std::min(kLanes, height - y),
                         limits, turned);
    }
    for (int x = 0; x < width; x += kLanes) FilterStrip(plane + x, stride, height, std::min(kLanes, width - x), limits);
}

}  // namespace vn::deblock

#else

namespace vn::deblock {
bool HaveLaneFilter() { return false; }
void DeblockPlaneLanes(uint8_t*, int, int, int, int) {}
}  // namespace vn::deblock

#endif
