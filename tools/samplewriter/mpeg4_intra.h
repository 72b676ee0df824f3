// A small MPEG-4 encoder for sample movies, written over the decoder's own
// code tables: intra pictures (DC and AC coefficients at a fixed quantiser,
// DC size codes, no AC prediction) and predicted pictures whose macroblocks
// are all skipped, so that they repeat their reference exactly.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "samplewriter/bit_writer.h"

namespace vn::samples {

// A 4:2:0 picture: luma width x height, each chroma plane
// ((width + 1) / 2) x ((height + 1) / 2), rows top first, unpadded.
struct YuvPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> y, cb, cr;

    int chromaWidth() const { return (width + 1) / 2; }
    int chromaHeight() const { return (height + 1) / 2; }
};

// The picture of packed RGB pixels (3 bytes each, top row first) in
// ITU-R BT.601 studio range; each chroma sample is the mean of its 2 x 2
// pixels.
YuvPicture YuvFromRgb(std::span<const uint8_t> rgb, int width, int height);
// One colour everywhere.
YuvPicture FlatPicture(int width, int height, uint8_t y, uint8_t cb, uint8_t cr);

// The macroblocks of an I-VOP whose header (coding type 0, intra_dc_vlc_thr
// 0, vop_quant = quantiser) was just written. Pictures that do not fill
// whole macroblocks are extended with their last row and column.
void WriteIntraMacroblocks(BitWriter& w, const YuvPicture& picture, int quantiser);

// The macroblocks of a P-VOP of a width x height stream, every one not coded.
void WriteNotCodedMacroblocks(BitWriter& w, int width, int height);

}  // namespace vn::samples
