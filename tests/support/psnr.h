// Peak signal-to-noise ratio of two pictures' bytes, for tests that bound
// how close a decoded picture stays to its source.
#pragma once

#include <cmath>
#include <cstdint>
#include <span>

namespace vn::test {

// In dB over equally long byte runs; 99 when they are equal.
inline double Psnr(std::span<const uint8_t> a, std::span<const uint8_t> b) {
    double sum = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) sum += (a[i] - b[i]) * (a[i] - b[i]);
    if (sum == 0) return 99.0;
    return 10 * std::log10(255.0 * 255.0 * static_cast<double>(a.size()) / sum);
}

}  // namespace vn::test
