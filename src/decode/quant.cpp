#include "decode/quant.h"

namespace vn::jpeg {

// clang-format off
const uint8_t kZigzagToNatural[64] = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
    12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
    35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
    58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
};

const uint8_t kNaturalToZigzag[64] = {
    0,  1,  5,  6,  14, 15, 27, 28, 2,  4,  7,  13, 16, 26, 29, 42,
    3,  8,  12, 17, 25, 30, 41, 43, 9,  11, 18, 24, 31, 40, 44, 53,
    10, 19, 23, 32, 39, 45, 52, 54, 20, 22, 33, 38, 46, 51, 55, 60,
    21, 34, 37, 47, 50, 56, 59, 61, 35, 36, 48, 49, 57, 58, 62, 63,
};

// round(128 / (a(u) a(v))) in zig-zag order; the inverse DCT's flow graph
// leaves these factors out, so they travel with the quantiser instead.
const int32_t kIdctScale[64] = {
    128, 92,  92,  98,  67,  98,  109, 71,  71,  109, 128, 78,  75,  78,  128, 163,
    92,  83,  83,  92,  163, 237, 117, 98,  93,  98,  117, 237, 464, 171, 125, 109,
    109, 125, 171, 464, 334, 181, 139, 128, 139, 181, 334, 355, 201, 163, 163, 201,
    355, 395, 237, 207, 237, 395, 464, 301, 301, 464, 590, 437, 590, 857, 857, 1682,
};
// clang-format on

void BuildQuantTable(QuantTable& table, std::span<const uint8_t, 64> values) {
    for (int k = 0; k < 64; ++k) table.multiplier[k] = values[k] * kIdctScale[k];
    table.dcQuantiser = values[0];
    table.defined = true;
}

}  // namespace vn::jpeg
