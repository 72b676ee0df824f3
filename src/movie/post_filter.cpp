#include "movie/post_filter.h"

#include <cstring>
#include <vector>

namespace vn::mpeg4 {

namespace {

// out[i] = (before[i] + 2 centre[i] + after[i]) >> 2 for i < count: a
// plain loop over bytes that the compilers vectorise.
void SmoothLine(const uint8_t* before, const uint8_t* centre, const uint8_t* after, uint8_t* out, int count) {
    for (int i = 0; i < count; ++i) out[i] = static_cast<uint8_t>((before[i] + 2 * centre[i] + after[i]) >> 2);
}

}  // namespace

void LowPassPlane(uint8_t* plane, int width, int height, int stride) {
    if (width <= 0 || height <= 0) return;
    // Each row from a copy of itself as it was before the pass.
    std::vector<uint8_t> line(static_cast<size_t>(width));
    for (int r = 0; r < height; ++r) {
        uint8_t* s = plane + static_cast<size_t>(r) * stride;
        std::memcpy(line.data(), s, line.size());
        SmoothLine(line.data(), line.data() + 1, line.data() + 2, s + 1, width - 3);
    }
    // Columns, all at once row by row: the previous row's values from
    // before the pass are kept aside.
    std::vector<uint8_t> above(plane, plane + width);
    for (int r = 1; r <= height - 3; ++r) {
        uint8_t* s = plane + static_cast<size_t>(r) * stride;
        std::memcpy(line.data(), s, line.size());
        SmoothLine(above.data(), line.data(), s + stride, s, width);
        above.swap(line);
    }
}

}  // namespace vn::mpeg4
