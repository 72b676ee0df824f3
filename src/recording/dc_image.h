// The DC-only image of a frame: one mean value per 8 x 8 luma block and
// one per MCU for each chroma plane, the form in which the motion scan
// compares frames, and the small picture it shows of it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "common/picture.h"
#include "decode/jpeg_decoder.h"

namespace vn::avi {

class Recording;

struct DcImage {
    DcImage() = default;
    // The block grid of a width x height frame, zero-filled.
    DcImage(int width, int height);

    // DC-decodes the frame's bytes; DecodeJpegDcImage's result.
    jpeg::DcImageStatus Decode(jpeg::JpegDecoder& decoder, std::span<const uint8_t> bytes);
    // One pixel per block into `picture`, which must be blocksWide x blocksHigh.
    void ConvertToPicture(const jpeg::JpegDecoder& decoder, Picture& picture) const;
    // Blocks whose luma differs from `previous`'s by more than threshold.
    int64_t CountChangedBlocks(const DcImage& previous, int threshold) const;

    int blocksWide = 0;
    int blocksHigh = 0;
    std::vector<int32_t> luma, cb, cr;
};

// One frame of a walk in DC form.
struct DcFrame {
    int frame = 0;
    bool readable = false;  // fetched and decoded whole: see DecodeDcFrame
    DcImage image;
};

// Compares each frame of a walk with the last good frame before it.
class MotionComparer {
public:
    MotionComparer() = default;
    // Planes for frames of width x height; throws std::bad_alloc.
    MotionComparer(int width, int height) : previous_(width, height), current_(width, height) {}

    // The blocks whose luma changed by more than threshold since the last
    // good frame; -1 when the frame cannot be compared: it is unreadable
    // (and left out), or the first good one. A good frame's planes are
    // taken over, the frame gets others of the same size back.
    int64_t Compare(DcFrame& frame, int threshold);

    // The last good frame.
    const DcImage& current() const { return current_; }

private:
    DcImage previous_;
    DcImage current_;
    bool haveReference_ = false;
};

// Fetches frame into fetchBuffer (which must be as large as the
// recording's frame buffer, so that the same frames fit) and DC-decodes it
// into image. True when the frame was read, its blocks were all decoded, and
// it brings its own tables: then the image depends on this frame alone,
// whatever the decoder decoded before. Otherwise the image is left partly
// written and must not be used.
bool DecodeDcFrame(Recording& recording, jpeg::JpegDecoder& decoder, int frame, std::span<uint8_t> fetchBuffer,
                   DcImage& image);

}  // namespace vn::avi
