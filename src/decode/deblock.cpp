#include "decode/deblock.h"

#include <algorithm>
#include <cstdlib>

namespace vn {

namespace {

constexpr int kEdgeResultNone = 0, kEdgeResultDefault = 1, kEdgeResultDcOffset = 2;

inline uint8_t Clamp255(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }

inline int Sign(int v) { return v < 0 ? -1 : 1; }  // zero counts as positive

int DefaultMode(const uint8_t* s, int qp, uint8_t* out) {
    const int a0 = (2 * s[3] - 5 * s[4] + 5 * s[5] - 2 * s[6] + 4) >> 3;
    if (std::abs(a0) >= qp) return kEdgeResultNone;
    const int a1 = (2 * s[1] - 5 * s[2] + 5 * s[3] - 2 * s[4] + 4) >> 3;
    const int a2 = (2 * s[5] - 5 * s[6] + 5 * s[7] - 2 * s[8] + 4) >> 3;
    const int m = Sign(a0) * std::min({std::abs(a0), std::abs(a1), std::abs(a2)});
    const int d = ((m - a0) * 5 + 4) >> 3;
    const int h = (s[4] - s[5]) / 2;
    if (Sign(d) != Sign(h)) return kEdgeResultNone;
    const int correction = std::abs(d) <= std::abs(h) ? d : h;
    out[4] = Clamp255(s[4] - correction);
    out[5] = Clamp255(s[5] + correction);
    return kEdgeResultDefault;
}

int DcOffsetMode(const uint8_t* s, int qp, uint8_t* out) {
    const auto [low, high] = std::minmax_element(s + 1, s + 9);
    if (*high - *low >= 2 * qp) return kEdgeResultNone;
    // e[k + 3] holds e(k) for k = -3..12.
    int e[16];
    const int left = std::abs(s[0] - s[1]) < qp ? s[0] : s[1];
    const int right = std::abs(s[8] - s[9]) < qp ? s[9] : s[8];
    for (int k = 0; k < 4; ++k) e[k] = left;
    for (int n = 1; n <= 8; ++n) e[n + 3] = s[n];
    for (int k = 12; k < 16; ++k) e[k] = right;
    for (int n = 1; n <= 8; ++n) {
        const int* c = e + n + 3;  // e(n)
        const int sum = c[-4] + c[-3] + 2 * c[-2] + 2 * c[-1] + 4 * c[0] + 2 * c[1] + 2 * c[2] +
                        c[3] + c[4];
        out[n] = static_cast<uint8_t>((sum + 8) >> 4);
    }
    return kEdgeResultDcOffset;
}

// The edges of one line (a row with step 1, a column with step stride) from
// its start on. Each window is read before the previous edge's results are
// written, so an edge never sees its left neighbour's changes.
void FilterLine(uint8_t* line, int step, int length, int qp) {
    uint8_t window[10], out[10];
    uint8_t* pendingAt = nullptr;
    int pendingResult = kEdgeResultNone;
    auto writePending = [&] {
        if (pendingResult == kEdgeResultDefault) {
            pendingAt[4 * step] = out[4];
            pendingAt[5 * step] = out[5];
        } else if (pendingResult == kEdgeResultDcOffset) {
            for (int i = 1; i <= 8; ++i) pendingAt[i * step] = out[i];
        }
    };
    // An edge at c is filtered only where its window c-5 .. c+4 fits.
    for (int c = 8; c + 4 < length; c += 8) {
        uint8_t* at = line + (c - 5) * step;
        for (int i = 0; i < 10; ++i) window[i] = at[i * step];
        writePending();
        pendingResult = DeblockEdge(window, qp, out);
        pendingAt = at;
    }
    writePending();
}

}  // namespace

int DeblockEdge(const uint8_t window[10], int qp, uint8_t out[10]) {
    std::copy(window, window + 10, out);
    int flat = 0;
    for (int i = 1; i < 10; ++i) flat += std::abs(window[i] - window[i - 1]) <= 2;
    return flat < 8 ? DefaultMode(window, qp, out) : DcOffsetMode(window, qp, out);
}

void DeblockPlane(uint8_t* plane, int width, int height, int stride, int qp) {
    if (plane == nullptr) return;
    for (int r = 0; r < height; ++r) FilterLine(plane + static_cast<size_t>(r) * stride, 1, width, qp);
    for (int c = 0; c < width; ++c) FilterLine(plane + c, stride, height, qp);
}

void DeblockPicture(uint8_t* y, uint8_t* cb, uint8_t* cr, int width, int height, int lumaStride,
                    int chromaStride, int qp) {
    if (y == nullptr || cb == nullptr || cr == nullptr) return;
    DeblockPlane(y, width, height, lumaStride, qp);
    DeblockPlane(cb, width / 2, height / 2, chromaStride, qp);
    DeblockPlane(cr, width / 2, height / 2, chromaStride, qp);
}

}  // namespace vn
