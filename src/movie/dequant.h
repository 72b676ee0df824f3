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
    uint32_t rows = 0;                   // bit r set: row r may hold non-zero values
    int quantisedDc = 0;                 // intra only, kept apart until predicted

    void StartBlock() {
        sum = 0;
        rows = 0;
        quantisedDc = 0;
    }
    // Row by row: one store each, where a memset of the whole block can
    // become a slow string instruction.
    void ClearValues() {
        for (int r = 0; r < 8; ++r) std::memset(value + 8 * r, 0, 8 * sizeof value[0]);
    }
    void Set(int position, int f) {
        value[position] = static_cast<int16_t>(f);
        sum += f;
        rows |= 1u << (position >> 3);
    }
};

// F = (v x scale) >> 1 with v = 2 QF, moved one further from zero for inter
// blocks, saturated.
inline int DequantiseLevel(int level, bool intra, int32_t scale) {
    int v = 2 * level;
    if (!intra && v != 0) v += v > 0 ? 1 : -1;
    return std::clamp((v * scale) >> 1, kMinCoefficient, kMaxCoefficient);
}

// The intra DC, F = QF x DC scaler, saturated.
inline void SetIntraDc(DequantisedBlock& block, int quantisedDc, int dcScaler) {
    block.Set(0, std::clamp(quantisedDc * dcScaler, kMinCoefficient, kMaxCoefficient));
}

// Mismatch control, once every value is in: the lowest bit of position 63
// is inverted when the sum of all values is even.
// Without a branch: the parity is as good as random.
inline void FinishDequantisation(DequantisedBlock& block) {
    const unsigned even = ~static_cast<unsigned>(block.sum) & 1;
    block.value[63] = static_cast<int16_t>(block.value[63] ^ even);
    block.rows |= even << 7;
}

}  // namespace vn::mpeg4
