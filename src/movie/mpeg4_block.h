// The block layer: the intra DC (its size code and differential), then the
// TCOEF events with the three escape modes. Each coefficient is dequantised
// as it is read, into natural order.
#pragma once

#include <cstdint>
#include <cstring>

#include "movie/dequant.h"
#include "movie/macroblock_bits.h"

namespace vn::mpeg4 {

struct BlockCoding {
    bool intra = false;      // intra TCOEF table, intra scales, DC apart
    bool useDcCode = false;  // intra DC by its size code, not as a TCOEF event
    bool luma = false;       // which DC size table
    bool coded = false;      // TCOEF events follow
    const QuantiserScales* scales = nullptr;
};

// Reads one block into a cleared DequantisedBlock. An intra block's DC is
// left quantised in quantisedDc (its DC prediction comes first). False on a
// failed read or check: an unknown code, a missing marker, a DC size above
// 9, a coefficient beyond position 63.
bool DecodeBlock(MacroblockBits& bits, const BlockCoding& coding, DequantisedBlock& block);

}  // namespace vn::mpeg4
