// The block layer: the intra DC (its size code and differential), then the
// TCOEF events with the three escape modes, into 64 quantised coefficients
// in zigzag order.
#pragma once

#include <cstdint>

#include "movie/stream_window.h"

namespace vn {

// Quantised coefficients of one block. Only the listed scan positions can
// be non-zero; position 0 is always listed first, so an intra block's DC
// has its place even when it is 0.
struct CoefficientBlock {
    int16_t level[64] = {};
    uint8_t position[64] = {0};
    int count = 1;

    // Back to all zeros, touching only what was set.
    void Clear() {
        for (int i = 0; i < count; ++i) level[position[i]] = 0;
        count = 1;
    }
};

struct BlockCoding {
    bool intra = false;      // intra TCOEF table and intra DC
    bool useDcCode = false;  // intra DC by its size code, not as a TCOEF event
    bool luma = false;       // which DC size table
    bool coded = false;      // TCOEF events follow
};

// Reads one block into an all-zero CoefficientBlock. False on a failed read
// or check: an unknown code, a missing marker, a DC size above 9, a
// coefficient beyond position 63.
bool DecodeBlock(StreamWindow& stream, const BlockCoding& coding, CoefficientBlock& block);

}  // namespace vn
