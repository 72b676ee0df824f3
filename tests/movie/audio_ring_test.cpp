#include "movie/audio_ring.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace vn::movie {
namespace {

std::vector<uint8_t> Counting(size_t n, uint8_t first = 0) {
    std::vector<uint8_t> bytes(n);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

TEST(AudioRing, ChunkLargerThanRoomKeepsWhatFitsAndDropsTheRest) {
    AudioRing ring;
    const auto filler = Counting(AudioRing::kSize - 268);
    ASSERT_EQ(ring.Push(filler), filler.size());
    ASSERT_EQ(ring.room(), 268u);

    const auto chunk = Counting(700, 7);
    EXPECT_EQ(ring.Push(chunk), 268u);
    EXPECT_EQ(ring.count(), AudioRing::kSize);
    EXPECT_EQ(ring.Push(chunk), 0u);

    std::vector<uint8_t> out(AudioRing::kSize);
    ASSERT_EQ(ring.Take(out), AudioRing::kSize);
    // The stored part of the chunk is its beginning, right after the filler.
    EXPECT_TRUE(std::equal(chunk.begin(), chunk.begin() + 268, out.begin() + filler.size()));
    EXPECT_EQ(ring.count(), 0u);
}

TEST(AudioRing, BytesComeOutInOrderAcrossTheRingEnd) {
    AudioRing ring;
    std::vector<uint8_t> scratch(AudioRing::kSize - 100);
    ring.Push(scratch);
    ring.Take(scratch);  // both indices now 100 bytes before the end
    ASSERT_EQ(ring.writeIndex(), AudioRing::kSize - 100);

    const auto chunk = Counting(300, 1);
    ASSERT_EQ(ring.Push(chunk), 300u);
    EXPECT_EQ(ring.writeIndex(), 200u);

    std::vector<uint8_t> first(150), rest(200);
    EXPECT_EQ(ring.Take(first), 150u);
    EXPECT_EQ(ring.Take(rest), 150u);  // only what is there
    EXPECT_TRUE(std::equal(first.begin(), first.end(), chunk.begin()));
    EXPECT_TRUE(std::equal(rest.begin(), rest.begin() + 150, chunk.begin() + 150));
    EXPECT_EQ(ring.readIndex(), 200u);
}

TEST(AudioRing, ObserverSeesDroppedBytesTooAndClearEmpties) {
    AudioRing ring;
    size_t offered = 0;
    ring.SetPushObserver([&](std::span<const uint8_t> bytes) { offered += bytes.size(); });
    const auto big = Counting(AudioRing::kSize + 500);
    EXPECT_EQ(ring.Push(big), AudioRing::kSize);
    EXPECT_EQ(offered, big.size());

    ring.Clear();
    EXPECT_EQ(ring.count(), 0u);
    EXPECT_EQ(ring.readIndex(), 0u);
    EXPECT_EQ(ring.writeIndex(), 0u);
    EXPECT_EQ(ring.room(), AudioRing::kSize);
}

}  // namespace
}  // namespace vn::movie
