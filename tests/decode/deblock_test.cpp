#include "decode/deblock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

namespace vn::deblock {
namespace {

using Window = std::array<uint8_t, 10>;

struct EdgeResult {
    int mode;
    Window out;
};

EdgeResult Filter(const Window& in, int qp) {
    EdgeResult r{};
    r.mode = DeblockEdge(in.data(), qp, r.out.data());
    return r;
}

TEST(DeblockEdge, FlatWindowTakesTheDcOffsetModeAndStaysFlat) {
    const Window flat = {100, 100, 100, 100, 100, 100, 100, 100, 100, 100};
    const EdgeResult r = Filter(flat, 1);
    EXPECT_EQ(r.mode, 2);
    EXPECT_EQ(r.out, flat);
}

TEST(DeblockEdge, StepIsSmoothedOnlyWhenItsHeightIsBelowTwiceQp) {
    const Window step = {50, 50, 50, 50, 50, 80, 80, 80, 80, 80};
    const EdgeResult tooHigh = Filter(step, 10);  // 8 flat differences, 30 >= 20
    EXPECT_EQ(tooHigh.mode, 0);
    EXPECT_EQ(tooHigh.out, step);
    const EdgeResult smoothed = Filter(step, 16);
    EXPECT_EQ(smoothed.mode, 2);
    EXPECT_EQ(smoothed.out, (Window{50, 52, 54, 58, 61, 69, 73, 76, 78, 80}));
}

TEST(DeblockEdge, DcOffsetModePadsWithTheOuterSampleOnlyWhenItIsClose) {
    // s0 within QP of s1 pads the left end: s1 = (4 x 52 + 12 x 60 + 8) >> 4.
    const EdgeResult close = Filter({52, 60, 60, 60, 60, 60, 60, 60, 60, 60}, 10);
    EXPECT_EQ(close.mode, 2);
    EXPECT_EQ(close.out[1], 57);
    // Further away, s1 pads instead and the flat run stays.
    const EdgeResult far = Filter({0, 60, 60, 60, 60, 60, 60, 60, 60, 60}, 10);
    EXPECT_EQ(far.mode, 2);
    EXPECT_EQ(far.out[1], 60);
    EXPECT_EQ(far.out[0], 0);
    const EdgeResult farRight = Filter({60, 60, 60, 60, 60, 62, 62, 62, 62, 200}, 10);
    EXPECT_EQ(farRight.mode, 2);
    EXPECT_EQ(farRight.out[8], 62);
    EXPECT_EQ(farRight.out[9], 200);
}

TEST(DeblockEdge, DefaultModeCorrectsTheTwoSamplesAtTheEdge) {
    const Window noisy = {60, 63, 60, 63, 60, 40, 43, 40, 43, 40};
    const EdgeResult r = Filter(noisy, 8);  // a0 = -7, m = -3, d = 3, h = 10
    EXPECT_EQ(r.mode, 1);
    EXPECT_EQ(r.out, (Window{60, 63, 60, 63, 57, 43, 43, 40, 43, 40}));
    // |a0| >= QP leaves the edge alone.
    EXPECT_EQ(Filter(noisy, 7).mode, 0);
}

TEST(DeblockEdge, CorrectionAgainstTheStepsDirectionIsDropped) {
    // a0 = 9, a1 = 0: d = -6, while h = (21 - 20) / 2 = 0 counts positive.
    const Window w = {20, 20, 40, 40, 21, 20, 0, 0, 0, 0};
    const EdgeResult r = Filter(w, 10);
    EXPECT_EQ(r.mode, 0);
    EXPECT_EQ(r.out, w);
}

TEST(DeblockPlane, EdgesLieBetweenBlocksAndOnlyWhereTheirWindowFits) {
    const std::vector<uint8_t> step = {50, 50, 50, 50, 50, 50, 50, 50, 80, 80, 80, 80, 80, 80, 80, 80};
    std::vector<uint8_t> narrow(step.begin(), step.begin() + 8);
    DeblockPlane(narrow.data(), 8, 1, 8, 16);  // width 8: no edge
    EXPECT_EQ(narrow, std::vector<uint8_t>(step.begin(), step.begin() + 8));

    std::vector<uint8_t> wide = step;
    DeblockPlane(wide.data(), 16, 1, 16, 16);  // one edge, at column 8
    EXPECT_EQ(wide, (std::vector<uint8_t>{50, 50, 50, 50, 52, 54, 58, 61, 69, 73, 76, 78, 80, 80, 80, 80}));

    // Width 12: the window of the edge at 8 would reach column 12.
    std::vector<uint8_t> cut(step.begin(), step.begin() + 12);
    DeblockPlane(cut.data(), 12, 1, 12, 16);
    EXPECT_EQ(cut, std::vector<uint8_t>(step.begin(), step.begin() + 12));
}

TEST(DeblockPlane, EachWindowIsReadBeforeThePreviousEdgeWritesBack) {
    // Edges at 8 and 16; the first one's DC offset mode rewrites column 11,
    // which is s0 of the second window.
    std::vector<uint8_t> row = {50, 50, 50, 50, 50,  50,  50,  50,  80,  80,  80,  80,
                                80, 80, 80, 80, 120, 120, 120, 120, 120, 120, 120, 120};
    const std::vector<uint8_t> before = row;
    Window first{}, second{}, out1{}, out2{};
    std::copy(before.begin() + 3, before.begin() + 13, first.begin());
    std::copy(before.begin() + 11, before.begin() + 21, second.begin());
    ASSERT_EQ(DeblockEdge(first.data(), 24, out1.data()), 2);
    ASSERT_EQ(DeblockEdge(second.data(), 24, out2.data()), 2);
    ASSERT_NE(out1[8], before[11]);  // the order matters for this row

    DeblockPlane(row.data(), 24, 1, 24, 24);
    std::vector<uint8_t> expected = before;
    for (int i = 1; i <= 8; ++i) expected[static_cast<size_t>(3 + i)] = out1[static_cast<size_t>(i)];
    for (int i = 1; i <= 8; ++i) expected[static_cast<size_t>(11 + i)] = out2[static_cast<size_t>(i)];
    EXPECT_EQ(row, expected);
}

TEST(DeblockPlane, VerticalPassRunsDownColumnsAfterTheHorizontalPass) {
    // A 16 x 16 plane with a horizontal step at row 8: only the vertical
    // pass has an edge to filter, the same as the row case turned over.
    std::vector<uint8_t> plane(16 * 20, 0);
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) plane[static_cast<size_t>(r * 20 + c)] = r < 8 ? 50 : 80;
    }
    DeblockPlane(plane.data(), 16, 16, 20, 16);
    const uint8_t column[16] = {50, 50, 50, 50, 52, 54, 58, 61, 69, 73, 76, 78, 80, 80, 80, 80};
    for (int r = 0; r < 16; ++r) {
        EXPECT_EQ(plane[static_cast<size_t>(r * 20 + 5)], column[r]) << r;
        EXPECT_EQ(plane[static_cast<size_t>(r * 20 + 16)], 0) << "padding untouched";
    }
}

TEST(DeblockPicture, FiltersChromaAtHalfSizeAndIgnoresMissingPlanes) {
    std::vector<uint8_t> y(32 * 16, 50), cb(16 * 8, 50), cr(16 * 8, 50);
    for (int r = 0; r < 8; ++r) {
        for (int c = 8; c < 16; ++c) cb[static_cast<size_t>(r * 16 + c)] = 80;
    }
    DeblockPicture(y.data(), cb.data(), nullptr, 32, 16, 32, 16, 16);
    EXPECT_EQ(cb[4], 50);  // nothing done without all three planes
    DeblockPicture(y.data(), cb.data(), cr.data(), 32, 16, 32, 16, 16);
    EXPECT_EQ(cb[4], 52);
    EXPECT_EQ(cb[11], 78);
    EXPECT_EQ(cr[4], 50);
}

// Blocks of flat, gently noisy or busy samples with steps between them, so
// that every mode and both pads occur; rows padded up to stride with a
// value the filter must leave alone.
std::vector<uint8_t> BlockyPlane(int width, int height, int stride, uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> plane(static_cast<size_t>(stride) * height, 0xA5);
    // Four by four blocks around one level (near black, mid grey or near
    // white): mostly within a step or two of it, now and then far off.
    const int level = std::array{3, 120, 252}[seed % 3];
    const int blocksAcross = (width + 3) / 4;
    std::vector<int> base(static_cast<size_t>(blocksAcross * ((height + 3) / 4)));
    for (int& b : base) b = level + static_cast<int>(random() % 4 == 0 ? random() % 160 : random() % 3) - 1;
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            const int b = base[static_cast<size_t>(r / 4 * blocksAcross + c / 4)];
            const int spread = std::array{1, 1, 3, 60}[static_cast<size_t>(b & 3)];
            const int v = b + static_cast<int>(random() % static_cast<uint32_t>(spread));
            plane[static_cast<size_t>(r) * stride + c] = static_cast<uint8_t>(std::clamp(v, 0, 255));
        }
    }
    return plane;
}

TEST(DeblockPlane, SixteenLinesAtATimeMatchTheEdgeByEdgeFilter) {
    // Sizes around the sixteen-line tiles and the eight-sample blocks, a
    // stride with padding, and thresholds from none to every edge.
    const int sizes[][2] = {{1, 1}, {13, 13}, {16, 16}, {24, 1}, {1, 24}, {17, 29}, {88, 72}, {176, 144}, {45, 100}};
    uint32_t seed = 1;
    int changed = 0;
    for (const auto& size : sizes) {
        const int width = size[0], height = size[1], stride = width + 3;
        for (int qp : {-1, 0, 1, 2, 3, 8, 17, 31, 64, 200, 100000}) {
            std::vector<uint8_t> lanes = BlockyPlane(width, height, stride, seed++);
            std::vector<uint8_t> reference = lanes;
            const std::vector<uint8_t> before = lanes;
            DeblockPlane(lanes.data(), width, height, stride, qp);
            DeblockPlaneEdgeByEdge(reference.data(), width, height, stride, qp);
            ASSERT_EQ(lanes, reference) << width << " x " << height << ", qp " << qp;
            changed += reference != before;
        }
    }
    EXPECT_GT(changed, 40);  // the planes give the filter work
}

}  // namespace
}  // namespace vn::deblock
