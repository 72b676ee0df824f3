// With the coefficients scaled by 1024: blue = (Y' + Bu) / 1024, green =
// (Y' - Gv - Gu) / 1024, red = (Y' + Rv) / 1024, each limited to 0..255,
// where Y' = (y - 16) 1192, Rv = (v - 128) 1634, Gv = (v - 128) 833,
// Gu = (u - 128) 401, Bu = (u - 128) 2065. Truncating a negative sum
// towards zero and flooring it give the same limited value (0), so a shift
// does the division. The products are formed directly, once per chroma
// sample for its two pixels of a row; sixteen pixels at a time where SSE2
// is at hand, the sums then made by multiply-add of 16-bit pairs.
#include "movie/mpeg4_colour.h"

#include <algorithm>
#include <array>

#include "movie/pair_products.h"

namespace vn::mpeg4 {

namespace {

// Limits by lookup: every sum here lies within -384..639 after the shift.
constexpr int kLimitOffset = 384;
constexpr auto kLimit = [] {
    std::array<uint8_t, 1024> t{};
    for (int i = 0; i < 1024; ++i) t[i] = static_cast<uint8_t>(std::clamp(i - kLimitOffset, 0, 255));
    return t;
}();

inline uint8_t Limit(int32_t scaled) { return kLimit[(scaled >> 10) + kLimitOffset]; }

struct ChromaTerms {
    int32_t blue, green, red;
    ChromaTerms(int u, int v)
        : blue((u - 128) * 2065), green(-(v - 128) * 833 - (u - 128) * 401), red((v - 128) * 1634) {}
};

inline void Pixel(int y, const ChromaTerms& c, uint8_t* out) {
    const int32_t luma = (y - 16) * 1192;
    out[0] = Limit(luma + c.blue);
    out[1] = Limit(luma + c.green);
    out[2] = Limit(luma + c.red);
}

// Pixels from x on, one chroma sample for each pair.
void ConvertPixels(const uint8_t* y, const uint8_t* u, const uint8_t* v, int x, int width, uint8_t* out) {
    for (; x + 1 < width; x += 2) {
        const ChromaTerms c(u[x / 2], v[x / 2]);
        Pixel(y[x], c, out + 3 * x);
        Pixel(y[x + 1], c, out + 3 * x + 3);
    }
    if (x < width) Pixel(y[x], ChromaTerms(u[x / 2], v[x / 2]), out + 3 * x);
}

#if defined(__SSE2__)

// Divided by 1024, as 16-bit values; the byte packing that follows limits
// them to 0..255.
inline __m128i Scaled(const PairSums& sums) {
    return _mm_packs_epi32(_mm_srai_epi32(sums.low, 10), _mm_srai_epi32(sums.high, 10));
}

// Four pixels of four bytes (blue, green, red, 0) packed into their first
// twelve bytes.
inline __m128i DropFourthBytes(__m128i pixels) {
    const __m128i firstThree = _mm_set1_epi64x(0x0000000000FFFFFF);
    const __m128i nextThree = _mm_set1_epi64x(0x0000FFFFFF000000);
    const __m128i sixes =
        _mm_or_si128(_mm_and_si128(pixels, firstThree), _mm_and_si128(_mm_srli_epi64(pixels, 8), nextThree));
    const __m128i firstSix = _mm_set_epi32(0, 0, 0x0000FFFF, -1);
    return _mm_or_si128(_mm_and_si128(sixes, firstSix), _mm_andnot_si128(firstSix, _mm_srli_si128(sixes, 2)));
}

// Sixteen pixels from sixteen luma and eight chroma samples: 48 bytes out.
inline void ConvertSixteen(const uint8_t* y, const uint8_t* u, const uint8_t* v, uint8_t* out) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i lumaBytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(y));
    const __m128i uBytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(u));
    const __m128i vBytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(v));
    const __m128i uTwice = _mm_unpacklo_epi8(uBytes, uBytes);  // each chroma sample for its two pixels
    const __m128i vTwice = _mm_unpacklo_epi8(vBytes, vBytes);
    __m128i blue[2], green[2], red[2];
    for (int half = 0; half < 2; ++half) {
        const auto widen = [&](__m128i bytes, int16_t offset) {
            const __m128i wide = half == 0 ? _mm_unpacklo_epi8(bytes, zero) : _mm_unpackhi_epi8(bytes, zero);
            return _mm_sub_epi16(wide, _mm_set1_epi16(offset));
        };
        const __m128i luma = widen(lumaBytes, 16), cu = widen(uTwice, 128), cv = widen(vTwice, 128);
        const Interleaved lumaU = Interleave(luma, cu), lumaV = Interleave(luma, cv);
        blue[half] = Scaled(MultiplyAdd(lumaU, FactorPair(1192, 2065)));
        red[half] = Scaled(MultiplyAdd(lumaV, FactorPair(1192, 1634)));
        // 1192 y' - 833 v' - 401 u'
        green[half] = Scaled(MultiplyAdd(lumaV, FactorPair(1192, -833)) + MultiplyAdd(lumaU, FactorPair(0, -401)));
    }
    const __m128i b = _mm_packus_epi16(blue[0], blue[1]);
    const __m128i g = _mm_packus_epi16(green[0], green[1]);
    const __m128i r = _mm_packus_epi16(red[0], red[1]);
    // Blue-green pairs and red-zero pairs make four-byte pixels, four to a
    // register; their fourth bytes go.
    const __m128i blueGreen[2] = {_mm_unpacklo_epi8(b, g), _mm_unpackhi_epi8(b, g)};
    const __m128i redZero[2] = {_mm_unpacklo_epi8(r, zero), _mm_unpackhi_epi8(r, zero)};
    __m128i twelve[4];
    for (int i = 0; i < 2; ++i) {
        twelve[2 * i] = DropFourthBytes(_mm_unpacklo_epi16(blueGreen[i], redZero[i]));
        twelve[2 * i + 1] = DropFourthBytes(_mm_unpackhi_epi16(blueGreen[i], redZero[i]));
    }
    auto* o = reinterpret_cast<__m128i*>(out);
    _mm_storeu_si128(o, _mm_or_si128(twelve[0], _mm_slli_si128(twelve[1], 12)));
    _mm_storeu_si128(o + 1, _mm_or_si128(_mm_srli_si128(twelve[1], 4), _mm_slli_si128(twelve[2], 8)));
    _mm_storeu_si128(o + 2, _mm_or_si128(_mm_srli_si128(twelve[2], 8), _mm_slli_si128(twelve[3], 4)));
}

#endif

void ConvertRow(const uint8_t* y, const uint8_t* u, const uint8_t* v, int width, uint8_t* out) {
    int x = 0;
#if defined(__SSE2__)
    for (; x + 16 <= width; x += 16) ConvertSixteen(y + x, u + x / 2, v + x / 2, out + 3 * x);
#endif
    ConvertPixels(y, u, v, x, width, out);
}

}  // namespace

void ConvertYuvToBgr(const YuvPlanes& planes, int width, int height, Picture& picture) {
    width = std::min(width, picture.width());
    height = std::min(height, picture.height());
    for (int r = 0; r < height; ++r) {
        const size_t chromaRow = static_cast<size_t>(r / 2) * planes.chromaStride;
        ConvertRow(planes.y + static_cast<size_t>(r) * planes.lumaStride, planes.cb + chromaRow, planes.cr + chromaRow,
                   width, picture.Row(r));
    }
}

}  // namespace vn::mpeg4
