#include "movie/post_filter.h"

#include <cstring>
#include <vector>

namespace vn::mpeg4 {

void LowPassPlane(uint8_t* plane, int width, int height, int stride) {
    if (width <= 0 || height <= 0) return;
    for (int r = 0; r < height; ++r) {
        uint8_t* s = plane + static_cast<size_t>(r) * stride;
        int before = s[0];  // s[i - 1] as it was before the pass
        for (int i = 1; i <= width - 3; ++i) {
            const int current = s[i];
            s[i] = static_cast<uint8_t>((before + 2 * current + s[i + 1]) >> 2);
            before = current;
        }
    }
    // Columns, all at once row by row: the previous row's values from
    // before the pass are kept aside.
    std::vector<uint8_t> above(plane, plane + width);
    std::vector<uint8_t> current(static_cast<size_t>(width));
    for (int r = 1; r <= height - 3; ++r) {
        uint8_t* s = plane + static_cast<size_t>(r) * stride;
        const uint8_t* below = s + stride;
        std::memcpy(current.data(), s, static_cast<size_t>(width));
        for (int x = 0; x < width; ++x) {
            s[x] = static_cast<uint8_t>((above[x] + 2 * current[x] + below[x]) >> 2);
        }
        above.swap(current);
    }
}

}  // namespace vn::mpeg4
