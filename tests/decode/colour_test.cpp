#include "decode/colour.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace vn::jpeg {
namespace {

// The conversion as the player's tables computed it: products over 2048
// truncated towards zero, then clamped.
std::array<uint8_t, 3> Reference(int y, int rawCb, int rawCr) {
    auto clamp = [](int v) { return v < 0 ? 0 : v > 255 ? 255 : v; };
    const int cb = clamp(rawCb + 128) - 128;
    const int cr = clamp(rawCr + 128) - 128;
    return {static_cast<uint8_t>(clamp(y + 3629 * cb / 2048)),
            static_cast<uint8_t>(clamp(y + (-705 * cb + -1463 * cr) / 2048)),
            static_cast<uint8_t>(clamp(y + 2871 * cr / 2048))};
}

// One 16-pixel row whose pixel pairs share one chroma sample.
struct Row {
    int32_t luma[16];
    int32_t cb[8];
    int32_t cr[8];
};

std::array<uint8_t, 3> ConvertOne(int y, int rawCb, int rawCr, bool forceBW = false) {
    Row row;
    std::fill(std::begin(row.luma), std::end(row.luma), y);
    std::fill(std::begin(row.cb), std::end(row.cb), rawCb);
    std::fill(std::begin(row.cr), std::end(row.cr), rawCr);
    uint8_t out[48];
    ConvertRow(row.luma, row.cb, row.cr, 16, out, forceBW);
    return {out[45], out[46], out[47]};
}

TEST(Colour, EdgeCases) {
    EXPECT_EQ(ConvertOne(100, 0, 0), (std::array<uint8_t, 3>{100, 100, 100}));
    EXPECT_EQ(ConvertOne(255, 0, 127)[2], 255);                        // red clamped
    EXPECT_EQ(ConvertOne(0, -128, 0)[0], 0);                           // blue clamped
    EXPECT_EQ(ConvertOne(80, -5000, 9000), Reference(80, -128, 127));  // raw chroma clamped first
    EXPECT_EQ(ConvertOne(90, 60, -70, true), (std::array<uint8_t, 3>{90, 90, 90}));
}

TEST(Colour, AgreesWithTheTableConversionForEveryChromaPair) {
    for (int y : {0, 1, 77, 128, 254, 255}) {
        for (int cb = -130; cb <= 130; ++cb) {
            for (int cr = -130; cr <= 130; cr += 3) {
                ASSERT_EQ(ConvertOne(y, cb, cr), Reference(y, cb, cr)) << y << " " << cb << " " << cr;
            }
        }
    }
}

TEST(Colour, PixelsShareChromaInPairsAndTheRowEndsAtItsWidth) {
    Row row;
    for (int i = 0; i < 16; ++i) row.luma[i] = 10 * i;
    for (int i = 0; i < 8; ++i) row.cb[i] = 9 * i - 30, row.cr[i] = 40 - 11 * i;
    std::vector<uint8_t> out(48, 0xEE);
    ConvertRow(row.luma, row.cb, row.cr, 13, out.data(), false);
    for (int j = 0; j < 13; ++j) {
        const auto expected = Reference(row.luma[j], row.cb[j / 2], row.cr[j / 2]);
        EXPECT_EQ(out[3 * j], expected[0]);
        EXPECT_EQ(out[3 * j + 1], expected[1]);
        EXPECT_EQ(out[3 * j + 2], expected[2]);
    }
    for (size_t i = 39; i < out.size(); ++i) EXPECT_EQ(out[i], 0xEE);
}

// An odd DC image keeps one chroma value per 2 x 2 group, ceil(width / 2) to
// a row; every row of the output starts at its row stride.
TEST(Colour, DcImageOfOddWidth) {
    JpegDecoder decoder;
    const int32_t luma[9] = {10, 20, 30, 40, 50, 60, 70, 80, 90};
    const int32_t cb[4] = {0, 50, -50, 100};
    const int32_t cr[4] = {5, -60, 70, -100};
    std::vector<uint8_t> buffer(3 * 12, 0xEE);
    decoder.ConvertDcImageToRgb(buffer.data(), luma, cb, cr, 3, 3, 12);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const int chroma = (i / 2) * 2 + j / 2;
            const auto expected = Reference(luma[i * 3 + j], cb[chroma], cr[chroma]);
            for (int c = 0; c < 3; ++c) EXPECT_EQ(buffer[i * 12 + 3 * j + c], expected[c]) << i << j << c;
        }
        for (int k = 9; k < 12; ++k) EXPECT_EQ(buffer[i * 12 + k], 0xEE);
    }

    decoder.g_bForceBW = true;
    decoder.ConvertDcImageToRgb(buffer.data(), luma, cb, cr, 3, 3, 12);
    EXPECT_EQ(buffer[12 + 3], 50);
    EXPECT_EQ(buffer[12 + 4], 50);
    EXPECT_EQ(buffer[12 + 5], 50);
}

}  // namespace
}  // namespace vn::jpeg
