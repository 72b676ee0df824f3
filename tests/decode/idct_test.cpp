#include "decode/idct.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace vn::jpeg {
namespace {

// The flow graph transcribed step by step in 64-bit arithmetic, as an
// independent reference for in-range data.
int64_t K1(int64_t x) { return (x + (((x >> 4) + x) >> 1)) >> 2; }
int64_t K2(int64_t x) { return (x + ((x + ((x + (x >> 2)) >> 2)) >> 1)) >> 2; }
int64_t K3(int64_t x) { return (x + K2(x)) >> 1; }
int64_t K4(int64_t x) { return (x + ((x + (((x >> 2) + x) >> 2)) >> 4)) >> 1; }
int64_t K5(int64_t x) { return (x + ((x + ((x + (x >> 2)) >> 1)) >> 1)) >> 1; }
int64_t K6(int64_t x) { return x + ((x + ((x + K5(x)) >> 3)) >> 2); }

void Reference1D(int64_t* x, int step) {
    int64_t v[8];
    for (int i = 0; i < 8; ++i) v[i] = x[i * step];
    const int64_t a = v[5] - v[3], b = v[1] - v[7], c = (v[1] + v[7]) - (v[5] + v[3]), s = v[5] + v[3];
    const int64_t e = v[2] + v[6], d = v[2] - v[6];
    const int64_t z = K1(-a - b);
    const int64_t d2 = K3(d), c2 = K3(c), a2 = K4(-a) + z, b2 = K6(b) + z;
    const int64_t t0 = v[0] + v[4], t1 = v[0] - v[4];
    const int64_t u0 = t0 + e + d2, u3 = t0 - d2 - e, u1 = t1 + d2, u2 = t1 - d2;
    const int64_t w7 = 2 * s + c + b2, w6 = b2 + c2;
    const int64_t y[8] = {u0 + w7, u1 + w6, u2 + c2 - a2, u3 - a2, u3 + a2, u2 - c2 + a2, u1 - w6, u0 - w7};
    for (int i = 0; i < 8; ++i) x[i * step] = y[i];
}

// natural[row * 8 + column], already dequantised.
void ReferenceIdct(const int64_t* natural, bool luma, int32_t* out) {
    int64_t block[64];
    std::copy(natural, natural + 64, block);
    for (int r = 0; r < 8; ++r) Reference1D(block + 8 * r, 1);
    for (int c = 0; c < 8; ++c) Reference1D(block + c, 8);
    for (int i = 0; i < 64; ++i) {
        int64_t v = block[i] >> 10;
        if (luma) v = std::clamp<int64_t>(v + 128, 0, 255);
        out[i] = static_cast<int32_t>(v);
    }
}

BlockMultipliers Ones() {
    BlockMultipliers m;
    std::fill(std::begin(m.value), std::end(m.value), 1);
    return m;
}

CoefficientBlock FromNatural(const int64_t* natural, bool acPresent) {
    CoefficientBlock block{};
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) block.coef[c * 8 + r] = static_cast<int32_t>(natural[r * 8 + c]);
    }
    block.acPresent = acPresent;
    return block;
}

TEST(Idct, DcOnlyBlockGivesAnEighthOfTheProduct) {
    BlockMultipliers multipliers = Ones();
    multipliers.value[0] = 10 * 128;  // DQT value 10, scale 128
    for (bool acPresent : {false, true}) {
        CoefficientBlock block{};
        block.acPresent = acPresent;
        int32_t out[64];
        block.coef[0] = 80;  // 80 x 10 = 800
        StoreBlock(block, multipliers, out, 8, false);
        for (int32_t v : out) EXPECT_EQ(v, 100);
        StoreBlock(block, multipliers, out, 8, true);
        for (int32_t v : out) EXPECT_EQ(v, 228);

        block.coef[0] = -80;
        StoreBlock(block, multipliers, out, 8, false);
        for (int32_t v : out) EXPECT_EQ(v, -100);
        StoreBlock(block, multipliers, out, 8, true);
        for (int32_t v : out) EXPECT_EQ(v, 28);

        // Truncation is by arithmetic shift: -1 x 1280 >> 10 is -2.
        block.coef[0] = -1;
        StoreBlock(block, multipliers, out, 8, false);
        for (int32_t v : out) EXPECT_EQ(v, -2);
    }
}

TEST(Idct, MatchesTheFlowGraphOnRandomBlocks) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> magnitude(-2047, 2047);
    std::uniform_int_distribution<int> quantiser(1, 255);
    std::uniform_int_distribution<int> sparse(0, 3);
    for (int trial = 0; trial < 2000; ++trial) {
        int64_t natural[64] = {};
        BlockMultipliers multipliers;
        for (int i = 0; i < 64; ++i) {
            multipliers.value[i] = quantiser(random) * 16;
            if (i == 0 || sparse(random) == 0) natural[i] = magnitude(random);
        }
        CoefficientBlock block = FromNatural(natural, true);
        int64_t dequantised[64];
        for (int r = 0; r < 8; ++r) {
            for (int c = 0; c < 8; ++c) dequantised[r * 8 + c] = natural[r * 8 + c] * multipliers.value[c * 8 + r];
        }
        for (bool luma : {false, true}) {
            int32_t expected[64], got[8 * 12];
            ReferenceIdct(dequantised, luma, expected);
            StoreBlock(block, multipliers, got, 12, luma);
            for (int r = 0; r < 8; ++r) {
                for (int c = 0; c < 8; ++c) ASSERT_EQ(got[r * 12 + c], expected[r * 8 + c]) << trial << " " << r << c;
            }
        }
    }
}

TEST(Idct, ChromaIsNeitherShiftedNorClamped) {
    int64_t natural[64] = {};
    natural[0] = 30000 * 128;
    natural[1] = -9000 * 92;
    CoefficientBlock block = FromNatural(natural, true);
    int32_t expected[64], got[64];
    ReferenceIdct(natural, false, expected);
    StoreBlock(block, Ones(), got, 8, false);
    EXPECT_TRUE(std::equal(got, got + 64, expected));
    EXPECT_GT(*std::max_element(got, got + 64), 255);
}

// Damaged data can carry any coefficient; the arithmetic wraps instead of
// overflowing (the sanitizer build checks that), and luma stays in range.
TEST(Idct, ExtremeCoefficientsStayDefined) {
    CoefficientBlock block{};
    block.acPresent = true;
    for (int i = 0; i < 64; ++i) block.coef[i] = i % 2 ? INT32_MAX - i : INT32_MIN + i;
    BlockMultipliers multipliers;
    std::fill(std::begin(multipliers.value), std::end(multipliers.value), 428910);
    int32_t out[64];
    StoreBlock(block, multipliers, out, 8, true);
    for (int32_t v : out) EXPECT_TRUE(v >= 0 && v <= 255);
}

}  // namespace
}  // namespace vn::jpeg
