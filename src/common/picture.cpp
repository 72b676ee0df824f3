#include "common/picture.h"

#include <new>

namespace vn {

namespace {
// Largest side accepted for a picture; far above any camera's resolution.
constexpr int kMaxSide = 16384;
}  // namespace

bool Picture::Reset(int width, int height) {
    Release();
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
    try {
        pixels_.assign(static_cast<size_t>(StrideFor(width)) * height, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    width_ = width;
    height_ = height;
    stride_ = StrideFor(width);
    return true;
}

void Picture::Release() {
    pixels_.clear();
    pixels_.shrink_to_fit();
    width_ = height_ = stride_ = 0;
}

}  // namespace vn
