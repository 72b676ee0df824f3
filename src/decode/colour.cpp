#include "decode/colour.h"

#include <algorithm>
#include <vector>

#include "decode/simd.h"

namespace vn::jpeg {

namespace {

// JFIF factors 1.402, 0.34414, 0.71414 and 1.772 in units of 1/2048.
constexpr int32_t kCrRed = 2871;
constexpr int32_t kCbGreen = -705;
constexpr int32_t kCrGreen = -1463;
constexpr int32_t kCbBlue = 3629;

// Division by 2048 truncating towards zero, as the player's tables divided.
VN_VECTOR_INLINE I32x8 Div2048(I32x8 v) { return (v + ((v >> 31) & 2047)) >> 11; }

// Each chroma value serves two neighbouring pixels: the first or the second
// four values, each twice.
VN_VECTOR_INLINE I32x8 SpreadPairs(I32x8 v, int half) {
    return half == 0 ? __builtin_shufflevector(v, v, 0, 0, 1, 1, 2, 2, 3, 3)
                     : __builtin_shufflevector(v, v, 4, 4, 5, 5, 6, 6, 7, 7);
}

// Pixels of blue-green-red-zero lanes packed to 3 bytes within each 16-byte
// half, then the two 12-byte runs moved together: 24 bytes of pixels, then 8
// bytes of no meaning.
VN_VECTOR_INLINE U8x32 PackPixels(I32x8 pixels) {
    const U8x32 bytes = reinterpret_cast<U8x32>(pixels);
    const U8x32 packed = __builtin_shufflevector(bytes, bytes, 0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 0, 0, 0, 0,  //
                                                 16, 17, 18, 20, 21, 22, 24, 25, 26, 28, 29, 30, 0, 0, 0, 0);
    const U32x8 words = reinterpret_cast<U32x8>(packed);
    return reinterpret_cast<U8x32>(__builtin_shufflevector(words, words, 0, 1, 2, 4, 5, 6, 3, 7));
}

inline int RoundUp(int value, int multiple) { return (value + multiple - 1) / multiple * multiple; }

}  // namespace

VN_SIMD_CLONES
void ConvertRow(const int32_t* luma, const int32_t* cb, const int32_t* cr, int width, uint8_t* out, bool forceBW) {
    for (int j = 0; j < width; j += 16) {
        // Chroma indexes clamp to 0..255 around the 128 offset.
        const I32x8 cbValue = ClampI32x8(LoadI32x8(cb + j / 2), -128, 127);
        const I32x8 crValue = ClampI32x8(LoadI32x8(cr + j / 2), -128, 127);
        I32x8 blue = Div2048(cbValue * kCbBlue);
        I32x8 green = Div2048(cbValue * kCbGreen + crValue * kCrGreen);
        I32x8 red = Div2048(crValue * kCrRed);
        if (forceBW) blue = green = red = I32x8{};
        for (int half = 0; half < 2; ++half) {
            const int x = j + 8 * half;
            if (x >= width) break;
            const I32x8 y = LoadI32x8(luma + x);
            const I32x8 b = ClampI32x8(y + SpreadPairs(blue, half), 0, 255);
            const I32x8 g = ClampI32x8(y + SpreadPairs(green, half), 0, 255);
            const I32x8 r = ClampI32x8(y + SpreadPairs(red, half), 0, 255);
            const U8x32 bytes = PackPixels(b | g << 8 | r << 16);
            if (width - x >= 11) {
                // 24 bytes of pixels and 8 that the next group overwrites.
                std::memcpy(out + 3 * x, &bytes, sizeof bytes);
            } else if (width - x >= 8) {
                // Stored straight from the vector, not through memory.
                const U8x16 first =
                    __builtin_shufflevector(bytes, bytes, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
                const uint64_t last = reinterpret_cast<U64x4>(bytes)[2];
                std::memcpy(out + 3 * x, &first, sizeof first);
                std::memcpy(out + 3 * x + 16, &last, sizeof last);
            } else {
                std::memcpy(out + 3 * x, &bytes, 3 * (width - x));
            }
        }
    }
}

void ConvertPlaneRows(const FramePlanes& planes, Picture& picture, int width, int height, int rowBegin, int rowEnd,
                      bool forceBW) {
    width = std::min({width, planes.codedWidth, picture.width()});
    height = std::min({height, planes.codedHeight, picture.height()});
    rowBegin = std::max(rowBegin, 0);
    rowEnd = std::min(rowEnd, height);
    const int lumaStride = planes.codedWidth;
    const int chromaStride = planes.chromaStride();
    for (int i = rowBegin; i < rowEnd; ++i) {
        const size_t chromaRow = static_cast<size_t>(i / 2) * chromaStride;
        ConvertRow(planes.y.data() + static_cast<size_t>(i) * lumaStride, planes.cb.data() + chromaRow,
                   planes.cr.data() + chromaRow, width, picture.Row(i), forceBW);
    }
}

void JpegDecoder::ConvertPlanesToPicture(Picture& picture, int width, int height) const {
    ConvertPlaneRows(planes_, picture, width, height, 0, height, g_bForceBW);
}

void JpegDecoder::ConvertDcImageToRgb(uint8_t* buffer, const int32_t* luma, const int32_t* cb, const int32_t* cr,
                                      int width, int height, int rowStride) const {
    if (buffer == nullptr || luma == nullptr || width <= 0 || height <= 0) return;
    // Rows are copied into padded scratch rows so the vector conversion may
    // read whole groups; missing chroma reads as 0 (grey).
    const int chromaWidth = (width + 1) / 2;
    std::vector<int32_t> lumaRow(RoundUp(width, 16), 0);
    std::vector<int32_t> cbRow(RoundUp(width, 16) / 2, 0);
    std::vector<int32_t> crRow(cbRow.size(), 0);
    for (int i = 0; i < height; ++i) {
        // Luma beyond -1024..1023 converts as the nearest end of that range.
        std::transform(luma + static_cast<size_t>(i) * width, luma + static_cast<size_t>(i + 1) * width,
                       lumaRow.begin(), [](int32_t y) { return std::clamp(y, -1024, 1023); });
        const size_t chromaRow = static_cast<size_t>(i / 2) * chromaWidth;
        if (cb) std::copy_n(cb + chromaRow, chromaWidth, cbRow.begin());
        if (cr) std::copy_n(cr + chromaRow, chromaWidth, crRow.begin());
        ConvertRow(lumaRow.data(), cbRow.data(), crRow.data(), width, buffer + static_cast<size_t>(i) * rowStride,
                   g_bForceBW);
    }
}

}  // namespace vn::jpeg
