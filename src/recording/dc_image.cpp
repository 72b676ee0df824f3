#include "recording/dc_image.h"

#include <algorithm>
#include <utility>

#include "recording/recording.h"

namespace vn::avi {

DcImage::DcImage(int width, int height)
    : blocksWide((width + 7) / 8),
      blocksHigh((height + 7) / 8),
      luma(static_cast<size_t>(blocksWide) * blocksHigh),
      cb(static_cast<size_t>((blocksWide + 1) / 2) * ((blocksHigh + 1) / 2)),
      cr(cb.size()) {}

jpeg::DcImageStatus DcImage::Decode(jpeg::JpegDecoder& decoder, std::span<const uint8_t> bytes) {
    return decoder.DecodeJpegDcImage(bytes, luma.data(), cb.data(), cr.data(), blocksWide, blocksHigh);
}

void DcImage::ConvertToPicture(const jpeg::JpegDecoder& decoder, Picture& picture) const {
    decoder.ConvertDcImageToRgb(picture.data(), luma.data(), cb.data(), cr.data(), blocksWide, blocksHigh,
                                picture.stride());
}

int64_t DcImage::CountChangedBlocks(const DcImage& previous, int threshold) const {
    int64_t changed = 0;
    const size_t count = std::min(luma.size(), previous.luma.size());
    for (size_t i = 0; i < count; ++i) {
        const int64_t difference = int64_t{luma[i]} - previous.luma[i];
        changed += (difference < 0 ? -difference : difference) > threshold;
    }
    return changed;
}

int64_t MotionComparer::Compare(DcFrame& frame, int threshold) {
    if (!frame.readable) return -1;
    std::swap(previous_, current_);
    std::swap(current_, frame.image);
    const bool compared = haveReference_;
    haveReference_ = true;
    return compared ? current_.CountChangedBlocks(previous_, threshold) : -1;
}

bool DecodeDcFrame(Recording& recording, jpeg::JpegDecoder& decoder, int frame, std::span<uint8_t> fetchBuffer,
                   DcImage& image) {
    uint32_t length = 0;
    if (recording.ReadFrame(frame, fetchBuffer, nullptr, &length) != FrameRead::kOk) return false;
    if (image.Decode(decoder, fetchBuffer.first(length)) != jpeg::DcImageStatus::kDecoded) return false;
    return decoder.scanComplete && decoder.WalkDefinedScanTables();
}

}  // namespace vn::avi
