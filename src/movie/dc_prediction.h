// Intra DC prediction: the rule that picks the left or the above block's DC
// as the prediction of a block's DC. The decoder applies it; the sample
// writer's encoder follows it to write the differences.
#pragma once

#include <cstdlib>

namespace vn::mpeg4 {

// The reconstructed DC of a neighbour outside the VOP or not intra.
inline constexpr int kNoDcNeighbour = 1024;

struct DcNeighbour {
    int reconstructed = 0;  // quantised DC x scaler, or kNoDcNeighbour
    int quantised = 0;
    bool inMacroblock = false;
};

// Predicts from above (C) where the left (A) to above-left (B) gradient is
// the smaller, else from the left; a block of the same macroblock gives its
// quantised DC as it is. b is the above-left block's reconstructed DC.
inline int PredictDc(const DcNeighbour& a, int b, const DcNeighbour& c, int scaler) {
    const DcNeighbour& from = std::abs(a.reconstructed - b) < std::abs(b - c.reconstructed) ? c : a;
    if (from.inMacroblock) return from.quantised;
    return (from.reconstructed + scaler / 2) / scaler;
}

}  // namespace vn::mpeg4
