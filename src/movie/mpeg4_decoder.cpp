// The decoder's buffers and the VOP-level flow: header, macroblock loop,
// the position after the VOP, display conversion.
#include "movie/mpeg4_decoder.h"

#include <algorithm>
#include <new>

#include "decode/deblock.h"
#include "movie/mpeg4_colour.h"
#include "movie/post_filter.h"
#include "movie/start_codes.h"

namespace vn::mpeg4 {

namespace {
constexpr int kMaxPictureHeight = 8191;  // the largest 13-bit header value
}  // namespace

Mpeg4Decoder::Mpeg4Decoder() = default;
Mpeg4Decoder::~Mpeg4Decoder() = default;

void Mpeg4Decoder::ReleasePictureBuffers() {
    for (Planes* planes : {&pictures_[0], &pictures_[1], &postFilter_}) *planes = Planes{};
    codedWidth_ = codedHeight_ = 0;
}

bool Mpeg4Decoder::AllocatePictureBuffers(int width, int height) {
    ReleasePictureBuffers();
    // Pictures wider than the decoder supports get no buffers at all.
    if (width <= 0 || height <= 0 || width > kMaxPictureWidth || height > kMaxPictureHeight) {
        return false;
    }
    const int codedWidth = (width + 15) / 16 * 16;
    const int codedHeight = (height + 15) / 16 * 16;
    const size_t luma = static_cast<size_t>(codedWidth) * codedHeight;
    try {
        for (Planes* planes : {&pictures_[0], &pictures_[1], &postFilter_}) {
            planes->y.assign(luma, 0);
            planes->cb.assign(luma / 4, 0);
            planes->cr.assign(luma / 4, 0);
        }
    } catch (const std::bad_alloc&) {
        ReleasePictureBuffers();
        return false;
    }
    codedWidth_ = codedWidth;
    codedHeight_ = codedHeight;
    current_ = 0;
    return true;
}

void Mpeg4Decoder::SwapPictures() { current_ ^= 1; }

YuvPlanes Mpeg4Decoder::ViewOf(const Planes& planes) const {
    return {planes.y.data(), planes.cb.data(), planes.cr.data(), codedWidth_, codedWidth_ / 2, codedHeight_};
}

YuvPlanes Mpeg4Decoder::currentPicture() const { return ViewOf(pictures_[current_]); }
YuvPlanes Mpeg4Decoder::referencePicture() const { return ViewOf(pictures_[current_ ^ 1]); }

void Mpeg4Decoder::ResetPrediction() {
    // A VOP that failed may have left a block half read.
    for (DequantisedBlock& block : blocks_) block.ClearValues();
    vectorRow_.assign(mbColumns_ + 1, MotionVector{});
    dcLumaAbove_.assign(2 * mbColumns_ + 2, kNoDc);
    for (auto& row : dcChromaAbove_) row.assign(mbColumns_ + 1, kNoDc);
}

std::optional<int> Mpeg4Decoder::DecodeVop(StreamWindow& stream) {
    if (!ParseVopHeader(stream)) return std::nullopt;
    // B-VOPs are outside the subset; a P-VOP needs an f_code of 1 to 7.
    if (vopCodingType_ > 1 || (vopCodingType_ == 1 && fcodeForward_ == 0)) return std::nullopt;
    // The picture buffers must be the stream's, whole macroblocks.
    if (codedWidth_ == 0 || codedWidth_ != 16 * mbColumns_ || codedHeight_ != 16 * mbRows_) {
        return std::nullopt;
    }
    ResetPrediction();
    for (int row = 0; row < mbRows_; ++row) {
        dcLumaLeft_[0] = dcLumaLeft_[1] = kNoDc;
        dcChromaLeft_[0] = dcChromaLeft_[1] = kNoDc;
        for (int column = 0; column < mbColumns_; ++column) {
            if (!DecodeMacroblock(stream, row, column)) return std::nullopt;
        }
    }
    stream.ByteAlign();
    return static_cast<int>(stream.position() / kPositionUnit);
}

void Mpeg4Decoder::ConvertForDisplay(Picture& picture) {
    const Planes& decoded = pictures_[current_];
    if (decoded.y.empty()) return;
    const int width = std::min(width_, codedWidth_);
    const int height = std::min(height_, codedHeight_);
    const Planes* shown = &decoded;
    if (g_nDeblockMethod != 0) {
        // Filter a copy: the decoded picture is the next reference.
        postFilter_.y = decoded.y;
        postFilter_.cb = decoded.cb;
        postFilter_.cr = decoded.cr;
        const int chromaStride = codedWidth_ / 2;
        if (g_nDeblockMethod == 1) {
            LowPassPlane(postFilter_.y.data(), width, height, codedWidth_);
            LowPassPlane(postFilter_.cb.data(), width / 2, height / 2, chromaStride);
            LowPassPlane(postFilter_.cr.data(), width / 2, height / 2, chromaStride);
        } else if (g_nDeblockMethod == 2) {
            deblock::DeblockPicture(postFilter_.y.data(), postFilter_.cb.data(), postFilter_.cr.data(), width, height,
                                    codedWidth_, chromaStride, runningQuantiser_);
        }
        shown = &postFilter_;
    }
    ConvertYuvToBgr(ViewOf(*shown), width, height, picture);
}

}  // namespace vn::mpeg4
