// YCbCr to blue-green-red conversion of decoded planes and DC images.
#pragma once

#include <cstdint>

#include "decode/jpeg_decoder.h"

namespace vn::jpeg {

// Converts picture rows [rowBegin, rowEnd) of a width x height image from
// the planes; everything is clipped to the planes and the picture.
void ConvertPlaneRows(const FramePlanes& planes, Picture& picture, int width, int height, int rowBegin, int rowEnd,
                      bool forceBW);

// Converts one row of `width` pixels, one chroma sample per two pixels.
// luma must be readable for width rounded up to 16 samples, the chroma rows
// for half that. Luma samples must lie in -1024..1023 (the planes hold
// 0..255); chroma samples may be anything.
void ConvertRow(const int32_t* luma, const int32_t* cb, const int32_t* cr, int width, uint8_t* out, bool forceBW);

}  // namespace vn::jpeg
