// Every edge decision is made from samples as they were before any edge of
// the same pass wrote near them: along a line each edge's window is read
// before the previous edge's results are stored, which the passes do by
// keeping the one overlapping sample (the previous window's s8, this one's
// s0) as it was. Lines are taken sixteen at a time, so that the pass
// between rows walks the plane row by row.
#include "decode/deblock.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>

#include "decode/deblock_lanes.h"

namespace vn::deblock {

namespace {

constexpr int kEdgeNone = 0, kEdgeDefault = 1, kEdgeDcOffset = 2;

inline int Abs(int v) { return v < 0 ? -v : v; }
inline int Clamp255(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

// One edge: s[0..9] in, o[1..8] out (unchanged values where nothing
// changes); returns the mode.
inline int FilterEdge(const int* s, int qp, int* o) {
    int flat = 0;
    for (int i = 1; i < 10; ++i) flat += Abs(s[i] - s[i - 1]) <= 2;

    // Default mode: the two samples next to the edge.
    const int a0 = (2 * s[3] - 5 * s[4] + 5 * s[5] - 2 * s[6] + 4) >> 3;
    const int a1 = (2 * s[1] - 5 * s[2] + 5 * s[3] - 2 * s[4] + 4) >> 3;
    const int a2 = (2 * s[5] - 5 * s[6] + 5 * s[7] - 2 * s[8] + 4) >> 3;
    const int smallest = std::min(Abs(a0), std::min(Abs(a1), Abs(a2)));
    const int m = a0 < 0 ? -smallest : smallest;  // with the sign of a0, 0 positive
    const int d = ((m - a0) * 5 + 4) >> 3;
    const int h = (s[4] - s[5]) / 2;
    const bool sameSign = (d < 0) == (h < 0);
    const int correction = Abs(d) <= Abs(h) ? d : h;
    const bool useDefault = flat < 8 && Abs(a0) < qp && sameSign;

    // DC offset mode: eight samples smoothed across a flat edge.
    int low = s[1], high = s[1];
    for (int i = 2; i <= 8; ++i) {
        low = std::min(low, s[i]);
        high = std::max(high, s[i]);
    }
    const bool useDc = flat >= 8 && high - low < 2 * qp;
    const int left = Abs(s[0] - s[1]) < qp ? s[0] : s[1];
    const int right = Abs(s[8] - s[9]) < qp ? s[9] : s[8];
    int e[16];  // e[k + 3] holds e(k) for k = -3..12
    for (int k = 0; k < 4; ++k) e[k] = left;
    for (int n = 1; n <= 8; ++n) e[n + 3] = s[n];
    for (int k = 12; k < 16; ++k) e[k] = right;

    for (int n = 1; n <= 8; ++n) {
        const int* c = e + n + 3;  // e(n)
        const int smooth =
            (c[-4] + c[-3] + 2 * c[-2] + 2 * c[-1] + 4 * c[0] + 2 * c[1] + 2 * c[2] + c[3] + c[4] + 8) >> 4;
        o[n] = useDc ? smooth : s[n];
    }
    o[4] = useDefault ? Clamp255(s[4] - correction) : o[4];
    o[5] = useDefault ? Clamp255(s[5] + correction) : o[5];
    return useDc ? kEdgeDcOffset : (useDefault ? kEdgeDefault : kEdgeNone);
}

// The edges of one pass, in order along the lines, kLines lines at a time.
// A line is a row (along = 1, across = stride) or a column (along =
// stride, across = 1); length is the samples along a line, count the lines.
constexpr int kLines = 16;
void FilterLines(uint8_t* plane, ptrdiff_t along, ptrdiff_t across, int length, int count, int qp) {
    int carried[kLines] = {};  // s0 of each line's next window as it was
    for (int first = 0; first < count; first += kLines) {
        const int lines = std::min(kLines, count - first);
        for (int e = 8; e + 4 < length; e += 8) {
            uint8_t* window = plane + first * across + (e - 5) * along;
            for (int l = 0; l < lines; ++l) {
                uint8_t* at = window + l * across;
                int s[10], o[10];
                for (int i = 0; i < 10; ++i) s[i] = at[i * along];
                if (e > 8) s[0] = carried[l];
                carried[l] = s[8];
                FilterEdge(s, qp, o);
                for (int i = 1; i <= 8; ++i) at[i * along] = static_cast<uint8_t>(o[i]);
            }
        }
    }
}

}  // namespace

int DeblockEdge(const uint8_t window[10], int qp, uint8_t out[10]) {
    int s[10], o[10];
    for (int i = 0; i < 10; ++i) s[i] = window[i];
    const int mode = FilterEdge(s, qp, o);
    out[0] = window[0];
    out[9] = window[9];
    for (int i = 1; i <= 8; ++i) out[i] = static_cast<uint8_t>(o[i]);
    return mode;
}

void DeblockPlaneEdgeByEdge(uint8_t* plane, int width, int height, int stride, int qp) {
    if (plane == nullptr) return;
    FilterLines(plane, 1, stride, width, height, qp);  // edges between columns
    FilterLines(plane, stride, 1, height, width, qp);  // edges between rows
}

void DeblockPlane(uint8_t* plane, int width, int height, int stride, int qp) {
    if (HaveLaneFilter()) {
        DeblockPlaneLanes(plane, width, height, stride, qp);
    } else {
        DeblockPlaneEdgeByEdge(plane, width, height, stride, qp);
    }
}

void DeblockPicture(uint8_t* y, uint8_t* cb, uint8_t* cr, int width, int height, int lumaStride, int chromaStride,
                    int qp) {
    if (y == nullptr || cb == nullptr || cr == nullptr) return;
    DeblockPlane(y, width, height, lumaStride, qp);
    DeblockPlane(cb, width / 2, height / 2, chromaStride, qp);
    DeblockPlane(cr, width / 2, height / 2, chromaStride, qp);
}

}  // namespace vn::deblock
