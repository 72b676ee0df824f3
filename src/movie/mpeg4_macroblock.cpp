// The macroblock layer: type and coded-block pattern, DQUANT, the motion
// vector with its prediction, the six blocks, intra DC prediction, and the
// hand-over to reconstruction.
#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>

#include "movie/dc_prediction.h"
#include "movie/dequant.h"
#include "movie/motion_comp.h"
#include "movie/mpeg4_decoder.h"
#include "movie/mpeg4_idct.h"
#include "movie/vlc_reader.h"

namespace vn::mpeg4 {

namespace {

// Macroblock types besides plain inter (0).
constexpr int kTypeInterQ = 1, kTypeInter4V = 2, kTypeIntra = 3, kTypeIntraQ = 4;
constexpr int kDquant[4] = {-1, -2, 1, 2};
// The coded-block mask of all six blocks: Y0 in bit 5 down to Cr in bit 0.
constexpr int kAllBlocks = 0x3F;
// Quantised DC values are kept in this range, so a damaged stream's
// predictions cannot run away.
constexpr int kMinQuantisedDc = -2048, kMaxQuantisedDc = 2047;

int Median(int a, int b, int c) { return std::max(std::min(a, b), std::min(std::max(a, b), c)); }

// f(i) for each block i whose bit is set in the coded-block mask, Y0 first.
template <typename F>
void ForEachBlock(int mask, F&& f) {
    for (; mask != 0; mask &= mask - 1) f(5 - std::countr_zero(static_cast<unsigned>(mask)));
}

}  // namespace

bool Mpeg4Decoder::ReadMacroblockType(MacroblockBits& bits, int& type, int& cbpc) {
    const bool intraVop = vopCodingType_ == 0;
    const VlcTable& table = intraVop ? kMcbpcIntraVlc : kMcbpcInterVlc;
    const int stuffing = intraVop ? kMcbpcIntraStuffing : kMcbpcInterStuffing;
    int symbol = stuffing;
    while (symbol == stuffing) {
        if (bits.Vlc(table, symbol) != VlcResult::kMatch) return false;
    }
    if (intraVop) {
        type = symbol % 4 == 1 ? kTypeIntra : kTypeIntraQ;
        cbpc = symbol / 4;
    } else {
        type = symbol % 8;
        cbpc = symbol / 8;
    }
    return true;
}

bool Mpeg4Decoder::ReadVectorDifference(MacroblockBits& bits, int& difference) {
    int magnitude = 0;
    if (bits.Vlc(kMvdVlc, magnitude) != VlcResult::kMatch) return false;
    difference = 0;
    if (magnitude == 0) return true;
    uint32_t negative = 0;
    if (!bits.Bits(1, negative)) return false;
    const int rSize = fcodeForward_ - 1;
    uint32_t residual = 0;
    if (rSize > 0 && !bits.Bits(rSize, residual)) return false;
    difference = fcodeForward_ == 1 ? magnitude : ((magnitude - 1) << rSize) + static_cast<int>(residual) + 1;
    if (negative) difference = -difference;
    return true;
}

bool Mpeg4Decoder::DecodeMotionVector(MacroblockBits& bits, int column, int& x, int& y) {
    int dx = 0, dy = 0;
    if (!ReadVectorDifference(bits, dx) || !ReadVectorDifference(bits, dy)) return false;
    // Left, above, above-right; column 0 has no left neighbour, and the row
    // keeps the unavailable mark above row 0 and right of the last column.
    static const MotionVector kNone{};
    const MotionVector* candidates[3] = {column > 0 ? &vectorRow_[column - 1] : &kNone, &vectorRow_[column],
                                         &vectorRow_[column + 1]};
    int available = 0;
    const MotionVector* only = &kNone;
    for (const MotionVector* v : candidates) {
        if (v->available) {
            ++available;
            only = v;
        }
    }
    int px = only->x, py = only->y;
    if (available >= 2) {
        // An unavailable candidate counts as (0, 0).
        px = Median(candidates[0]->x, candidates[1]->x, candidates[2]->x);
        py = Median(candidates[0]->y, candidates[1]->y, candidates[2]->y);
    }
    x = dx + px;
    y = dy + py;
    vectorRow_[column] = {x, y, true};
    return true;
}

void Mpeg4Decoder::UpdateDcPredictors(int column, int y1, int y2, int y3, int cb, int cr) {
    const int c = column;
    dcLumaAbove_[2 * c] = dcLumaLeft_[1];
    dcLumaAbove_[2 * c + 1] = y2;
    dcLumaLeft_[0] = y1;
    dcLumaLeft_[1] = y3;
    const int chroma[2] = {cb, cr};
    for (int i = 0; i < 2; ++i) {
        dcChromaAbove_[i][c] = dcChromaLeft_[i];
        dcChromaLeft_[i] = chroma[i];
    }
    if (c == mbColumns_ - 1) {
        dcLumaAbove_[2 * c + 2] = y3;
        dcChromaAbove_[0][c + 1] = cb;
        dcChromaAbove_[1][c + 1] = cr;
    }
}

void Mpeg4Decoder::PredictIntraDc(int column) {
    const QuantiserScales& scales = ScalesForQuantiser(runningQuantiser_);
    const int* above = dcLumaAbove_.data() + 2 * column;
    DcNeighbour dc[6];
    auto settle = [&](int block, int prediction, int scaler) {
        const int quantised = std::clamp(blocks_[block].quantisedDc + prediction, kMinQuantisedDc, kMaxQuantisedDc);
        blocks_[block].quantisedDc = quantised;
        dc[block] = {quantised * scaler, quantised, true};
    };
    const int ls = scales.lumaDcScaler;
    const DcNeighbour left0{dcLumaLeft_[0]}, left1{dcLumaLeft_[1]};
    settle(0, PredictDc(left0, above[0], DcNeighbour{above[1]}, ls), ls);
    settle(1, PredictDc(dc[0], above[1], DcNeighbour{above[2]}, ls), ls);
    settle(2, PredictDc(left1, dcLumaLeft_[0], dc[0], ls), ls);
    settle(3, PredictDc(dc[2], dc[0].reconstructed, dc[1], ls), ls);
    const int cs = scales.chromaDcScaler;
    for (int i = 0; i < 2; ++i) {
        const DcNeighbour left{dcChromaLeft_[i]};
        settle(4 + i, PredictDc(left, dcChromaAbove_[i][column], DcNeighbour{dcChromaAbove_[i][column + 1]}, cs), cs);
    }
    UpdateDcPredictors(column, dc[1].reconstructed, dc[2].reconstructed, dc[3].reconstructed, dc[4].reconstructed,
                       dc[5].reconstructed);
}

bool Mpeg4Decoder::DecodeMacroblock(StreamWindow& stream, int row, int column) {
    MacroblockBits bits(stream);
    const bool predicted = vopCodingType_ == 1;
    if (predicted) {
        uint32_t notCoded = 0;
        if (!bits.Bits(1, notCoded)) return false;
        if (notCoded) {
            vectorRow_[column] = {0, 0, true};
            UpdateDcPredictors(column, kNoDc, kNoDc, kNoDc, kNoDc, kNoDc);
            Reconstruct(row, column, false, 0, 0, 0);
            return true;
        }
    }
    int type = 0, cbpc = 0;
    if (!ReadMacroblockType(bits, type, cbpc)) return false;
    // Four vectors per macroblock are outside the subset.
    if (type == kTypeInter4V) return false;
    const bool intra = type == kTypeIntra || type == kTypeIntraQ;
    uint32_t acPrediction = 0;
    if (intra && !bits.Bits(1, acPrediction)) return false;  // never applied
    int cbpy = 0;
    if (bits.Vlc(kCbpyVlc, cbpy) != VlcResult::kMatch) return false;
    if (!intra) cbpy = 15 - cbpy;
    if (type == kTypeInterQ || type == kTypeIntraQ) {
        uint32_t dquant = 0;
        if (!bits.Bits(2, dquant)) return false;
        // Kept to the quantisers the syntax allows.
        runningQuantiser_ = std::clamp(runningQuantiser_ + kDquant[dquant], 1, kMaxQuantiser);
    }
    int x = 0, y = 0;
    if (predicted) {
        if (intra) {
            vectorRow_[column] = {0, 0, true};
        } else if (!DecodeMotionVector(bits, column, x, y)) {
            return false;
        }
    }
    const int codedBlocks = cbpy << 2 | cbpc;  // Y0 Y1 Y2 Y3 Cb Cr, Y0 highest
    BlockCoding coding;
    coding.intra = intra;
    coding.useDcCode = runningQuantiser_ < intraDcThreshold_;
    coding.scales = &ScalesForQuantiser(runningQuantiser_);
    // An inter block without coefficients has nothing to read.
    const bool readAll = intra && coding.useDcCode;
    for (int i = 0; i < 6; ++i) {
        blocks_[i].StartBlock();
        coding.luma = i < 4;
        coding.coded = (codedBlocks >> (5 - i)) & 1;
        if ((coding.coded || readAll) && !DecodeBlock(bits, coding, blocks_[i])) return false;
    }
    if (intra) {
        PredictIntraDc(column);
    } else {
        UpdateDcPredictors(column, kNoDc, kNoDc, kNoDc, kNoDc, kNoDc);
    }
    Reconstruct(row, column, intra, codedBlocks, x, y);
    return true;
}

void Mpeg4Decoder::Reconstruct(int row, int column, bool intra, int codedBlocks, int x, int y) {
    Planes& target = current();
    const int lumaStride = codedWidth_;
    const int chromaStride = codedWidth_ / 2;
    uint8_t* luma = target.y.data() + (16 * row) * lumaStride + 16 * column;
    const size_t chromaOffset = static_cast<size_t>(8 * row) * chromaStride + 8 * column;
    uint8_t* destination[6] = {luma,
                               luma + 8,
                               luma + 8 * lumaStride,
                               luma + 8 * lumaStride + 8,
                               target.cb.data() + chromaOffset,
                               target.cr.data() + chromaOffset};
    // An inter block without coefficients adds nothing: its only non-zero
    // value, the mismatch bit at position 63, vanishes in the inverse DCT's
    // rounding. The blocks to do are taken straight from the mask.
    const int toDo = intra ? kAllBlocks : codedBlocks;
    // Dequantisation is finished first: the prediction in between gives the
    // last narrow stores time to land before the transform loads whole rows.
    const QuantiserScales& scales = ScalesForQuantiser(runningQuantiser_);
    ForEachBlock(toDo, [&](int i) {
        if (intra) SetIntraDc(blocks_[i], blocks_[i].quantisedDc, i < 4 ? scales.lumaDcScaler : scales.chromaDcScaler);
        FinishDequantisation(blocks_[i]);
    });
    if (!intra) {
        const MacroblockPlace place{column, row, mbColumns_, mbRows_};
        PredictMacroblock(referencePicture(), place, x, y, destination[0], destination[4], destination[5]);
    }
    ForEachBlock(toDo, [&](int i) {
        const int stride = i < 4 ? lumaStride : chromaStride;
        if (intra) {
            InverseDctPut(blocks_[i].value, blocks_[i].dcOnly(), destination[i], stride);
        } else {
            InverseDctAdd(blocks_[i].value, blocks_[i].dcOnly(), destination[i], stride);
        }
    });
    if (g_bForceBW) {
        for (int r = 0; r < 8; ++r) {
            std::memset(destination[4] + r * chromaStride, 128, 8);
            std::memset(destination[5] + r * chromaStride, 128, 8);
        }
    }
}

}  // namespace vn::mpeg4
