// The fast entropy decoder against the exact one: on every block the fast
// decoder finishes, both must agree on the coefficients and the predictor;
// wherever the exact decoder stops on an error, the fast one must have
// handed back before; after a whole scan the byte counts must agree.
#include <gtest/gtest.h>

#include <random>
#include <string_view>
#include <vector>

#include "decode/decoder_tables.h"
#include "decode/exact_entropy.h"
#include "decode/fast_entropy.h"
#include "jpeg_test_support.h"

namespace vn::jpeg {
namespace {

struct ScanTables {
    explicit ScanTables(const uint8_t* lumaBits = test::kLuminanceDcBits,
                        const uint8_t* chromaBits = test::kChrominanceDcBits,
                        std::span<const uint8_t> values = test::kDcValues) {
        const uint8_t* bits[2] = {lumaBits, chromaBits};
        for (int t = 0; t < 2; ++t) {
            std::vector<uint8_t> tableBytes(bits[t], bits[t] + 16);
            tableBytes.insert(tableBytes.end(), values.begin(), values.end());
            BuildHuffmanTable(dc[t], tableBytes);
        }
        tables.Build();
        scan = tables.ForScan(dc);
    }
    HuffmanTable dc[2];
    DecoderTables tables;
    EntropyTables scan;
};

enum class Mode { kFull, kDcOnly };

struct Comparison {
    int blocksAgreed = 0;
    bool fastFinished = false;
    int exactError = 0;
};

// Decodes `mcus` MCUs of six blocks with both decoders.
Comparison Compare(const ScanTables& t, std::span<const uint8_t> data, size_t start, int mcus, Mode mode) {
    Comparison result;
    int scanBytes = 0;
    const std::function<void(std::string_view)> quiet = [](std::string_view) {};
    ExactEntropy exact(data, start, t.scan, scanBytes, result.exactError, quiet);
    DestuffedScan copy;
    copy.Fill(data, start);
    FastEntropy fast(copy, t.scan);
    int32_t exactPredictor[3] = {}, fastPredictor[3] = {};
    bool fastRunning = true;
    for (int block = 0; block < 6 * mcus; ++block) {
        const int b = block % 6;
        const int component = b < 4 ? 0 : 1;
        const int slot = b < 4 ? 0 : b - 3;
        CoefficientBlock exactBlock{}, fastBlock{};
        BlockResult exactResult, fastResult = BlockResult::kRetry;
        if (mode == Mode::kFull) {
            exactResult = exact.DecodeBlock(component, exactPredictor[slot], exactBlock);
            if (fastRunning) fastResult = fast.DecodeBlock(component, fastPredictor[slot], fastBlock);
        } else {
            exactResult = exact.SkipBlock(component, exactPredictor[slot]);
            if (fastRunning) fastResult = fast.SkipBlock(component, fastPredictor[slot]);
        }
        if (fastRunning && fastResult == BlockResult::kRetry) fastRunning = false;
        if (fastRunning) {
            EXPECT_EQ(fastResult, BlockResult::kDone);
            EXPECT_EQ(exactResult, BlockResult::kDone) << "block " << block;
            EXPECT_EQ(result.exactError, 0);
            EXPECT_EQ(exactPredictor[slot], fastPredictor[slot]) << "block " << block;
            EXPECT_TRUE(std::equal(exactBlock.coef, exactBlock.coef + 64, fastBlock.coef)) << "block " << block;
            if (::testing::Test::HasFailure()) return result;
            ++result.blocksAgreed;
        }
        if (exactResult != BlockResult::kDone) return result;
    }
    result.fastFinished = fastRunning;
    if (fastRunning) {
        EXPECT_EQ(fast.ScanBytes(), scanBytes);
    }
    return result;
}

struct EncodedFrame {
    std::vector<uint8_t> jpeg;
    size_t start;
    int mcus;
};

EncodedFrame Encoded(int width, int height, int quality, uint32_t seed) {
    EncodedFrame frame;
    frame.jpeg = test::EncodeFrame(test::NaturalImage(width, height, seed), width, height, quality);
    frame.start = test::ScanOffset(frame.jpeg);
    frame.mcus = ((width + 15) / 16) * ((height + 15) / 16);
    return frame;
}

TEST(Entropy, IntactScansDecodeIdenticallyToTheEnd) {
    const ScanTables tables;
    for (int quality : {30, 85, 100}) {
        const EncodedFrame frame = Encoded(96, 64, quality, quality);
        for (Mode mode : {Mode::kFull, Mode::kDcOnly}) {
            const Comparison c = Compare(tables, frame.jpeg, frame.start, frame.mcus, mode);
            EXPECT_TRUE(c.fastFinished) << quality;
            EXPECT_EQ(c.blocksAgreed, 6 * frame.mcus);
        }
    }
}

// Bytes after the last MCU are loaded ahead but never read; the byte count
// must give back stuffed 0xFF bytes among them as two bytes each.
TEST(Entropy, ByteCountWithStuffedBytesLoadedAhead) {
    const ScanTables tables;
    const EncodedFrame frame = Encoded(48, 32, 85, 4);
    for (int extra = 1; extra <= 6; ++extra) {
        std::vector<uint8_t> padded = frame.jpeg;
        for (int i = 0; i < extra; ++i) padded.insert(padded.end() - 2, {0xFF, 0x00});
        for (Mode mode : {Mode::kFull, Mode::kDcOnly}) {
            EXPECT_TRUE(Compare(tables, padded, frame.start, frame.mcus, mode).fastFinished);
        }
    }
}

TEST(Entropy, TruncatedScansAtEveryLength) {
    const ScanTables tables;
    const EncodedFrame frame = Encoded(48, 32, 90, 3);
    for (size_t end = frame.start; end <= frame.jpeg.size(); ++end) {
        const std::span<const uint8_t> cut(frame.jpeg.data(), end);
        for (Mode mode : {Mode::kFull, Mode::kDcOnly}) {
            Compare(tables, cut, frame.start, frame.mcus, mode);
            ASSERT_FALSE(::testing::Test::HasFailure()) << "cut at " << end;
        }
    }
}

// Runs `trials` damaged copies of one frame through both decoders;
// damage(copy, random, trial) returns whether the fast decoder may still
// finish the scan.
template <class Damage>
void CompareDamaged(int trials, uint32_t seed, Damage&& damage) {
    const ScanTables tables;
    const EncodedFrame frame = Encoded(64, 48, 85, seed);
    std::mt19937 random(seed);
    for (int trial = 0; trial < trials; ++trial) {
        std::vector<uint8_t> damaged = frame.jpeg;
        const bool mayFinish = damage(damaged, frame.start, random, trial);
        const Comparison c = Compare(tables, damaged, frame.start, frame.mcus, trial % 2 ? Mode::kFull : Mode::kDcOnly);
        ASSERT_FALSE(::testing::Test::HasFailure()) << "trial " << trial;
        EXPECT_TRUE(mayFinish || !c.fastFinished) << "trial " << trial;
    }
}

TEST(Entropy, FlippedBits) {
    CompareDamaged(400, 5, [](std::vector<uint8_t>& jpeg, size_t start, std::mt19937& random, int trial) {
        for (int flips = 1 + trial % 3; flips > 0; --flips) {
            jpeg[start + random() % (jpeg.size() - 2 - start)] ^= 1 << (random() % 8);
        }
        return true;
    });
}

TEST(Entropy, MarkersInsideTheScan) {
    const uint8_t codes[] = {0xD0, 0xD3, 0xD7, 0xD9, 0xFF, 0xC4, 0x01};
    CompareDamaged(300, 6, [&](std::vector<uint8_t>& jpeg, size_t start, std::mt19937& random, int trial) {
        // Every byte before the last two of the scan carries bits it needs.
        const size_t at = start + random() % (jpeg.size() - 2 - start);
        jpeg.insert(jpeg.begin() + at, {0xFF, codes[trial % 7]});
        return at + 4 >= jpeg.size() - 2;
    });
}

// Tables no camera writes: short, over-full or inconsistent BITS and sizes
// of 12 and more, which the exact decoder passes through unextended.
TEST(Entropy, UnusualDcTablesOnRandomData) {
    std::mt19937 random(13);
    for (int trial = 0; trial < 300; ++trial) {
        uint8_t bits[2][16] = {};
        for (auto& table : bits) {
            for (int i = 0; i < 4; ++i) table[random() % 16] += random() % 5;
        }
        uint8_t values[40];
        for (uint8_t& v : values) v = random() % 3 == 0 ? random() % 256 : random() % 12;
        const ScanTables tables(bits[0], bits[1], values);
        std::vector<uint8_t> data(300);
        for (uint8_t& b : data) b = random() % 4 == 0 ? 0xFF : random() % 256;
        Compare(tables, data, 0, 8, trial % 2 ? Mode::kFull : Mode::kDcOnly);
        ASSERT_FALSE(::testing::Test::HasFailure()) << "trial " << trial;
    }
}

}  // namespace
}  // namespace vn::jpeg
