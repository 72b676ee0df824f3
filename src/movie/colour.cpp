// With the coefficients scaled by 1024: blue = (Y' + Bu) / 1024, green =
// (Y' - Gv - Gu) / 1024, red = (Y' + Rv) / 1024, each limited to 0..255.
// Truncating a negative sum towards zero and flooring it give the same
// limited value (0), so a shift does the division.
#include "movie/colour.h"

#include <algorithm>
#include <array>

namespace vn {

namespace {

using Table = std::array<int32_t, 256>;

constexpr Table MakeTable(int offset, int factor) {
    Table t{};
    for (int i = 0; i < 256; ++i) t[i] = (i - offset) * factor;
    return t;
}

constexpr Table kLuma = MakeTable(16, 1192);
constexpr Table kRedV = MakeTable(128, 1634);
constexpr Table kGreenV = MakeTable(128, 833);
constexpr Table kGreenU = MakeTable(128, 401);
constexpr Table kBlueU = MakeTable(128, 2065);

inline uint8_t Limit(int32_t scaled) { return static_cast<uint8_t>(std::clamp(scaled >> 10, 0, 255)); }

}  // namespace

void ConvertYuvToBgr(const YuvPlanes& planes, int width, int height, Picture& picture) {
    width = std::min(width, picture.width());
    height = std::min(height, picture.height());
    for (int r = 0; r < height; ++r) {
        const uint8_t* y = planes.y + static_cast<size_t>(r) * planes.lumaStride;
        const size_t chromaRow = static_cast<size_t>(r / 2) * planes.chromaStride;
        const uint8_t* u = planes.cb + chromaRow;
        const uint8_t* v = planes.cr + chromaRow;
        uint8_t* out = picture.Row(r);
        for (int x = 0; x < width; ++x, out += 3) {
            const int32_t luma = kLuma[y[x]];
            const int cu = u[x / 2], cv = v[x / 2];
            out[0] = Limit(luma + kBlueU[cu]);
            out[1] = Limit(luma - kGreenV[cv] - kGreenU[cu]);
            out[2] = Limit(luma + kRedV[cv]);
        }
    }
}

}  // namespace vn
