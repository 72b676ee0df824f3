// Every value a pass keeps is 16-bit: stored values wrap as 16-bit
// registers would, products are formed at 32 bits and rounded back by
// R(p) = (p + 8192) >> 14. The SSE2 pass forms each pair of products with
// one multiply-add and keeps bits 14..29 of the rounded sum, which is the
// same wrap. The spatial values go straight from the registers into the
// picture.
#include "movie/mpeg4_idct.h"

#include <algorithm>
#include <array>

#include "movie/pair_products.h"

namespace vn::mpeg4 {

namespace {

constexpr int kC2 = 8866;   // 2^14 sqrt(2) sin(pi/8)
constexpr int kC6 = 21406;  // 2^14 sqrt(2) cos(pi/8)
constexpr int kC4 = 11585;  // 2^14 cos(pi/4)
constexpr int kC1 = 12872;  // 2^14 sqrt(2) sin(3pi/16)
constexpr int kC3 = 19265;  // 2^14 sqrt(2) cos(3pi/16)
constexpr int kC5 = 4520;   // 2^14 sqrt(2) sin(pi/16)
constexpr int kC7 = 22725;  // 2^14 sqrt(2) cos(pi/16)

constexpr int16_t R(int32_t p) { return static_cast<int16_t>((p + 8192) >> 14); }
constexpr int16_t W(int32_t v) { return static_cast<int16_t>(v); }

// One 1-D pass over x[0], x[step], ..., x[7 step], in place.
constexpr void Pass(int16_t* x, int step) {
    const int16_t x0 = x[0], x1 = x[step], x2 = x[2 * step], x3 = x[3 * step];
    const int16_t x4 = x[4 * step], x5 = x[5 * step], x6 = x[6 * step], x7 = x[7 * step];

    const int16_t s0 = W(x0 + x4);
    const int16_t s1 = W(x0 - x4);
    const int16_t t2 = R(x2 * kC2 - x6 * kC6);
    const int16_t t3 = R(x2 * kC6 + x6 * kC2);
    const int16_t e0 = W(s0 + t3), e3 = W(s0 - t3), e1 = W(s1 + t2), e2 = W(s1 - t2);

    const int16_t p = R(x1 * kC4 - x7 * kC4);
    const int16_t q = R((x1 + x7) * kC4);
    const int16_t h = W(p + x5), g = W(p - x5), k = W(q + x3), m = W(q - x3);

    const int16_t o0 = R(h * kC1 + k * kC3);
    const int16_t o3 = R(h * kC3 - k * kC1);
    const int16_t o1 = R(m * kC5 + g * kC7);
    const int16_t o2 = R(m * kC7 - g * kC5);

    x[0] = W(e0 + o0);
    x[7 * step] = W(e0 - o0);
    x[step] = W(e1 + o1);
    x[6 * step] = W(e1 - o1);
    x[2 * step] = W(e2 + o2);
    x[5 * step] = W(e2 - o2);
    x[3 * step] = W(e3 + o3);
    x[4 * step] = W(e3 - o3);
}

constexpr int16_t Descale(int v) { return static_cast<int16_t>(std::clamp((v + 32) >> 6, -256, 255)); }

#if defined(__SSE2__)

// Both passes over a block whose only value is 8 x bit at position 63,
// before the final descaling. A DC of d adds 8 d to every value, and
// nothing else: the DC passes through both passes' even halves alone.
constexpr std::array<int16_t, 64> MismatchBitOnly(int bit) {
    std::array<int16_t, 64> block{};
    block[63] = static_cast<int16_t>(8 * bit);
    for (int row = 0; row < 8; ++row) Pass(block.data() + 8 * row, 1);
    for (int column = 0; column < 8; ++column) Pass(block.data() + column, 8);
    return block;
}
constexpr std::array<int16_t, 64> kPlusBit = MismatchBitOnly(1);
constexpr std::array<int16_t, 64> kMinusBit = MismatchBitOnly(-1);

// R(a x ca + b x cb) in eight lanes, wrapped to 16 bits.
inline __m128i Rounded(const Interleaved& ab, __m128i factors) {
    const PairSums sums = MultiplyAdd(ab, factors);
    const __m128i bias = _mm_set1_epi32(8192);
    const __m128i low = _mm_add_epi32(sums.low, bias), high = _mm_add_epi32(sums.high, bias);
    return _mm_packs_epi32(_mm_srai_epi32(_mm_slli_epi32(low, 2), 16), _mm_srai_epi32(_mm_slli_epi32(high, 2), 16));
}

// The pass above on eight lines at once, one line per lane.
inline void PassLanes(__m128i x[8]) {
    const Interleaved x26 = Interleave(x[2], x[6]);
    const __m128i t2 = Rounded(x26, FactorPair(kC2, -kC6));
    const __m128i t3 = Rounded(x26, FactorPair(kC6, kC2));
    const __m128i s0 = _mm_add_epi16(x[0], x[4]), s1 = _mm_sub_epi16(x[0], x[4]);
    const __m128i e0 = _mm_add_epi16(s0, t3), e3 = _mm_sub_epi16(s0, t3);
    const __m128i e1 = _mm_add_epi16(s1, t2), e2 = _mm_sub_epi16(s1, t2);

    const Interleaved x17 = Interleave(x[1], x[7]);
    const __m128i p = Rounded(x17, FactorPair(kC4, -kC4));
    const __m128i q = Rounded(x17, FactorPair(kC4, kC4));
    const __m128i h = _mm_add_epi16(p, x[5]), g = _mm_sub_epi16(p, x[5]);
    const __m128i k = _mm_add_epi16(q, x[3]), m = _mm_sub_epi16(q, x[3]);

    const Interleaved hk = Interleave(h, k);
    const __m128i o0 = Rounded(hk, FactorPair(kC1, kC3));
    const __m128i o3 = Rounded(hk, FactorPair(kC3, -kC1));
    const Interleaved mg = Interleave(m, g);
    const __m128i o1 = Rounded(mg, FactorPair(kC5, kC7));
    const __m128i o2 = Rounded(mg, FactorPair(kC7, -kC5));

    x[0] = _mm_add_epi16(e0, o0);
    x[7] = _mm_sub_epi16(e0, o0);
    x[1] = _mm_add_epi16(e1, o1);
    x[6] = _mm_sub_epi16(e1, o1);
    x[2] = _mm_add_epi16(e2, o2);
    x[5] = _mm_sub_epi16(e2, o2);
    x[3] = _mm_add_epi16(e3, o3);
    x[4] = _mm_sub_epi16(e3, o3);
}

// Rows become columns.
inline void Transpose8x8(__m128i x[8]) {
    __m128i a[8], b[8];
    for (int i = 0; i < 4; ++i) {
        a[2 * i] = _mm_unpacklo_epi16(x[2 * i], x[2 * i + 1]);
        a[2 * i + 1] = _mm_unpackhi_epi16(x[2 * i], x[2 * i + 1]);
    }
    for (int i = 0; i < 2; ++i) {
        b[4 * i] = _mm_unpacklo_epi32(a[4 * i], a[4 * i + 2]);
        b[4 * i + 1] = _mm_unpackhi_epi32(a[4 * i], a[4 * i + 2]);
        b[4 * i + 2] = _mm_unpacklo_epi32(a[4 * i + 1], a[4 * i + 3]);
        b[4 * i + 3] = _mm_unpackhi_epi32(a[4 * i + 1], a[4 * i + 3]);
    }
    for (int i = 0; i < 4; ++i) {
        x[2 * i] = _mm_unpacklo_epi64(b[i], b[i + 4]);
        x[2 * i + 1] = _mm_unpackhi_epi64(b[i], b[i + 4]);
    }
}

enum class Output { kPut, kAdd };

// Eight rows of spatial values (-256..255) put into, or added to, the 8x8
// bytes at dst; the byte packing limits them to 0..255.
template <Output kOutput>
inline void Write(const __m128i rows[8], uint8_t* dst, int stride) {
    const __m128i zero = _mm_setzero_si128();
    for (int r = 0; r < 8; r += 2, dst += 2 * stride) {
        __m128i upper = rows[r], lower = rows[r + 1];
        if constexpr (kOutput == Output::kAdd) {
            const auto widened = [&](const uint8_t* p) {
                return _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)), zero);
            };
            upper = _mm_add_epi16(upper, widened(dst));
            lower = _mm_add_epi16(lower, widened(dst + stride));
        }
        const __m128i bytes = _mm_packus_epi16(upper, lower);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(dst), bytes);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(dst + stride), _mm_srli_si128(bytes, 8));
    }
}

// (v + 32) >> 6 limited to -256..255; saturating the sum changes nothing
// once limited.
inline __m128i Descaled(__m128i v) {
    const __m128i bias = _mm_set1_epi16(32), lowest = _mm_set1_epi16(-256), highest = _mm_set1_epi16(255);
    return _mm_max_epi16(_mm_min_epi16(_mm_srai_epi16(_mm_adds_epi16(v, bias), 6), highest), lowest);
}

// A block holding a DC and at most a mismatch bit of +-1 at position 63:
// its spatial values straight from the DC, true when done.
inline bool CornerOnly(const int16_t block[64], bool dcOnly, __m128i out[8]) {
    const int bit = block[63];
    if (!dcOnly || bit < -1 || bit > 1) return false;
    const __m128i dc = _mm_set1_epi16(W(block[0] * 8));
    if (bit == 0) {
        const __m128i flat = Descaled(dc);
        for (int r = 0; r < 8; ++r) out[r] = flat;
        return true;
    }
    const int16_t* added = (bit > 0 ? kPlusBit : kMinusBit).data();
    for (int r = 0; r < 8; ++r) {
        out[r] = Descaled(_mm_add_epi16(dc, _mm_loadu_si128(reinterpret_cast<const __m128i*>(added + 8 * r))));
    }
    return true;
}

// The transform of block into dst, leaving the block zero.
template <Output kOutput>
void InverseDctInto(int16_t block[64], bool dcOnly, uint8_t* dst, int stride) {
    __m128i x[8];
    auto* coefficients = reinterpret_cast<__m128i*>(block);
    if (!CornerOnly(block, dcOnly, x)) {
        for (int i = 0; i < 8; ++i) x[i] = _mm_slli_epi16(_mm_loadu_si128(coefficients + i), 3);
        Transpose8x8(x);  // a lane per row
        PassLanes(x);
        Transpose8x8(x);  // a lane per column
        PassLanes(x);
        for (int i = 0; i < 8; ++i) x[i] = Descaled(x[i]);
    }
    for (int i = 0; i < 8; ++i) _mm_storeu_si128(coefficients + i, _mm_setzero_si128());
    Write<kOutput>(x, dst, stride);
}

#else

enum class Output { kPut, kAdd };

template <Output kOutput>
void InverseDctInto(int16_t block[64], bool, uint8_t* dst, int stride) {
    InverseDctLineByLine(block);
    for (int r = 0; r < 8; ++r, dst += stride) {
        for (int c = 0; c < 8; ++c) {
            const int v = block[8 * r + c] + (kOutput == Output::kAdd ? dst[c] : 0);
            dst[c] = static_cast<uint8_t>(std::clamp(v, 0, 255));
        }
    }
    std::fill(block, block + 64, int16_t{0});
}

#endif

}  // namespace

void InverseDctLineByLine(int16_t block[64]) {
    for (int i = 0; i < 64; ++i) block[i] = W(block[i] * 8);
    for (int row = 0; row < 8; ++row) Pass(block + 8 * row, 1);
    for (int column = 0; column < 8; ++column) Pass(block + column, 8);
    for (int i = 0; i < 64; ++i) block[i] = Descale(block[i]);
}

void InverseDctPut(int16_t block[64], bool dcOnly, uint8_t* dst, int stride) {
    InverseDctInto<Output::kPut>(block, dcOnly, dst, stride);
}

void InverseDctAdd(int16_t block[64], bool dcOnly, uint8_t* dst, int stride) {
    InverseDctInto<Output::kAdd>(block, dcOnly, dst, stride);
}

}  // namespace vn::mpeg4
