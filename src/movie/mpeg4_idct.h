// The cameras' 8x8 inverse DCT: separable, rows then columns, in 16-bit
// fixed point with 14-bit constants.
#pragma once

#include <cstdint>

namespace vn::mpeg4 {

// block: dequantised values (-2048..2047) in natural order; dcOnly may be
// true only when nothing but the DC and position 63 is non-zero (a block
// of a DC and its mismatch bit then takes a shortcut). InverseDctPut writes the spatial values, limited to 0..255, into
// the 8x8 bytes at dst (rows stride bytes apart); InverseDctAdd adds them
// to those bytes, limiting the sums to 0..255. Both leave the block all
// zero. Eight lines at a time where SSE2 is at hand.
void InverseDctPut(int16_t block[64], bool dcOnly, uint8_t* dst, int stride);
void InverseDctAdd(int16_t block[64], bool dcOnly, uint8_t* dst, int stride);

// The transform one line at a time, every row and column: block replaced
// by the spatial values, each limited to -256..255. The reference that the
// fast paths match, whatever the input.
void InverseDctLineByLine(int16_t block[64]);

}  // namespace vn::mpeg4
