// The DC-only image of a frame: one value per 8 x 8 block, and the small
// picture the motion search shows of it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "common/picture.h"
#include "decode/jpeg_decoder.h"

namespace vn::tool {

struct DcImage {
    DcImage(int width, int height);

    // DC-decodes the frame's bytes and converts the planes into `picture`.
    jpeg::DcImageStatus Decode(jpeg::JpegDecoder& decoder, std::span<const uint8_t> bytes);

    int blocksWide, blocksHigh;
    std::vector<int32_t> luma, cb, cr;
    Picture picture;
};

}  // namespace vn::tool
