// Whole VOPs through the decoder: header checks, the macroblock layer, DC
// and vector prediction, and what the pictures hold afterwards.
#include <gtest/gtest.h>

#include <cstring>

#include "movie/decoder_fixture.h"

namespace vn::mpeg4 {
namespace {

using samples::VopFields;
using test::DecoderTest;

VopFields Vop(uint32_t codingType, uint32_t quant = 8, uint32_t threshold = 0) {
    VopFields f;
    f.codingType = codingType;
    f.quant = quant;
    f.intraDcVlcThr = threshold;
    return f;
}

// An I-VOP macroblock without coefficients: DC size codes only, luma DC
// differences -3, 0, 0, 0 and chroma -5, -5.
void FlatIntraMacroblock(samples::BitWriter& w) {
    w.Code("1 0 0011");            // MCBPC intra CBPC 0, ac_pred_flag, CBPY 0
    w.Code("10 00  011 011 011");  // luma DC sizes 2 (v = 0) and 0
    w.Code("001 010  001 010");    // chroma DC size 3, v = 2
}

bool AllEqual(const uint8_t* plane, int stride, int width, int height, uint8_t value) {
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            if (plane[r * stride + c] != value) return false;
        }
    }
    return true;
}

TEST_F(DecoderTest, IntraDcIsPredictedFromNeighboursAndTheSameMacroblock) {
    layer.width = layer.height = 16;
    WriteHeaders();
    WriteVopHeader(w, Vop(0, 12, 1));  // threshold 13: QP 12 uses the DC size codes
    FlatIntraMacroblock(w);
    w.AlignWithStuffing();
    ASSERT_TRUE(Open());
    ASSERT_EQ(DecodeNext(), 0);
    // Luma: (1024 + 10) / 20 - 3 = 48, x 20 = 960; chroma (1024 + 6) / 12 - 5
    // = 80, x 12 = 960; the other blocks take their quantised DC as it is.
    const YuvPlanes p = decoder.currentPicture();
    EXPECT_TRUE(AllEqual(p.y, p.lumaStride, 16, 16, 120));
    EXPECT_TRUE(AllEqual(p.cb, p.chromaStride, 8, 8, 120));
    EXPECT_TRUE(AllEqual(p.cr, p.chromaStride, 8, 8, 120));
    EXPECT_EQ(decoder.runningQuantiser(), 12);
    EXPECT_EQ(decoder.vopCodingType(), 0);
}

TEST_F(DecoderTest, AtTheThresholdTheDcIsTheFirstTcoefEvent) {
    layer.width = layer.height = 16;
    WriteHeaders();
    WriteVopHeader(w, Vop(0, 13, 1));
    w.Code("011 0 00010");    // MCBPC intra CBPC 3, ac_pred_flag, CBPY: Y0 coded
    w.Code("0111 1");         // Y0: last, run 0, level -1
    w.Code("0111 0 0111 0");  // Cb, Cr: level +1
    w.AlignWithStuffing();
    // The same, quantiser 12 plus DQUANT +1 in the macroblock.
    WriteVopHeader(w, Vop(0, 12, 1));
    w.Code("000011 0 00010 10");
    w.Code("0111 1 0111 0 0111 0");
    w.AlignWithStuffing();
    ASSERT_TRUE(Open());
    for (int vop = 0; vop < 2; ++vop) {
        ASSERT_EQ(DecodeNext(), 0) << vop;
        // Luma (1024 + 10) / 21 - 1 = 48, x 21 = 1008; chroma 79 + 1 = 80, x 13.
        const YuvPlanes p = decoder.currentPicture();
        EXPECT_TRUE(AllEqual(p.y, p.lumaStride, 16, 16, 126)) << vop;
        EXPECT_TRUE(AllEqual(p.cb, p.chromaStride, 8, 8, 130)) << vop;
        EXPECT_EQ(decoder.runningQuantiser(), 13);
    }
}

TEST_F(DecoderTest, StuffingBeforeTheMacroblockTypeIsSkipped) {
    layer.width = layer.height = 16;
    WriteHeaders();
    WriteVopHeader(w, Vop(0, 12, 1));
    w.Code("000000001 000000001");
    FlatIntraMacroblock(w);
    w.AlignWithStuffing();
    ASSERT_TRUE(Open());
    ASSERT_EQ(DecodeNext(), 0);
    EXPECT_EQ(Y(15, 15), 120);
}

// A 48 x 32 I-VOP whose luma blocks differ, made of DC size codes.
void PatternIntraVop(samples::BitWriter& w) {
    WriteVopHeader(w, Vop(0, 12, 1));
    const char* dcs[6] = {"10 00", "10 11", "11 1", "010 000", "11 0", "10 10"};
    for (int mb = 0; mb < 6; ++mb) {
        w.Code("1 0 0011");
        for (int b = 0; b < 4; ++b) w.Code(dcs[(mb + b) % 6]);
        w.Code("11 11");  // chroma DC size 0
    }
    w.AlignWithStuffing();
}

TEST_F(DecoderTest, PVopOfSkippedMacroblocksReproducesTheReference) {
    layer.width = 48;
    WriteHeaders();
    PatternIntraVop(w);
    WriteVopHeader(w, Vop(1));
    w.Code("1 1 1 1 1 1");
    w.AlignWithStuffing();
    ASSERT_TRUE(Open());
    ASSERT_EQ(DecodeNext(), 0);
    ASSERT_EQ(DecodeNext(), 0);
    const YuvPlanes now = decoder.currentPicture(), before = decoder.referencePicture();
    ASSERT_NE(now.y, before.y);
    EXPECT_EQ(std::memcmp(now.y, before.y, 48 * 32), 0);
    EXPECT_EQ(std::memcmp(now.cb, before.cb, 24 * 16), 0);
    EXPECT_EQ(std::memcmp(now.cr, before.cr, 24 * 16), 0);
    EXPECT_NE(Y(0, 0), Y(8, 0));  // the picture is not flat
}

TEST_F(DecoderTest, VectorsArePredictedFromLeftAboveAndAboveRight) {
    layer.width = 48;
    WriteHeaders();
    PatternIntraVop(w);
    WriteVopHeader(w, Vop(1));
    const char* inter = "0 1 11";              // coded, MCBPC inter CBPC 0, CBPY none
    w.Code(inter), w.Code("0000001100 0  1");  // (16, 0): nothing to predict from
    w.Code(inter), w.Code("1 1");              // left only: (16, 0)
    w.Code(inter), w.Code("1 1");              // (16, 0), zeroed in the last column
    w.Code(inter), w.Code("1 1");              // median(0, 16, 16): (16, 0)
    w.Code(inter), w.Code("000001011 1  1");   // median 16 - 8: (8, 0)
    w.Code("1");                               // skipped
    w.AlignWithStuffing();
    ASSERT_TRUE(Open());
    ASSERT_EQ(DecodeNext(), 0);
    ASSERT_EQ(DecodeNext(), 0);
    const YuvPlanes ref = decoder.referencePicture();
    auto refY = [&](int x, int y) { return ref.y[y * ref.lumaStride + x]; };
    ASSERT_NE(refY(8, 0), refY(0, 0));
    ASSERT_NE(refY(24, 16), refY(16, 16));
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) {
            ASSERT_EQ(Y(c, r), refY(c + 8, r)) << c << "," << r;
            ASSERT_EQ(Y(16 + c, r), refY(24 + c, r));
            ASSERT_EQ(Y(32 + c, r), refY(32 + c, r));
            ASSERT_EQ(Y(c, 16 + r), refY(c + 8, 16 + r));
            ASSERT_EQ(Y(16 + c, 16 + r), refY(20 + c, 16 + r));
            ASSERT_EQ(Y(32 + c, 16 + r), refY(32 + c, 16 + r));
        }
    }
    EXPECT_EQ(Cb(8, 8), ref.cb[8 * ref.chromaStride + 10]);
}

TEST_F(DecoderTest, VopsOutsideTheSubsetFailAndTheNextOneDecodes) {
    layer.width = layer.height = 16;
    WriteHeaders();
    VopFields notCoded = Vop(0);
    notCoded.vopCoded = 0;
    WriteVopHeader(w, notCoded);
    w.AlignWithStuffing();
    WriteVopHeader(w, Vop(2));  // B-VOP
    w.Code("1");
    w.AlignWithStuffing();
    WriteVopHeader(w, Vop(3));  // sprite VOP
    w.AlignWithStuffing();
    WriteVopHeader(w, Vop(1));
    w.Code("0 010 11 1 1");  // a four-vector macroblock
    w.AlignWithStuffing();
    VopFields noFcode = Vop(1);
    noFcode.fcode = 0;
    WriteVopHeader(w, noFcode);
    w.Code("1");
    w.AlignWithStuffing();
    VopFields badMarker = Vop(0, 12, 1);
    badMarker.marker = 0;
    WriteVopHeader(w, badMarker);
    FlatIntraMacroblock(w);
    w.AlignWithStuffing();
    WriteVopHeader(w, Vop(0, 12, 1));
    FlatIntraMacroblock(w);
    w.AlignWithStuffing();
    ASSERT_TRUE(Open());
    for (int i = 0; i < 6; ++i) EXPECT_EQ(DecodeNext(), std::nullopt) << i;
    EXPECT_EQ(DecodeNext(), 0);
    EXPECT_EQ(Y(0, 0), 120);
}

TEST_F(DecoderTest, TruncatedVopFails) {
    layer.width = layer.height = 32;
    WriteHeaders();
    WriteVopHeader(w, Vop(0, 12, 1));
    FlatIntraMacroblock(w);
    FlatIntraMacroblock(w);
    ASSERT_TRUE(Open());
    EXPECT_EQ(DecodeNext(), std::nullopt);
}

TEST_F(DecoderTest, PicturesWiderThan1280AreNotDecoded) {
    layer.width = 1296;
    layer.height = 16;
    WriteHeaders();
    WriteVopHeader(w, Vop(1));
    for (int mb = 0; mb < 81; ++mb) w.Code("1");
    w.AlignWithStuffing();
    ASSERT_TRUE(Open());
    EXPECT_EQ(decoder.width(), 1296);
    EXPECT_FALSE(decoder.AllocatePictureBuffers(1296, 16));
    EXPECT_EQ(DecodeNext(), std::nullopt);
}

TEST_F(DecoderTest, GreySwitchWritesNeutralChromaThatLastsInPredictedPictures) {
    layer.width = layer.height = 16;
    WriteHeaders();
    WriteVopHeader(w, Vop(0, 12, 1));
    FlatIntraMacroblock(w);
    w.AlignWithStuffing();
    WriteVopHeader(w, Vop(1));
    w.Code("1");
    w.AlignWithStuffing();
    ASSERT_TRUE(Open());
    decoder.g_bForceBW = true;
    ASSERT_EQ(DecodeNext(), 0);
    Picture picture(16, 16);
    decoder.ConvertForDisplay(picture);
    EXPECT_EQ(picture.Row(3)[0], 121);  // (104 x 1192) >> 10
    EXPECT_EQ(picture.Row(3)[1], 121);
    EXPECT_EQ(picture.Row(3)[2], 121);
    decoder.g_bForceBW = false;
    ASSERT_EQ(DecodeNext(), 0);
    EXPECT_EQ(Cb(3, 3), 128);
    EXPECT_EQ(Y(3, 3), 120);
}

TEST_F(DecoderTest, DisplayFiltersACopyAndWritesOnlyTheStreamsRows) {
    layer.width = 20;
    layer.height = 20;  // planes of 32 x 32, shown at 20 x 20
    WriteHeaders();
    WriteVopHeader(w, Vop(0, 12, 1));
    for (int mb = 0; mb < 4; ++mb) FlatIntraMacroblock(w);
    w.AlignWithStuffing();
    ASSERT_TRUE(Open());
    ASSERT_EQ(DecodeNext(), 0);
    const std::vector<uint8_t> decoded(decoder.currentPicture().y, decoder.currentPicture().y + 32 * 32);
    for (int mode : {0, 1, 2}) {
        Picture picture(20, 36);  // with a caption band
        std::fill(picture.data(), picture.data() + picture.size_bytes(), 9);
        decoder.g_nDeblockMethod = mode;
        decoder.ConvertForDisplay(picture);
        EXPECT_NE(picture.Row(19)[57], 9) << mode;
        EXPECT_EQ(picture.Row(19)[60], 9) << mode;  // row padding
        EXPECT_EQ(picture.Row(20)[0], 9) << mode;
        EXPECT_EQ(std::vector<uint8_t>(decoder.currentPicture().y, decoder.currentPicture().y + 32 * 32), decoded);
    }
}

}  // namespace
}  // namespace vn::mpeg4
