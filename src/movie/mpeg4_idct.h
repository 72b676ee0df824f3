// The cameras' 8x8 inverse DCT: separable, rows then columns, in 16-bit
// fixed point with 14-bit constants.
#pragma once

#include <cstdint>

namespace vn::mpeg4 {

// block: dequantised values (-2048..2047) in natural order; replaced by the
// spatial values, each limited to -256..255. Bit r of rows is set when row r
// may hold a non-zero value; the other rows must be all zero. Eight lines
// at a time where SSE2 is at hand; blocks with nothing but a DC and a
// mismatch bit at position 63 take a shortcut.
void InverseDct(int16_t block[64], uint32_t rows = 0xFF);

// The same transform one line at a time, every row and column: the
// reference that the fast paths match value for value, whatever the input.
void InverseDctLineByLine(int16_t block[64]);

}  // namespace vn::mpeg4
