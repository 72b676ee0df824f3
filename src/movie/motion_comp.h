// Motion compensation and reconstruction of macroblocks: whole-sample luma
// and half-sample chroma prediction from the reference picture, and the
// inverse DCT's output written or added into the current picture.
#pragma once

#include <cstdint>

#include "movie/yuv_planes.h"

namespace vn::mpeg4 {

// Where a macroblock stands among columns x rows macroblocks.
struct MacroblockPlace {
    int column = 0;
    int row = 0;
    int columns = 0;
    int rows = 0;
};

// Writes the prediction of the macroblock at place, for the vector (x, y)
// in half samples, into the current picture at luma, cb and cr (the
// macroblock's first samples there; strides as the reference's). The luma
// vector is the half-sample vector truncated to whole samples, zeroed per
// component where it would point out across the picture's border;
// chroma takes half of it with the half-sample averages (no rounding
// term). Reads stay inside the reference planes whatever the vector.
void PredictMacroblock(const YuvPlanes& reference, const MacroblockPlace& place, int x, int y, uint8_t* luma,
                       uint8_t* cb, uint8_t* cr);

// dst = clamp(values, 0, 255), 8x8.
void PutBlock(uint8_t* dst, int stride, const int16_t values[64]);
// dst = clamp(dst + values, 0, 255), 8x8.
void AddBlock(uint8_t* dst, int stride, const int16_t values[64]);

}  // namespace vn::mpeg4
