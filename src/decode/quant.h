// Quantisation tables with the inverse DCT's scale factors folded in, and
// the zig-zag order.
#pragma once

#include <cstdint>
#include <span>

namespace vn::jpeg {

// Natural position (row x 8 + column) of each zig-zag index, and back.
extern const uint8_t kZigzagToNatural[64];
extern const uint8_t kNaturalToZigzag[64];

// S[k] = round(128 / (a(u) a(v))) for the zig-zag index k at row u, column v,
// a(0) = 1, a(n) = sqrt(2) cos(n pi / 16).
extern const int32_t kIdctScale[64];

struct QuantTable {
    int32_t multiplier[64] = {};  // DQT value[k] x S[k], zig-zag order
    int32_t dcQuantiser = 0;      // first DQT value, unscaled
    bool defined = false;
};

// values: the 64 8-bit DQT values in zig-zag order.
void BuildQuantTable(QuantTable& table, std::span<const uint8_t, 64> values);

}  // namespace vn::jpeg
