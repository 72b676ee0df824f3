#include <gtest/gtest.h>

#include <functional>

#include "movie/decoder_fixture.h"

namespace vn::mpeg4 {
namespace {

using samples::LayerFields;
using test::DecoderTest;

TEST_F(DecoderTest, HeadersSetTheStreamParameters) {
    layer.width = 176;
    layer.height = 144;
    layer.resolution = 1000;
    WriteHeaders();
    const size_t headerEnd = w.bytes().size();
    ASSERT_TRUE(Open());
    EXPECT_EQ(decoder.width(), 176);
    EXPECT_EQ(decoder.height(), 144);
    EXPECT_EQ(decoder.timeIncrementResolution(), 1000);
    EXPECT_EQ(decoder.timeIncrementBits(), 10);
    EXPECT_EQ(stream.position(), headerEnd);
}

TEST_F(DecoderTest, OptionalHeaderPartsAndTheOtherAcceptedValuesParse) {
    layer.profile = 0xF0;
    layer.objectType = 17;
    layer.objectLayerIdentifier = true;
    layer.controlParameters = true;
    layer.vbvParameters = true;
    layer.videoObject = 0x1F;
    layer.videoObjectLayer = 0x2F;
    WriteHeaders();
    ASSERT_TRUE(Open());
    EXPECT_EQ(decoder.width(), 32);
}

// The time increment is as long as the resolution's own bit length.
TEST(TimeIncrementBits, AreTheBitLengthOfTheResolution) {
    for (auto [resolution, bits] : {std::pair{30, 5}, {32, 6}, {15, 4}, {1, 1}, {65535, 16}}) {
        struct Probe : DecoderTest {
            void TestBody() override {}
            int Bits(uint32_t resolution) {
                layer.resolution = resolution;
                WriteHeaders();
                EXPECT_TRUE(Open());
                return decoder.timeIncrementBits();
            }
        } probe;
        EXPECT_EQ(probe.Bits(static_cast<uint32_t>(resolution)), bits) << resolution;
    }
}

class RefusedHeaderTest : public DecoderTest,
                          public ::testing::WithParamInterface<std::function<void(LayerFields&)>> {};

TEST_P(RefusedHeaderTest, IsRefused) {
    GetParam()(layer);
    WriteHeaders();
    EXPECT_FALSE(Open());
}

INSTANTIATE_TEST_SUITE_P(
    OutsideTheSubset, RefusedHeaderTest,
    ::testing::Values([](LayerFields& f) { f.profile = 0x02; }, [](LayerFields& f) { f.visualObjectIdentifier = 1; },
                      [](LayerFields& f) { f.visualObjectType = 2; }, [](LayerFields& f) { f.videoSignalType = 1; },
                      [](LayerFields& f) { f.videoObject = 0x20; }, [](LayerFields& f) { f.videoObjectLayer = 0x30; },
                      [](LayerFields& f) { f.objectType = 2; }, [](LayerFields& f) { f.aspectRatio = 2; },
                      [](LayerFields& f) { f.shape = 1; }, [](LayerFields& f) { f.fixedVopRate = 1; },
                      [](LayerFields& f) { f.widthMarker = 0; }, [](LayerFields& f) { f.interlaced = 1; },
                      [](LayerFields& f) { f.spriteEnable = 1; }, [](LayerFields& f) { f.not8Bit = 1; },
                      [](LayerFields& f) { f.quantType = 1; },
                      [](LayerFields& f) { f.complexityEstimationDisable = 0; },
                      [](LayerFields& f) { f.resyncMarkerDisable = 0; }, [](LayerFields& f) { f.dataPartitioned = 1; },
                      [](LayerFields& f) { f.scalability = 1; }));

TEST_F(DecoderTest, TruncatedHeadersAreRefused) {
    WriteHeaders();
    const std::vector<uint8_t> full = w.bytes();
    w = samples::BitWriter();
    w.Bytes(std::vector<uint8_t>(full.begin(), full.end() - 3));
    EXPECT_FALSE(Open());
}

TEST_F(DecoderTest, GroupOfVopHeaderIsReadAndItsValuesIgnored) {
    WriteHeaders();
    w.StartCode(0xB3);
    w.Bits(0x2ABCD, 18);
    w.Bits(1, 1);
    w.Bits(0, 1);
    w.AlignWithStuffing();
    ASSERT_TRUE(Open());
    ASSERT_EQ(stream.FindNextStartCode(), 0x1B3);
    EXPECT_TRUE(decoder.ParseGovHeader(stream));
    // The reader stands on the stuffing, half way through the last byte.
    EXPECT_EQ(stream.position(), (w.bitCount() - 4) / 8);
    EXPECT_FALSE(stream.byteAligned());
}

}  // namespace
}  // namespace vn::mpeg4
