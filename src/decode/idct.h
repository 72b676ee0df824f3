// The 8 x 8 inverse DCT (shift-and-add flow graph, exact integer steps) and
// the store of a block's samples into a plane.
#pragma once

#include <cstdint>

#include "decode/entropy.h"

namespace vn {

// Transforms the block and writes its 8 rows of 8 samples to dst, rows
// `stride` samples apart. Luma samples are level-shifted by 128 and clamped
// to 0..255; chroma samples are stored as they come out, centred on 0.
void StoreBlock(const DequantisedBlock& block, int32_t* dst, int stride, bool luma);

}  // namespace vn
