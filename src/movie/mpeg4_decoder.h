// The decoder for the cameras' MPEG-4 visual subset: rectangular,
// progressive, 8-bit, I and P VOPs with one vector per macroblock, no
// resync markers, no data partitioning, no AC prediction. One instance holds
// the stream parameters, the picture buffers and the prediction state.
//
// Use: ParseStreamHeaders once after opening, AllocatePictureBuffers with
// width() and height(); then for each VOP start code SwapPictures,
// DecodeVop and, when that succeeded, ConvertForDisplay.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "common/picture.h"
#include "movie/dc_prediction.h"
#include "movie/mpeg4_block.h"
#include "movie/stream_window.h"
#include "movie/yuv_planes.h"

namespace vn::mpeg4 {

// Widest picture whose VOPs are decoded (80 macroblocks).
constexpr int kMaxPictureWidth = 1280;

class Mpeg4Decoder {
public:
    Mpeg4Decoder();
    ~Mpeg4Decoder();
    Mpeg4Decoder(const Mpeg4Decoder&) = delete;
    Mpeg4Decoder& operator=(const Mpeg4Decoder&) = delete;

    // Visual object sequence, visual object, video object and video object
    // layer headers, each checked against the subset. On success the reader
    // is byte-aligned after the layer header and the stream parameters are
    // set; false on any failed read or check.
    bool ParseStreamHeaders(StreamWindow& stream);
    // Group-of-VOP header (start code, time code, closed_gov, broken_link);
    // the values are not used.
    bool ParseGovHeader(StreamWindow& stream);

    // Sizes the two pictures and the post-filter copy to whole macroblocks
    // of width x height, zero-filled. False (and no buffers) when the size is
    // empty, wider than kMaxPictureWidth, or memory is short.
    bool AllocatePictureBuffers(int width, int height);
    // The current picture becomes the reference and the other one current.
    void SwapPictures();

    // Decodes the VOP at the reader's position into the current picture.
    // Returns the offset of the first byte after the VOP (its stuffing
    // included) in 1024-byte units, or nothing on any failure: a failed read
    // or check, vop_coded 0, a B-VOP, a four-vector macroblock, no buffers.
    std::optional<int> DecodeVop(StreamWindow& stream);

    // Running quantiser after the last VOP (DQUANT included).
    int runningQuantiser() const { return runningQuantiser_; }
    // 0 = I, 1 = P, 2 = B of the last VOP header read.
    int vopCodingType() const { return vopCodingType_; }

    // Filters a copy of the current picture per g_nDeblockMethod (0 none,
    // 1 low-pass, 2 deblocking) and converts it into rows 0..height()-1 of
    // the picture (only as far as the picture reaches). The reference is
    // never filtered.
    void ConvertForDisplay(Picture& picture);

    YuvPlanes currentPicture() const;
    YuvPlanes referencePicture() const;

    int width() const { return width_; }
    int height() const { return height_; }
    int timeIncrementResolution() const { return timeIncrementResolution_; }
    int timeIncrementBits() const { return timeIncrementBits_; }

    // Post-filter mode: 0 none, 1 buffer-wide low-pass, 2 deblocking filter.
    int g_nDeblockMethod = 2;
    // Writes every chroma sample as 128 while on.
    bool g_bForceBW = false;

private:
    struct Planes {
        std::vector<uint8_t> y, cb, cr;
    };
    struct MotionVector {
        int x = 0;
        int y = 0;
        bool available = false;
    };

    static constexpr int kNoDc = kNoDcNeighbour;

    void ReleasePictureBuffers();
    bool ParseVopHeader(StreamWindow& stream);
    void ResetPrediction();
    bool DecodeMacroblock(StreamWindow& stream, int row, int column);
    bool ReadMacroblockType(MacroblockBits& bits, int& type, int& cbpc);
    bool DecodeMotionVector(MacroblockBits& bits, int column, int& x, int& y);
    bool ReadVectorDifference(MacroblockBits& bits, int& difference);
    void PredictIntraDc(int column);
    void UpdateDcPredictors(int column, int y1, int y2, int y3, int cb, int cr);
    void Reconstruct(int row, int column, bool intra, int codedBlocks, int x, int y);
    Planes& current() { return pictures_[current_]; }
    YuvPlanes ViewOf(const Planes& planes) const;

    // Stream parameters.
    int width_ = 0;
    int height_ = 0;
    int mbColumns_ = 0;
    int mbRows_ = 0;
    int timeIncrementResolution_ = 0;
    int timeIncrementBits_ = 0;

    // Picture buffers, sized to whole macroblocks.
    int codedWidth_ = 0;
    int codedHeight_ = 0;
    Planes pictures_[2];
    int current_ = 0;
    Planes postFilter_;

    // VOP header.
    int vopCodingType_ = 0;
    int intraDcThreshold_ = 0;  // the DC size code is used below this quantiser
    int runningQuantiser_ = 0;
    int fcodeForward_ = 1;

    // Prediction state, reset per VOP. The vector row holds, from the current
    // column on, the vectors of the macroblock row above.
    std::vector<MotionVector> vectorRow_;  // columns + 1
    // Reconstructed DC values (quantised DC x scaler) of the neighbours:
    // luma above (T: 2 x columns + 2), luma left (L0, L1), chroma above
    // (R: columns + 1 per component) and chroma left (LC).
    std::vector<int> dcLumaAbove_;
    int dcLumaLeft_[2] = {};
    std::vector<int> dcChromaAbove_[2];
    int dcChromaLeft_[2] = {};

    // The macroblock being decoded: its six blocks (Y0..Y3, Cb, Cr).
    DequantisedBlock blocks_[6];
};

}  // namespace vn::mpeg4
