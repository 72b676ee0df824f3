// Measures decoded sound against the tone it should be.
#pragma once

#include <cmath>
#include <cstdint>
#include <span>

namespace vn::samples::test {

// Upward zero crossings per second.
inline double CrossingFrequency(std::span<const int16_t> pcm, int sampleRate) {
    size_t crossings = 0;
    for (size_t i = 1; i < pcm.size(); ++i) crossings += pcm[i - 1] < 0 && pcm[i] >= 0;
    return static_cast<double>(crossings) * sampleRate / static_cast<double>(pcm.size());
}

// Signal-to-noise ratio of pcm against reference, in dB, over the shorter.
inline double SnrDb(std::span<const int16_t> pcm, std::span<const int16_t> reference) {
    double signal = 0, noise = 0;
    for (size_t i = 0; i < pcm.size() && i < reference.size(); ++i) {
        signal += static_cast<double>(reference[i]) * reference[i];
        noise += static_cast<double>(pcm[i] - reference[i]) * (pcm[i] - reference[i]);
    }
    return noise == 0 ? 99.0 : 10 * std::log10(signal / noise);
}

}  // namespace vn::samples::test
