#include <gtest/gtest.h>

#include <vector>

#include "decode/jpeg_decoder.h"
#include "jpeg_test_support.h"

namespace vn::jpeg {
namespace {

using test::BitWriter;

struct DcImage {
    std::vector<int32_t> luma, cb, cr;
    DcImageStatus result;
    bool complete = false;
};

DcImage DecodeDc(const std::vector<uint8_t>& frame, int blocksWide, int blocksHigh) {
    JpegDecoder decoder;
    decoder.debugOutput = [](std::string_view) {};
    const size_t chroma = static_cast<size_t>((blocksWide + 1) / 2) * ((blocksHigh + 1) / 2);
    DcImage image{std::vector<int32_t>(static_cast<size_t>(blocksWide) * blocksHigh, -1),
                  std::vector<int32_t>(chroma, -1), std::vector<int32_t>(chroma, -1), DcImageStatus::kDecoded};
    image.result =
        decoder.DecodeJpegDcImage(frame, image.luma.data(), image.cb.data(), image.cr.data(), blocksWide, blocksHigh);
    image.complete = decoder.scanComplete;
    return image;
}

TEST(DcImage, LumaIsTheClampedBlockMean) {
    BitWriter bits;
    test::PutDcOnlyMcu(bits, {0, 8, -16, 108}, 0, 0);  // predictors 0, 8, -8, 100
    const DcImage image = DecodeDc(test::MakeFrame({.lumaDcQuantiser = 16}, bits.Finish()), 2, 2);
    EXPECT_EQ(image.result, DcImageStatus::kDecoded);
    EXPECT_TRUE(image.complete);
    EXPECT_EQ(image.luma, (std::vector<int32_t>{128, 144, 112, 255}));
}

TEST(DcImage, ChromaIsSignedAndTruncatesTowardsZero) {
    BitWriter bits;
    test::PutDcOnlyMcu(bits, {0, 0, 0, 0}, -5, 7);
    const DcImage image = DecodeDc(test::MakeFrame({.chromaDcQuantiser = 3}, bits.Finish()), 2, 2);
    EXPECT_EQ(image.cb[0], -1);  // -15 / 8
    EXPECT_EQ(image.cr[0], 2);   // 21 / 8
}

// A 24 x 24 frame has 3 x 3 blocks in 2 x 2 MCUs: the blocks of the fourth
// row and column are decoded but have no place in the image.
TEST(DcImage, OddGridStoresOnlyItsOwnBlocks) {
    BitWriter bits;
    for (int mcu = 0; mcu < 4; ++mcu) test::PutDcOnlyMcu(bits, {1, 1, 1, 1}, mcu + 1, -1);
    const DcImage image =
        DecodeDc(test::MakeFrame({.width = 24, .height = 24, .lumaDcQuantiser = 8}, bits.Finish()), 3, 3);
    // Predictor after block b of MCU m is 4m + b + 1; Q0 = 8 makes it the mean.
    EXPECT_EQ(image.luma, (std::vector<int32_t>{129, 130, 133, 131, 132, 135, 137, 138, 141}));
    EXPECT_EQ(image.cb, (std::vector<int32_t>{2, 6, 12, 20}));  // 16 x (1, 3, 6, 10) / 8
    EXPECT_EQ(image.cr, (std::vector<int32_t>{-2, -4, -6, -8}));
}

TEST(DcImage, SizesOfTwelveAndMorePassThroughUnextended) {
    // One code, "0", for size 12.
    std::vector<uint8_t> table(16, 0);
    table[0] = 1;
    table.push_back(12);
    BitWriter bits;
    for (int b = 0; b < 4; ++b) {
        bits.Put("0");
        bits.Put(5, 12);  // EXTEND would make this 5 - 4095
        bits.Put(test::kLumaEob);
    }
    test::PutDc(bits, 1, 0);
    bits.Put(test::kChromaEob);
    test::PutDc(bits, 1, 0);
    bits.Put(test::kChromaEob);
    const DcImage image = DecodeDc(test::MakeFrame({.lumaDcQuantiser = 8, .lumaDcTable = table}, bits.Finish()), 2, 2);
    EXPECT_EQ(image.luma, (std::vector<int32_t>{133, 138, 143, 148}));
}

TEST(DcImage, DamageEndsTheLoopButNotTheResult) {
    BitWriter bits;
    test::PutDcOnlyMcu(bits, {4, 4, 4, 4}, 0, 0);
    std::vector<uint8_t> entropy = bits.Finish();
    const std::vector<uint8_t> frame = test::MakeFrame({.width = 32, .lumaDcQuantiser = 8}, entropy);
    const DcImage image = DecodeDc(frame, 4, 2);
    EXPECT_EQ(image.result, DcImageStatus::kDecoded);
    EXPECT_FALSE(image.complete);
    EXPECT_EQ(image.luma[0], 132);
    EXPECT_EQ(image.luma[1], 136);
    EXPECT_EQ(image.luma[4], 140);
    EXPECT_EQ(image.luma[5], 144);
    // The second MCU meets the EOI in its first block, which is still
    // stored (the error is looked at after each block); no block after it.
    EXPECT_NE(image.luma[2], -1);
    EXPECT_EQ(image.luma[3], -1);
    EXPECT_EQ(image.luma[6], -1);
    EXPECT_EQ(image.luma[7], -1);
}

TEST(DcImage, RefusesFramesWithoutScanOrOutput) {
    const std::vector<uint8_t> notJpeg = {0x00, 0x01, 0x02};
    EXPECT_EQ(DecodeDc(notJpeg, 2, 2).result, DcImageStatus::kNoScan);
    JpegDecoder decoder;
    BitWriter bits;
    test::PutDcOnlyMcu(bits, {0, 0, 0, 0}, 0, 0);
    EXPECT_EQ(decoder.DecodeJpegDcImage(test::MakeFrame({}, bits.Finish()), nullptr, nullptr, nullptr, 2, 2),
              DcImageStatus::kNoScan);
}

}  // namespace
}  // namespace vn::jpeg
