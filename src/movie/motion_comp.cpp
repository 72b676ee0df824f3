#include "movie/motion_comp.h"

#include <algorithm>
#include <cstring>

namespace vn::mpeg4 {

namespace {

inline uint8_t Clamp255(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }

// The luma vector after the edge rule: a component pointing out across the
// picture's border from the first or last row or column becomes 0.
void ApplyEdgeRule(const MacroblockPlace& place, int& lx, int& ly) {
    if (place.row == 0 && ly < 0) ly = 0;
    if (place.row == place.rows - 1 && ly > 0) ly = 0;
    if (place.column == 0 && lx < 0) lx = 0;
    if (place.column == place.columns - 1 && lx > 0) lx = 0;
}

// An area of size samples starting at position, moved inside a plane of
// extent samples. Only vectors beyond the next macroblock need it.
inline int KeepInside(int position, int size, int extent) { return std::clamp(position, 0, extent - size); }

void PredictChroma(const uint8_t* ref, int stride, int halfX, int halfY, uint8_t* out) {
    for (int r = 0; r < 8; ++r, ref += stride, out += stride) {
        const uint8_t* below = ref + stride;
        for (int c = 0; c < 8; ++c) {
            if (halfX && halfY) {
                out[c] = static_cast<uint8_t>((ref[c] + ref[c + 1] + below[c] + below[c + 1]) >> 2);
            } else if (halfX) {
                out[c] = static_cast<uint8_t>((ref[c] + ref[c + 1]) >> 1);
            } else if (halfY) {
                out[c] = static_cast<uint8_t>((ref[c] + below[c]) >> 1);
            } else {
                out[c] = ref[c];
            }
        }
    }
}

}  // namespace

void PredictMacroblock(const YuvPlanes& reference, const MacroblockPlace& place, int x, int y, uint8_t* luma,
                       uint8_t* cb, uint8_t* cr) {
    int lx = x / 2;
    int ly = y / 2;
    ApplyEdgeRule(place, lx, ly);

    const int lumaX = KeepInside(16 * place.column + lx, 16, reference.lumaStride);
    const int lumaY = KeepInside(16 * place.row + ly, 16, reference.lumaRows);
    const uint8_t* src = reference.y + lumaY * reference.lumaStride + lumaX;
    for (int r = 0; r < 16; ++r) {
        std::memcpy(luma + r * reference.lumaStride, src + r * reference.lumaStride, 16);
    }

    // Half of the whole-sample luma vector: offset rounded down, the low
    // bits as half-sample flags. The edge rule keeps a half-sample flag off
    // in a one-macroblock-wide (or high) picture, so 9 samples always fit.
    const int halfX = lx & 1;
    const int halfY = ly & 1;
    const int chromaX = KeepInside(8 * place.column + (lx >> 1), 8 + halfX, reference.chromaStride);
    const int chromaY = KeepInside(8 * place.row + (ly >> 1), 8 + halfY, reference.lumaRows / 2);
    const int offset = chromaY * reference.chromaStride + chromaX;
    PredictChroma(reference.cb + offset, reference.chromaStride, halfX, halfY, cb);
    PredictChroma(reference.cr + offset, reference.chromaStride, halfX, halfY, cr);
}

void PutBlock(uint8_t* dst, int stride, const int16_t values[64]) {
    for (int r = 0; r < 8; ++r, dst += stride) {
        for (int c = 0; c < 8; ++c) dst[c] = Clamp255(values[8 * r + c]);
    }
}

void AddBlock(uint8_t* dst, int stride, const int16_t values[64]) {
    for (int r = 0; r < 8; ++r, dst += stride) {
        for (int c = 0; c < 8; ++c) dst[c] = Clamp255(dst[c] + values[8 * r + c]);
    }
}

}  // namespace vn::mpeg4
