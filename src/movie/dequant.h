// Inverse quantisation as the cameras do it: weighting matrices (the
// standard's default intra and non-intra matrices) whatever quant_type
// says, DC scalers by quantiser, saturation, mismatch control.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace vn::mpeg4 {

// Quantisers 0..31 (vop_quant is 5 bits; DQUANT results are kept in 1..31).
constexpr int kMaxQuantiser = 31;
// Dequantised values are saturated to this range before the inverse DCT.
constexpr int kMinCoefficient = -2048;
constexpr int kMaxCoefficient = 2047;

struct QuantiserScales {
    int lumaDcScaler = 8;
    int chromaDcScaler = 8;
    int32_t intra[64] = {};  // natural order; intra[0] is the luma DC scaler
    int32_t inter[64] = {};
    // The same in zigzag scan order, as the coefficients arrive.
    int32_t intraInScanOrder[64] = {};
    int32_t interInScanOrder[64] = {};
};

// The scales of a quantiser (clamped to 0..31).
const QuantiserScales& ScalesForQuantiser(int quantiser);

// One block's dequantised values, filled coefficient by coefficient.
// Between blocks the values are kept zero: StartBlock readies the rest for
// the next block, and once the values have been used ClearValues zeros
// them.
struct DequantisedBlock {
    alignas(16) int16_t value[64] = {};  // natural order
    int sum = 0;                         // of all values, for mismatch control
    int lastScan = -1;                   // scan index of the last value set, -1 for none
    int quantisedDc = 0;                 // intra only, kept apart until predicted

    void StartBlock() {
        sum = 0;
        lastScan = -1;
        quantisedDc = 0;
    }
    // Nothing but the DC may be non-zero, and the mismatch bit.
    bool dcOnly() const { return lastScan <= 0; }
    // Row by row: one store each, where a memset of the whole block can
    // become a slow string instruction.
    void ClearValues() {
        for (int r = 0; r < 8; ++r) std::memset(value + 8 * r, 0, 8 * sizeof value[0]);
    }
};

// The factor v of a quantised level QF: 2 QF, moved one further from zero
// for inter blocks.
constexpr int LevelFactor(int level, bool intra) {
    const int v = 2 * level;
    return intra || v == 0 ? v : v + (v > 0 ? 1 : -1);
}
// The level back from its factor.
constexpr int LevelOfFactor(int factor, bool intra) {
    return intra || factor == 0 ? factor / 2 : (factor - (factor > 0 ? 1 : -1)) / 2;
}

// F = (v x scale) >> 1, saturated.
inline int Dequantise(int factor, int32_t scale) {
    return std::clamp((factor * scale) >> 1, kMinCoefficient, kMaxCoefficient);
}

// The intra DC, F = QF x DC scaler, saturated.
inline void SetIntraDc(DequantisedBlock& block, int quantisedDc, int dcScaler) {
    const int f = std::clamp(quantisedDc * dcScaler, kMinCoefficient, kMaxCoefficient);
    block.value[0] = static_cast<int16_t>(f);
    block.sum += f;
    block.lastScan = std::max(block.lastScan, 0);
}

// Mismatch control, once every value is in: the lowest bit of position 63
// is inverted when the sum of all values is even.
// Without a branch: the parity is as good as random.
inline void FinishDequantisation(DequantisedBlock& block) {
    const unsigned even = ~static_cast<unsigned>(block.sum) & 1;
    block.value[63] = static_cast<int16_t>(block.value[63] ^ even);
}

}  // namespace vn::mpeg4
