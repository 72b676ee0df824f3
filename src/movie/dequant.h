// Inverse quantisation as the cameras do it: weighting matrices (the
// standard's default intra and non-intra matrices) whatever quant_type
// says, DC scalers by quantiser, saturation, mismatch control.
#pragma once

#include <cstdint>

#include "movie/mpeg4_block.h"

namespace vn {

// Quantisers 0..31 (vop_quant is 5 bits; DQUANT results are kept in 1..31).
constexpr int kMaxQuantiser = 31;

struct QuantiserScales {
    int lumaDcScaler = 8;
    int chromaDcScaler = 8;
    int32_t intra[64] = {};  // natural order; intra[0] is the luma DC scaler
    int32_t inter[64] = {};
};

// The scales of a quantiser (clamped to 0..31).
const QuantiserScales& ScalesForQuantiser(int quantiser);

// Dequantises block (zigzag order) into out (natural order, all zeros on
// entry): intra DC times dcScaler, every other value (2 QF, one further from
// zero for inter blocks) times its scale, halved; each saturated to
// -2048..2047; then the lowest bit of position 63 inverted when the sum of
// all 64 values is even.
void Dequantise(const CoefficientBlock& block, bool intra, int dcScaler,
                const QuantiserScales& scales, int16_t out[64]);

}  // namespace vn
