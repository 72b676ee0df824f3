// With the coefficients scaled by 1024: blue = (Y' + Bu) / 1024, green =
// (Y' - Gv - Gu) / 1024, red = (Y' + Rv) / 1024, each limited to 0..255,
// where Y' = (y - 16) 1192, Rv = (v - 128) 1634, Gv = (v - 128) 833,
// Gu = (u - 128) 401, Bu = (u - 128) 2065. Truncating a negative sum
// towards zero and flooring it give the same limited value (0), so a shift
// does the division. The products are formed directly, once per chroma
// sample for its two pixels of a row.
#include "movie/mpeg4_colour.h"

#include <algorithm>
#include <array>

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

void ConvertRow(const uint8_t* y, const uint8_t* u, const uint8_t* v, int width, uint8_t* out) {
    for (int x = 0; x + 1 < width; x += 2) {
        const ChromaTerms c(u[x / 2], v[x / 2]);
        Pixel(y[x], c, out + 3 * x);
        Pixel(y[x + 1], c, out + 3 * x + 3);
    }
    if (width % 2 != 0) Pixel(y[width - 1], ChromaTerms(u[width / 2], v[width / 2]), out + 3 * (width - 1));
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
