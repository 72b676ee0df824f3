// The reconstruction stages one by one: dequantisation, inverse DCT,
// motion compensation, the low-pass filter and the colour conversion.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "movie/dequant.h"
#include "movie/motion_comp.h"
#include "movie/mpeg4_colour.h"
#include "movie/mpeg4_idct.h"
#include "movie/post_filter.h"

namespace vn::mpeg4 {
namespace {

TEST(Dequantisation, ScalersFollowTable71AndScalesTheDefaultMatrices) {
    const int lumaScaler[] = {8, 8, 10, 16, 17, 32, 34, 46};
    const int chromaScaler[] = {8, 8, 9, 10, 11, 18, 19, 25};
    const int quantisers[] = {1, 4, 5, 8, 9, 24, 25, 31};
    for (int i = 0; i < 8; ++i) {
        const QuantiserScales& s = ScalesForQuantiser(quantisers[i]);
        EXPECT_EQ(s.lumaDcScaler, lumaScaler[i]) << quantisers[i];
        EXPECT_EQ(s.chromaDcScaler, chromaScaler[i]) << quantisers[i];
        EXPECT_EQ(s.intra[0], lumaScaler[i]);
    }
    const QuantiserScales& q8 = ScalesForQuantiser(8);
    EXPECT_EQ(q8.intra[1], 17);  // 17 x 8 x 100 / 800
    EXPECT_EQ(q8.intra[63], 45);
    EXPECT_EQ(q8.inter[0], 16);
    EXPECT_EQ(q8.inter[63], 33);
    EXPECT_EQ(ScalesForQuantiser(3).intra[63], 16);  // 45 x 3 / 8, truncated
}

TEST(Dequantisation, InterLevelsMoveAwayFromZeroAndEverythingSaturates) {
    const auto dequantise = [](int level, bool intra, int scale) {
        return Dequantise(LevelFactor(level, intra), scale);
    };
    EXPECT_EQ(dequantise(1, false, 16), 24);
    EXPECT_EQ(dequantise(-1, false, 16), -24);
    EXPECT_EQ(dequantise(-1, false, 17), -26);  // -51 >> 1 rounds down
    EXPECT_EQ(dequantise(1, true, 16), 16);
    EXPECT_EQ(dequantise(0, false, 16), 0);
    EXPECT_EQ(dequantise(2000, false, 100), 2047);
    EXPECT_EQ(dequantise(-2000, true, 100), -2048);
    for (int level : {-2048, -5, -1, 0, 1, 27, 2047}) {
        EXPECT_EQ(LevelOfFactor(LevelFactor(level, false), false), level);
        EXPECT_EQ(LevelOfFactor(LevelFactor(level, true), true), level);
    }
    DequantisedBlock block;
    SetIntraDc(block, 300, 46);
    EXPECT_EQ(block.value[0], 2047);
}

TEST(Dequantisation, MismatchControlFlipsTheLastValueWhenTheSumIsEven) {
    DequantisedBlock even;
    SetIntraDc(even, 64, 16);  // 1024, the only value
    FinishDequantisation(even);
    EXPECT_EQ(even.value[63], 1);
    EXPECT_TRUE(even.dcOnly());

    DequantisedBlock odd;
    odd.value[5] = 3;
    odd.sum = 3;
    FinishDequantisation(odd);
    EXPECT_EQ(odd.value[63], 0);

    DequantisedBlock lastEven;  // an even value at 63 becomes odd, and back
    lastEven.value[63] = -4;
    lastEven.sum = -4;
    FinishDequantisation(lastEven);
    EXPECT_EQ(lastEven.value[63], -3);
}

std::vector<int> Idct(std::vector<int16_t> block) {
    InverseDctLineByLine(block.data());
    return {block.begin(), block.end()};
}

TEST(InverseDct, TheMismatchBitAloneVanishes) {
    std::vector<int16_t> block(64, 0);
    block[63] = 1;
    EXPECT_EQ(Idct(block), std::vector<int>(64, 0));
    block[63] = -1;
    EXPECT_EQ(Idct(block), std::vector<int>(64, 0));
}

TEST(InverseDct, DcOnlyGivesAFlatBlockLimitedToNineBits) {
    std::vector<int16_t> block(64, 0);
    block[0] = 960;
    EXPECT_EQ(Idct(block), std::vector<int>(64, 120));
    block[0] = 2047;
    EXPECT_EQ(Idct(block), std::vector<int>(64, 255));
    block[0] = -2048;
    EXPECT_EQ(Idct(block), std::vector<int>(64, -256));
}

TEST(InverseDct, StaysWithinOneOfTheExactTransform) {
    std::mt19937 rng(7);
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<int16_t> block(64, 0);
        for (int n = 0; n < 6; ++n) {
            const int i = static_cast<int>(rng() % 64);
            block[static_cast<size_t>(i)] = static_cast<int16_t>(static_cast<int>(rng() % 601) - 300);
        }
        const std::vector<int> fast = Idct(block);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                double sum = 0;
                for (int v = 0; v < 8; ++v) {
                    for (int u = 0; u < 8; ++u) {
                        const double cu = u == 0 ? std::sqrt(0.5) : 1.0;
                        const double cv = v == 0 ? std::sqrt(0.5) : 1.0;
                        sum += cu * cv * block[static_cast<size_t>(v * 8 + u)] * std::cos((2 * x + 1) * u * M_PI / 16) *
                               std::cos((2 * y + 1) * v * M_PI / 16);
                    }
                }
                EXPECT_NEAR(fast[static_cast<size_t>(y * 8 + x)], sum / 4, 1.0) << trial;
            }
        }
    }
}

TEST(InverseDct, PutAndAddMatchTheLineByLineTransformAndLeaveTheBlockZero) {
    // Full-range blocks, where the 16-bit passes wrap; sparse blocks; a DC
    // with and without a mismatch bit, the shortcut's case. Into a picture
    // of random bytes with a stride, each way.
    std::mt19937 rng(11);
    auto check = [&](const std::vector<int16_t>& coefficients, bool dcOnly) {
        std::vector<int16_t> spatial = coefficients;
        InverseDctLineByLine(spatial.data());
        constexpr int kStride = 11;
        std::vector<uint8_t> picture(8 * kStride);
        for (uint8_t& v : picture) v = static_cast<uint8_t>(rng());
        for (bool add : {false, true}) {
            std::vector<int16_t> block = coefficients;
            std::vector<uint8_t> out = picture;
            (add ? InverseDctAdd : InverseDctPut)(block.data(), dcOnly, out.data(), kStride);
            ASSERT_EQ(block, std::vector<int16_t>(64, 0));
            for (int r = 0; r < 8; ++r) {
                for (int c = 0; c < kStride; ++c) {
                    const size_t at = static_cast<size_t>(r * kStride + c);
                    const int v =
                        c < 8 ? std::clamp(spatial[static_cast<size_t>(r * 8 + c)] + (add ? picture[at] : 0), 0, 255)
                              : picture[at];
                    ASSERT_EQ(out[at], v) << (add ? "add" : "put") << " at " << r << ", " << c;
                }
            }
        }
    };
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<int16_t> full(64);
        for (int16_t& v : full)
            v = static_cast<int16_t>(trial % 3 == 0 ? (rng() & 1 ? 2047 : -2048) : rng() % 4096 - 2048);
        check(full, false);
        std::vector<int16_t> sparse(64, 0);
        for (int n = 0; n < 3; ++n) {
            sparse[rng() % 64] = static_cast<int16_t>(static_cast<int>(rng() % 4096) - 2048);
        }
        check(sparse, false);
        std::vector<int16_t> corner(64, 0);
        corner[0] = sparse[0];
        corner[63] = static_cast<int16_t>(static_cast<int>(rng() % 5) - 2);
        check(corner, true);
        check(corner, false);
    }
}

// A 48 x 48 reference (3 x 3 macroblocks) with a different value nearly
// everywhere.
class MotionTest : public ::testing::Test {
protected:
    MotionTest() : y(48 * 48), cb(24 * 24), cr(24 * 24), outY(48 * 48), outCb(24 * 24), outCr(24 * 24) {
        for (int r = 0; r < 48; ++r) {
            for (int c = 0; c < 48; ++c) y[static_cast<size_t>(r * 48 + c)] = static_cast<uint8_t>(c * 5 + r * 3);
        }
        for (int r = 0; r < 24; ++r) {
            for (int c = 0; c < 24; ++c) {
                cb[static_cast<size_t>(r * 24 + c)] = static_cast<uint8_t>(c * 9 + r * 2);
                cr[static_cast<size_t>(r * 24 + c)] = static_cast<uint8_t>(200 - c * 3 - r * 7);
            }
        }
    }
    // Predicts the macroblock at (column, row) into the output planes.
    void Predict(int column, int row, int x, int yv) {
        const YuvPlanes reference{y.data(), cb.data(), cr.data(), 48, 24, 48};
        PredictMacroblock(reference, {column, row, 3, 3}, x, yv,
                          &outY[static_cast<size_t>(16 * row * 48 + 16 * column)],
                          &outCb[static_cast<size_t>(8 * row * 24 + 8 * column)],
                          &outCr[static_cast<size_t>(8 * row * 24 + 8 * column)]);
    }
    int RefY(int c, int r) const { return y[static_cast<size_t>(r * 48 + c)]; }
    int RefCb(int c, int r) const { return cb[static_cast<size_t>(r * 24 + c)]; }
    int OutY(int c, int r) const { return outY[static_cast<size_t>(r * 48 + c)]; }
    int OutCb(int c, int r) const { return outCb[static_cast<size_t>(r * 24 + c)]; }

    std::vector<uint8_t> y, cb, cr, outY, outCb, outCr;
};

TEST_F(MotionTest, LumaWholeSamplesAndChromaHalfSamples) {
    Predict(1, 1, -3, 5);  // luma (-1, 2); chroma offset (-1, 1), horizontal half
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) ASSERT_EQ(OutY(16 + c, 16 + r), RefY(15 + c, 18 + r));
    }
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            ASSERT_EQ(OutCb(8 + c, 8 + r), (RefCb(7 + c, 9 + r) + RefCb(8 + c, 9 + r)) >> 1);
        }
    }
    Predict(1, 1, 2, 2);  // luma (1, 1): both half flags on a zero offset
    EXPECT_EQ(OutCb(8, 8), (RefCb(8, 8) + RefCb(9, 8) + RefCb(8, 9) + RefCb(9, 9)) >> 2);
    EXPECT_EQ(OutY(16, 16), RefY(17, 17));
}

TEST_F(MotionTest, ChromaTakesEveryHalfSampleCaseOverItsWholeBlock) {
    // Luma (lx, ly) gives the chroma offset (lx >> 1, ly >> 1) and the
    // flags lx & 1, ly & 1; sums are truncated, never rounded up.
    for (int ly : {2, 3}) {
        for (int lx : {-2, -1}) {
            Predict(1, 1, 2 * lx, 2 * ly);
            const int x0 = 8 + (lx >> 1), y0 = 8 + (ly >> 1), halfX = lx & 1, halfY = ly & 1;
            for (const auto* planes : {&cb, &cr}) {
                const std::vector<uint8_t>& ref = *planes;
                const std::vector<uint8_t>& out = planes == &cb ? outCb : outCr;
                const auto at = [&](int c, int r) { return int{ref[static_cast<size_t>(r * 24 + c)]}; };
                for (int r = 0; r < 8; ++r) {
                    for (int c = 0; c < 8; ++c) {
                        const int p00 = at(x0 + c, y0 + r), p01 = at(x0 + c + 1, y0 + r);
                        const int p10 = at(x0 + c, y0 + r + 1), p11 = at(x0 + c + 1, y0 + r + 1);
                        int expected = p00;
                        if (halfX && halfY) {
                            expected = (p00 + p01 + p10 + p11) >> 2;
                        } else if (halfX) {
                            expected = (p00 + p01) >> 1;
                        } else if (halfY) {
                            expected = (p00 + p10) >> 1;
                        }
                        ASSERT_EQ(out[static_cast<size_t>((8 + r) * 24 + 8 + c)], expected)
                            << lx << ", " << ly << " at " << c << ", " << r;
                    }
                }
            }
        }
    }
}

TEST_F(MotionTest, VectorsPointingOutOfThePictureAreZeroedAtTheBorders) {
    Predict(0, 0, -8, -6);
    EXPECT_EQ(OutY(0, 0), RefY(0, 0));
    EXPECT_EQ(OutY(15, 15), RefY(15, 15));
    EXPECT_EQ(OutCb(0, 0), RefCb(0, 0));
    Predict(2, 2, 9, 7);  // last column and row
    EXPECT_EQ(OutY(32, 32), RefY(32, 32));
    // Only the component that points out is zeroed.
    Predict(0, 1, -4, 4);
    EXPECT_EQ(OutY(0, 16), RefY(0, 18));
}

TEST_F(MotionTest, FarVectorsReadInsideTheReference) {
    Predict(1, 1, 1000, -1000);
    EXPECT_EQ(OutY(16, 16), RefY(32, 0));
    Predict(1, 1, -999, 999);  // half-sample chroma kept inside too
    EXPECT_EQ(OutY(31, 31), RefY(15, 47));
}

TEST(LowPass, RowsThenColumnsFromTheValuesBeforeEachPass) {
    std::vector<uint8_t> row = {0, 64, 0, 64, 0, 0, 0};
    LowPassPlane(row.data(), 7, 1, 7);
    EXPECT_EQ(row, (std::vector<uint8_t>{0, 32, 32, 32, 16, 0, 0}));
    std::vector<uint8_t> column = {0, 0, 9, 0, 64, 0, 0, 0, 9, 0, 0, 0};  // 1 wide, stride 2
    LowPassPlane(column.data(), 1, 6, 2);
    // Rows 1..3 of 0, 9, 64, 0, 9, 0: (0 + 18 + 64) >> 2, (9 + 128 + 0) >> 2,
    // (64 + 0 + 9) >> 2.
    EXPECT_EQ(column, (std::vector<uint8_t>{0, 0, 20, 0, 34, 0, 18, 0, 9, 0, 0, 0}));
}

TEST(LowPass, WidePlanesFollowTheFormulaAndKeepTheirPadding) {
    // Long enough lines for the vectorised loops, with a remainder.
    constexpr int kWidth = 37, kHeight = 23, kStride = 40;
    std::mt19937 rng(5);
    std::vector<uint8_t> plane(kStride * kHeight);
    for (uint8_t& v : plane) v = static_cast<uint8_t>(rng());
    std::vector<uint8_t> expected = plane;
    const auto pass = [&](int lines, int length, int along, int across) {
        const std::vector<uint8_t> before = expected;
        for (int l = 0; l < lines; ++l) {
            for (int i = 1; i <= length - 3; ++i) {
                const auto at = [&](int j) { return before[static_cast<size_t>(l * across + j * along)]; };
                expected[static_cast<size_t>(l * across + i * along)] =
                    static_cast<uint8_t>((at(i - 1) + 2 * at(i) + at(i + 1)) >> 2);
            }
        }
    };
    pass(kHeight, kWidth, 1, kStride);  // rows
    pass(kWidth, kHeight, kStride, 1);  // columns
    LowPassPlane(plane.data(), kWidth, kHeight, kStride);
    EXPECT_EQ(plane, expected);
}

TEST(Colour, Bt601ScaledBy1024) {
    const uint8_t y[4] = {16, 235, 128, 128}, u[2] = {128, 128}, v[2] = {128, 255};
    const YuvPlanes planes{y, u, v, 4, 2, 1};
    Picture picture(4, 1);
    ConvertYuvToBgr(planes, 4, 1, picture);
    const uint8_t* p = picture.Row(0);
    EXPECT_EQ(std::vector<int>(p, p + 6), (std::vector<int>{0, 0, 0, 254, 254, 254}));
    EXPECT_EQ(std::vector<int>(p + 6, p + 12), (std::vector<int>{130, 27, 255, 130, 27, 255}));
}

TEST(Colour, WritesOnlyTheStreamsRowsAndWhatFitsThePicture) {
    std::vector<uint8_t> y(16 * 16, 100), c(8 * 8, 128);
    const YuvPlanes planes{y.data(), c.data(), c.data(), 16, 8, 16};
    Picture tall(10, 14);
    for (int r = 0; r < 14; ++r) std::fill(tall.Row(r), tall.Row(r) + tall.stride(), 7);
    ConvertYuvToBgr(planes, 16, 12, tall);
    EXPECT_EQ(tall.Row(11)[29], 97);  // (84 x 1192) >> 10
    EXPECT_EQ(tall.Row(11)[30], 7);   // row padding
    EXPECT_EQ(tall.Row(12)[0], 7);    // the caption band below the stream
}

TEST(Colour, EveryWidthAndSampleFollowsTheFormula) {
    // Widths around the sixteen pixels converted together, random samples
    // over the whole byte range.
    std::mt19937 random(7);
    const auto limit = [](int scaled) { return std::clamp(scaled / 1024, 0, 255); };
    for (int width : {1, 2, 15, 16, 17, 31, 32, 33, 47, 50}) {
        const int height = 3, chromaStride = (width + 1) / 2;
        std::vector<uint8_t> y(static_cast<size_t>(width * height)), u(static_cast<size_t>(chromaStride * 2)), v = u;
        for (auto* plane : {&y, &u, &v}) {
            for (uint8_t& sample : *plane) sample = static_cast<uint8_t>(random());
        }
        const YuvPlanes planes{y.data(), u.data(), v.data(), width, chromaStride, height};
        Picture picture(width, height);
        ConvertYuvToBgr(planes, width, height, picture);
        for (int r = 0; r < height; ++r) {
            for (int x = 0; x < width; ++x) {
                const int luma = (y[static_cast<size_t>(r * width + x)] - 16) * 1192;
                const size_t chroma = static_cast<size_t>(r / 2 * chromaStride + x / 2);
                const int cu = u[chroma] - 128, cv = v[chroma] - 128;
                const uint8_t* p = picture.Row(r) + 3 * x;
                ASSERT_EQ(p[0], limit(luma + cu * 2065)) << width << " " << r << " " << x;
                ASSERT_EQ(p[1], limit(luma - cv * 833 - cu * 401)) << width << " " << r << " " << x;
                ASSERT_EQ(p[2], limit(luma + cv * 1634)) << width << " " << r << " " << x;
            }
            for (int i = 3 * width; i < picture.stride(); ++i) ASSERT_EQ(picture.Row(r)[i], 0) << "row padding";
        }
    }
}

}  // namespace
}  // namespace vn::mpeg4
