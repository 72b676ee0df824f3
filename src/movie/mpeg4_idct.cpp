// Every value a pass keeps is 16-bit: stored values wrap as 16-bit
// registers would, products are formed at 32 bits and rounded back by
// R(p) = (p + 8192) >> 14.
#include "movie/mpeg4_idct.h"

#include <algorithm>

namespace vn::mpeg4 {

namespace {

constexpr int kC2 = 8866;   // 2^14 sqrt(2) sin(pi/8)
constexpr int kC6 = 21406;  // 2^14 sqrt(2) cos(pi/8)
constexpr int kC4 = 11585;  // 2^14 cos(pi/4)
constexpr int kC1 = 12872;  // 2^14 sqrt(2) sin(3pi/16)
constexpr int kC3 = 19265;  // 2^14 sqrt(2) cos(3pi/16)
constexpr int kC5 = 4520;   // 2^14 sqrt(2) sin(pi/16)
constexpr int kC7 = 22725;  // 2^14 sqrt(2) cos(pi/16)

inline int16_t R(int32_t p) { return static_cast<int16_t>((p + 8192) >> 14); }
inline int16_t W(int32_t v) { return static_cast<int16_t>(v); }

// One 1-D pass over x[0], x[step], ..., x[7 step], in place.
inline void Pass(int16_t* x, int step) {
    const int16_t x0 = x[0], x1 = x[step], x2 = x[2 * step], x3 = x[3 * step];
    const int16_t x4 = x[4 * step], x5 = x[5 * step], x6 = x[6 * step], x7 = x[7 * step];

    const int16_t s0 = W(x0 + x4);
    const int16_t s1 = W(x0 - x4);
    const int16_t t2 = R(x2 * kC2 - x6 * kC6);
    const int16_t t3 = R(x2 * kC6 + x6 * kC2);
    const int16_t e0 = W(s0 + t3), e3 = W(s0 - t3), e1 = W(s1 + t2), e2 = W(s1 - t2);

    const int16_t p = R(x1 * kC4 - x7 * kC4);
    const int16_t q = R((x1 + x7) * kC4);
    const int16_t h = W(p + x5), g = W(p - x5), k = W(q + x3), m = W(q - x3);

    const int16_t o0 = R(h * kC1 + k * kC3);
    const int16_t o3 = R(h * kC3 - k * kC1);
    const int16_t o1 = R(m * kC5 + g * kC7);
    const int16_t o2 = R(m * kC7 - g * kC5);

    x[0] = W(e0 + o0);
    x[7 * step] = W(e0 - o0);
    x[step] = W(e1 + o1);
    x[6 * step] = W(e1 - o1);
    x[2 * step] = W(e2 + o2);
    x[5 * step] = W(e2 - o2);
    x[3 * step] = W(e3 + o3);
    x[4 * step] = W(e3 - o3);
}

// True when x[1]..x[7] are all zero: the pass then copies x[0] to all
// eight.
inline bool OnlyFirst(const int16_t* x) {
    for (int i = 1; i < 8; ++i) {
        if (x[i] != 0) return false;
    }
    return true;
}

}  // namespace

void InverseDct(int16_t block[64], uint32_t rows) {
    for (int i = 0; i < 64; ++i) block[i] = static_cast<int16_t>(block[i] * 8);
    if ((rows & 0xFE) == 0) {
        // Only the first row: the row pass is one pass, and every column
        // holds just its first value.
        if (OnlyFirst(block)) {
            std::fill(block + 1, block + 8, block[0]);
        } else {
            Pass(block, 1);
        }
        for (int i = 8; i < 64; ++i) block[i] = block[i & 7];
    } else {
        // Eight passes side by side, each way: loops the compiler vectorises.
        for (int row = 0; row < 8; ++row) Pass(block + 8 * row, 1);
        for (int column = 0; column < 8; ++column) Pass(block + column, 8);
    }
    for (int i = 0; i < 64; ++i) {
        block[i] = static_cast<int16_t>(std::clamp((block[i] + 32) >> 6, -256, 255));
    }
}

}  // namespace vn::mpeg4
