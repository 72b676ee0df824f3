// The raw movies' sound decoder: block layout, code order, and any bytes
// at all decoding inside the buffers given.
#include "movie/ima_adpcm.h"

#include <gtest/gtest.h>

#include <vector>

namespace vn::movie {
namespace {

TEST(ImaAdpcm, BlockHeaderSampleThenLowCodeBeforeHigh) {
    // Header: sample 100, step index 0. Code 7 adds 7 + 3 + 1 + 0 and moves
    // the index to 8 (step 16); code 9 then subtracts 16 / 4 + 16 / 8.
    std::vector<uint8_t> block = {100, 0, 0, 0, 0x97};
    std::vector<int16_t> pcm(AdpcmSampleCount(block.size()));
    ASSERT_EQ(pcm.size(), 3u);
    EXPECT_EQ(DecodeAdpcm(block, pcm), 3u);
    EXPECT_EQ(pcm, (std::vector<int16_t>{100, 111, 105}));
}

TEST(ImaAdpcm, EachBlockStartsAfreshFromItsHeader) {
    std::vector<uint8_t> bytes(kAudioBufferBytes, 0x77);  // every code grows the sample
    for (size_t block = 0; block < 4; ++block) {
        bytes[block * kAdpcmBlockBytes] = static_cast<uint8_t>(block);
        bytes[block * kAdpcmBlockBytes + 1] = 0;
        bytes[block * kAdpcmBlockBytes + 2] = 0;
        bytes[block * kAdpcmBlockBytes + 3] = 0;
    }
    std::vector<int16_t> pcm(AdpcmSampleCount(bytes.size()));
    ASSERT_EQ(pcm.size(), 4 * kAdpcmSamplesPerBlock);
    ASSERT_EQ(DecodeAdpcm(bytes, pcm), pcm.size());
    for (size_t block = 0; block < 4; ++block) {
        EXPECT_EQ(pcm[block * kAdpcmSamplesPerBlock], static_cast<int16_t>(block));
        EXPECT_EQ(pcm[block * kAdpcmSamplesPerBlock + kAdpcmSamplesPerBlock - 1], 32767);
    }
}

TEST(ImaAdpcm, ShortAndOddLengthsDecodeWithinTheirBuffers) {
    // Exactly sized outputs: a write past the end is the sanitizer's to see.
    for (size_t length : {0u, 1u, 3u, 4u, 5u, 127u, 128u, 129u, 131u, 132u, 133u, 300u, 511u, 512u}) {
        SCOPED_TRACE(length);
        const std::vector<uint8_t> bytes(length, 0x5A);
        const size_t whole = length / kAdpcmBlockBytes, rest = length % kAdpcmBlockBytes;
        const size_t expected = whole * kAdpcmSamplesPerBlock + (rest < 4 ? 0 : 1 + 2 * (rest - 4));
        EXPECT_EQ(AdpcmSampleCount(length), expected);
        std::vector<int16_t> pcm(expected);
        EXPECT_EQ(DecodeAdpcm(bytes, pcm), expected);
        std::vector<int16_t> shortPcm(expected / 2);
        EXPECT_EQ(DecodeAdpcm(bytes, shortPcm), expected / 2);
    }
}

TEST(ImaAdpcm, HostileBytesSaturateInsteadOfOverflowing) {
    // All 0xFF: sample -1, step index 255 (taken as 88), every code the
    // largest step down.
    const std::vector<uint8_t> ones(kAudioBufferBytes, 0xFF);
    std::vector<int16_t> pcm(AdpcmSampleCount(ones.size()));
    ASSERT_EQ(DecodeAdpcm(ones, pcm), 4 * kAdpcmSamplesPerBlock);
    EXPECT_EQ(pcm[0], -1);
    EXPECT_EQ(pcm[1], -32768);
    EXPECT_EQ(pcm.back(), -32768);

    // Largest steps up from the top.
    std::vector<uint8_t> up(kAdpcmBlockBytes, 0x77);
    up[0] = 0xFF, up[1] = 0x7F, up[2] = 200, up[3] = 0xFF;
    std::vector<int16_t> high(AdpcmSampleCount(up.size()));
    DecodeAdpcm(up, high);
    EXPECT_EQ(high[0], 32767);
    EXPECT_EQ(high.back(), 32767);
}

}  // namespace
}  // namespace vn::movie
