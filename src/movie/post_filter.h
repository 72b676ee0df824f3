// The buffer-wide low-pass post-filter (display mode 1).
#pragma once

#include <cstdint>

namespace vn::mpeg4 {

// Every row, then every column, of a width x height plane (rows stride
// bytes apart): sample i becomes (s[i-1] + 2 s[i] + s[i+1]) >> 2 of the
// values before that pass, for i = 1 .. n-3; the first and the last two
// samples of a line keep their values.
void LowPassPlane(uint8_t* plane, int width, int height, int stride);

}  // namespace vn::mpeg4
