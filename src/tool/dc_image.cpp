#include "tool/dc_image.h"

namespace vn::tool {

DcImage::DcImage(int width, int height)
    : blocksWide((width + 7) / 8),
      blocksHigh((height + 7) / 8),
      luma(static_cast<size_t>(blocksWide) * blocksHigh),
      cb(static_cast<size_t>((blocksWide + 1) / 2) * ((blocksHigh + 1) / 2)),
      cr(cb.size()),
      picture(blocksWide, blocksHigh) {}

jpeg::DcImageStatus DcImage::Decode(jpeg::JpegDecoder& decoder, std::span<const uint8_t> bytes) {
    const jpeg::DcImageStatus result =
        decoder.DecodeJpegDcImage(bytes, luma.data(), cb.data(), cr.data(), blocksWide, blocksHigh);
    decoder.ConvertDcImageToRgb(picture.data(), luma.data(), cb.data(), cr.data(), blocksWide, blocksHigh,
                                picture.stride());
    return result;
}

}  // namespace vn::tool
