// A 24-bit picture: three bytes per pixel in the order blue, green, red,
// rows padded to a multiple of 4 bytes, stored top row first. The layout is
// the one a QImage of Format_BGR888 wraps without copying.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vn {

class Picture {
public:
    Picture() = default;
    Picture(int width, int height) { Reset(width, height); }

    // Resizes to width x height and fills with zeros. Returns false (and
    // leaves the picture empty) when the size is not usable.
    bool Reset(int width, int height);
    void Release();

    int width() const { return width_; }
    int height() const { return height_; }
    int stride() const { return stride_; }
    bool empty() const { return pixels_.empty(); }

    uint8_t* Row(int i) { return pixels_.data() + static_cast<size_t>(i) * stride_; }
    const uint8_t* Row(int i) const { return pixels_.data() + static_cast<size_t>(i) * stride_; }
    uint8_t* data() { return pixels_.data(); }
    const uint8_t* data() const { return pixels_.data(); }
    size_t size_bytes() const { return pixels_.size(); }

    // Row length in bytes for a width: 3 x width rounded up to a multiple of 4.
    static int StrideFor(int width) { return (3 * width + 3) & ~3; }

private:
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    std::vector<uint8_t> pixels_;
};

}  // namespace vn
