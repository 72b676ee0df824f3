#include "movie/mpeg4_block.h"

#include <gtest/gtest.h>

#include <string>

#include "decode/quant.h"
#include "samplewriter/bit_writer.h"

namespace vn::mpeg4 {
namespace {

class BlockTest : public ::testing::Test {
protected:
    // Decodes one block from the bits written so far (padded with ones).
    bool Decode(bool intra, bool useDcCode, bool luma, bool coded) {
        w.Bytes(std::vector<uint8_t>(8, 0xFF));
        const std::string path =
            ::testing::TempDir() + "block_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        EXPECT_TRUE(w.WriteFile(path));
        EXPECT_EQ(stream.Open(path), 0);
        block.ClearValues();
        block.StartBlock();
        BlockCoding coding{intra, useDcCode, luma, coded, &scales};
        MacroblockBits bits(stream);
        return DecodeBlock(bits, coding, block);
    }
    // Escape mode 3: last, run (6 bits), marker, level (12 bits), marker.
    void EscapeMode3(int last, int run, uint32_t level, int secondMarker = 1) {
        w.Code("0000011 11");
        w.Bits(static_cast<uint32_t>(last), 1);
        w.Bits(static_cast<uint32_t>(run), 6);
        w.Code("1");
        w.Bits(level, 12);
        w.Bits(static_cast<uint32_t>(secondMarker), 1);
    }
    // The dequantised value at a zigzag scan index.
    int AtScan(int k) const { return block.value[jpeg::kZigzagToNatural[k]]; }

    samples::BitWriter w;
    StreamWindow stream;
    DequantisedBlock block;
    const QuantiserScales& scales = ScalesForQuantiser(8);
};

TEST_F(BlockTest, DcSizeNineCarriesAMarker) {
    w.Code("00000001");  // luma DC size 9
    w.Bits(100, 9);
    w.Code("1");
    ASSERT_TRUE(Decode(true, true, true, false));
    EXPECT_EQ(block.quantisedDc, 100 - 511);
}

TEST_F(BlockTest, DcSizeNineWithoutItsMarkerFails) {
    w.Code("00000001");
    w.Bits(100, 9);
    w.Code("0");
    EXPECT_FALSE(Decode(true, true, true, false));
}

TEST_F(BlockTest, DcSizesAboveNineFail) {
    w.Code("000000001");  // luma DC size 10
    w.Bits(600, 10);
    w.Code("1");
    EXPECT_FALSE(Decode(true, true, true, false));
}

TEST_F(BlockTest, DcSizeOneIsMinusOrPlusOne) {
    w.Code("11 0");  // luma size 1, v = 0
    ASSERT_TRUE(Decode(true, true, true, false));
    EXPECT_EQ(block.quantisedDc, -1);
}

TEST_F(BlockTest, ChromaTakesItsOwnSizeTable) {
    w.Code("10 1");  // chroma size 1, v = 1 (luma would read size 2)
    ASSERT_TRUE(Decode(true, true, false, false));
    EXPECT_EQ(block.quantisedDc, 1);
}

TEST_F(BlockTest, IntraEventsFollowTheDcAndAreDequantisedInPlace) {
    w.Code("011");     // luma DC size 0
    w.Code("1111 1");  // intra last 0 run 0 level 3, negative: scan index 1
    w.Code("0111 0");  // intra last 1 run 0 level 1: scan index 2
    ASSERT_TRUE(Decode(true, true, true, true));
    EXPECT_EQ(block.quantisedDc, 0);
    EXPECT_EQ(AtScan(1), (-6 * scales.intra[1]) >> 1);
    EXPECT_EQ(AtScan(2), (2 * scales.intra[8]) >> 1);
    EXPECT_EQ(block.lastScan, 2);
}

TEST_F(BlockTest, WithoutTheDcCodeTheFirstEventIsTheDc) {
    w.Code("0111 1");  // intra last 1 run 0 level 1, negative
    ASSERT_TRUE(Decode(true, false, true, true));
    EXPECT_EQ(block.quantisedDc, -1);
    EXPECT_TRUE(block.dcOnly());
}

TEST_F(BlockTest, EscapeModeOneRaisesTheLevelByLmax) {
    w.Code("0000011 0");  // escape, mode 1
    w.Code("110 0");      // inter last 0 run 1 level 1
    w.Code("0111 0");     // inter last 1 run 0 level 1
    ASSERT_TRUE(Decode(false, false, true, true));
    const int level = 1 + 6;  // LMAX(0, 1) = 6
    EXPECT_EQ(AtScan(1), ((2 * level + 1) * scales.inter[1]) >> 1);
    EXPECT_EQ(AtScan(2), (3 * scales.inter[8]) >> 1);
}

TEST_F(BlockTest, EscapeModeTwoRaisesTheRunByRmaxPlusOne) {
    w.Code("0000011 10");  // escape, mode 2
    w.Code("0111 1");      // inter last 1 run 0 level 1, negative
    ASSERT_TRUE(Decode(false, false, true, true));
    const int k = 0 + 40 + 1;  // RMAX(1, 1) = 40
    EXPECT_EQ(AtScan(k), (-3 * scales.inter[jpeg::kZigzagToNatural[k]]) >> 1);
}

TEST_F(BlockTest, EscapeModeThreeLevelIsTwelveBitTwosComplement) {
    EscapeMode3(1, 0, 4095);  // level -1
    ASSERT_TRUE(Decode(false, false, true, true));
    EXPECT_EQ(AtScan(0), (-3 * scales.inter[0]) >> 1);
}

TEST_F(BlockTest, EscapeModeThreeSaturatesAndChecksItsMarkers) {
    EscapeMode3(1, 0, 2047);
    ASSERT_TRUE(Decode(false, false, true, true));
    EXPECT_EQ(AtScan(0), 2047);

    w = samples::BitWriter();
    EscapeMode3(1, 0, 5, 0);
    EXPECT_FALSE(Decode(false, false, true, true));
}

TEST_F(BlockTest, ACoefficientBeyondPosition63Fails) {
    w.Code("011");  // luma DC size 0: the events start at scan index 1
    EscapeMode3(1, 63, 1);
    EXPECT_FALSE(Decode(true, true, true, true));
}

TEST_F(BlockTest, AnUnknownCodeWhereTheEscapeShouldBeFails) {
    w.Code("0000 0000 0000 0");
    EXPECT_FALSE(Decode(false, false, true, true));
}

}  // namespace
}  // namespace vn::mpeg4
