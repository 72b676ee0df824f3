// Motion compensation: whole-sample luma and half-sample chroma prediction
// of macroblocks from the reference picture.
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

}  // namespace vn::mpeg4
