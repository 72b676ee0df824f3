// BT.601 conversion of a decoded 4:2:0 picture into the 24-bit picture the
// window shows.
#pragma once

#include "common/picture.h"
#include "movie/yuv_planes.h"

namespace vn::mpeg4 {

// Converts rows 0..height-1 and columns 0..width-1 of the planes into the
// picture, as far as the picture reaches; each chroma sample serves 2 x 2
// pixels. Rows below height (a caption band) are not touched.
void ConvertYuvToBgr(const YuvPlanes& planes, int width, int height, Picture& picture);

}  // namespace vn::mpeg4
