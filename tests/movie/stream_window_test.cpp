#include "movie/stream_window.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <unistd.h>
#include <vector>

#include "samplewriter/bit_writer.h"

namespace vn::mpeg4 {
namespace {

constexpr uint32_t kWindow = 1048576;  // 1 MiB: a multiple of any usual page size

class StreamWindowTest : public ::testing::Test {
protected:
    // Writes bytes to a file of this test and opens it.
    void Open(const std::vector<uint8_t>& bytes) {
        samples::BitWriter w;
        w.Bytes(bytes);
        ASSERT_TRUE(w.WriteFile(path));
        ASSERT_EQ(stream.Open(path), 0);
    }
    // Opens bytes kept in memory, read in windows of the given size.
    void OpenInMemory(std::vector<uint8_t> bytes, uint32_t windowSize) {
        memory = std::move(bytes);
        ASSERT_EQ(stream.Open(std::make_unique<MemoryFile>(memory), windowSize), 0);
    }
    // A file of n bytes with the given bytes placed at offset.
    static std::vector<uint8_t> FileWith(size_t n, size_t offset, std::vector<uint8_t> bytes) {
        std::vector<uint8_t> file(n, 0x55);
        std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<long>(offset));
        return file;
    }

    const std::string path =
        ::testing::TempDir() + "stream_window_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::vector<uint8_t> memory;
    StreamWindow stream;
};

TEST_F(StreamWindowTest, SmallFileIsOneWindowOfItsLength) {
    Open({1, 2, 3, 4, 5});
    EXPECT_EQ(stream.windowSize(), kWindow);
    EXPECT_EQ(stream.windowLength(), 5u);
    EXPECT_EQ(stream.fileSize(), 5u);
    uint32_t v = 0;
    ASSERT_TRUE(stream.Read32(v));
    EXPECT_EQ(v, 0x04030201u);
    EXPECT_EQ(stream.position(), 4u);
    // The last byte: reading it moves past the end of the file, which fails.
    uint8_t b = 0;
    EXPECT_FALSE(stream.Read8(b));
    EXPECT_EQ(b, 5);
    EXPECT_FALSE(stream.Read8(b));
    EXPECT_FALSE(stream.Advance());
}

TEST_F(StreamWindowTest, OpenFailsForMissingAndEmptyFiles) {
    EXPECT_EQ(stream.Open(::testing::TempDir() + "no_such_stream"), -1);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_FALSE(stream.isOpen());
    const std::string empty = ::testing::TempDir() + "stream_window_empty";
    ASSERT_TRUE(samples::BitWriter().WriteFile(empty));
    EXPECT_EQ(stream.Open(empty), -1);
    EXPECT_EQ(errno, EINVAL);
    stream.Close();
    EXPECT_FALSE(stream.isOpen());
}

TEST_F(StreamWindowTest, ReadsAcrossTheWindowBoundaryGiveTheSameValues) {
    const std::vector<uint8_t> pattern = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};
    Open(FileWith(kWindow + 100, kWindow - 3, pattern));
    ASSERT_TRUE(stream.Skip(kWindow - 3));
    EXPECT_EQ(stream.windowOffset(), 0u);
    uint32_t v = 0;
    ASSERT_TRUE(stream.PeekBits(32, v));
    EXPECT_EQ(v, 0x12345678u);
    EXPECT_EQ(stream.windowOffset(), 0u);  // a peek maps the old window back
    ASSERT_TRUE(stream.Read32(v));
    EXPECT_EQ(v, 0x78563412u);
    EXPECT_EQ(stream.windowOffset(), kWindow);
    EXPECT_EQ(stream.position(), kWindow + 1);

    // The same bits at an odd bit offset, read across the boundary.
    stream.Restore({0, kWindow - 3, 0x08});  // fifth bit of 0x12
    ASSERT_TRUE(stream.ReadBits(32, v));
    EXPECT_EQ(v, 0x23456789u);
    EXPECT_EQ(stream.position(), kWindow + 1);
    EXPECT_EQ(stream.windowOffset(), kWindow);
}

TEST_F(StreamWindowTest, StepBackCrossesToThePreviousWindowButNotBeforeTheFile) {
    Open(FileWith(kWindow + 10, kWindow - 1, {0xAA, 0xBB}));
    EXPECT_FALSE(stream.StepBack());
    ASSERT_TRUE(stream.Skip(kWindow));  // lands on a window end: maps the next
    EXPECT_EQ(stream.windowOffset(), kWindow);
    ASSERT_TRUE(stream.StepBack());
    EXPECT_EQ(stream.windowOffset(), 0u);
    EXPECT_EQ(stream.position(), kWindow - 1);
    uint8_t b = 0;
    ASSERT_TRUE(stream.Read8(b));
    EXPECT_EQ(b, 0xAA);
}

TEST_F(StreamWindowTest, SaveRestoreAndCopyAheadDoNotConsume) {
    Open(FileWith(kWindow + 10, kWindow - 2, {1, 2, 3, 4, 5}));
    ASSERT_TRUE(stream.Skip(kWindow - 2));
    const StreamWindow::Mark mark = stream.Save();
    uint8_t copy[5] = {};
    ASSERT_TRUE(stream.CopyAhead(copy, 5));
    EXPECT_EQ(std::vector<uint8_t>(copy, copy + 5), (std::vector<uint8_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(stream.position(), kWindow - 2);
    ASSERT_TRUE(stream.Skip(3));
    stream.Restore(mark);
    EXPECT_EQ(stream.windowOffset(), 0u);
    EXPECT_EQ(stream.position(), kWindow - 2);
    // Copying past the end of the file fails and leaves the position.
    uint8_t tooMany[16] = {};
    EXPECT_FALSE(stream.CopyAhead(tooMany, 13));
    EXPECT_EQ(stream.position(), kWindow - 2);
}

TEST_F(StreamWindowTest, MapWindowRefusesOffsetsOutsideTheFileAndKeepsTheWindow) {
    Open(FileWith(kWindow + 10, 0, {}));
    ASSERT_TRUE(stream.Skip(7));
    EXPECT_EQ(stream.MapWindow(2 * uint64_t{kWindow}), -1);
    EXPECT_EQ(stream.MapWindow(100), -1);  // not a window start
    EXPECT_EQ(stream.position(), 7u);
    EXPECT_EQ(stream.MapWindow(kWindow), 10);
    EXPECT_EQ(stream.position(), kWindow);
}

TEST_F(StreamWindowTest, BitReadsMostSignificantFirstAndFailAtTheLastBit) {
    Open({0b10110010, 0xF0});
    uint32_t v = 0;
    ASSERT_TRUE(stream.ReadBits(3, v));
    EXPECT_EQ(v, 0b101u);
    EXPECT_FALSE(stream.byteAligned());
    ASSERT_TRUE(stream.PeekBits(9, v));
    EXPECT_EQ(v, 0b100101111u);
    EXPECT_EQ(stream.CountLeadingZeros(), 0);
    ASSERT_TRUE(stream.ReadBits(1, v));
    EXPECT_EQ(stream.CountLeadingZeros(), 2);
    ASSERT_TRUE(stream.ReadBits(11, v));
    EXPECT_EQ(v, 0b00101111000u);
    // One bit left: the file's last, which cannot be read.
    EXPECT_FALSE(stream.PeekBits(1, v));
    EXPECT_EQ(stream.CountLeadingZeros(), -1);
    EXPECT_FALSE(stream.ReadBits(1, v));
    EXPECT_FALSE(stream.ReadBits(1, v));
}

TEST_F(StreamWindowTest, ByteAlignStepsOverStuffing) {
    Open({0x7F, 0xA5, 0x80, 0x11, 0x7F});
    stream.ByteAlign();  // a whole 0x7F byte
    EXPECT_EQ(stream.position(), 1u);
    uint32_t v = 0;
    ASSERT_TRUE(stream.ReadBits(1, v));
    stream.ByteAlign();  // the rest of 0xA5, then the 0x80 byte
    EXPECT_EQ(stream.position(), 3u);
    stream.ByteAlign();  // aligned on 0x11: nothing to do
    EXPECT_EQ(stream.position(), 3u);
}

std::vector<uint8_t> Concat(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<uint8_t> kVopStart = {0x00, 0x00, 0x01, 0xB6, 0x12, 0x34, 0x56};

TEST_F(StreamWindowTest, StartCodeAfterStuffingOrZerosIsFound) {
    Open(Concat({0x7F}, kVopStart));
    EXPECT_EQ(stream.FindNextStartCode(), 0x1B6);
    EXPECT_EQ(stream.position(), 1u);
    EXPECT_EQ(stream.skippedBytes(), 0u);

    // Partial stuffing: the reader stands inside a byte ending in ones.
    Open(Concat({0x3F}, kVopStart));
    uint32_t v = 0;
    ASSERT_TRUE(stream.ReadBits(2, v));
    EXPECT_EQ(stream.FindNextStartCode(), 0x1B6);
    EXPECT_EQ(stream.position(), 1u);

    Open(Concat({0x80}, kVopStart));
    EXPECT_EQ(stream.FindNextStartCode(), 0x1B6);
    EXPECT_EQ(stream.skippedBytes(), 0u);

    // More than 23 zero bits: the surplus is consumed.
    Open(Concat({0x00, 0x00, 0x00}, kVopStart));
    EXPECT_EQ(stream.FindNextStartCode(), 0x1B6);
    EXPECT_EQ(stream.position(), 3u);
    EXPECT_TRUE(stream.byteAligned());
    ASSERT_TRUE(stream.ReadBits(32, v));
    EXPECT_EQ(v, 0x1B6u);
}

TEST_F(StreamWindowTest, StartCodeSearchGivesUpAfter32BytesOfOtherData) {
    Open(Concat(std::vector<uint8_t>(32, 0x33), kVopStart));
    EXPECT_EQ(stream.FindNextStartCode(), 0x1B6);
    EXPECT_EQ(stream.skippedBytes(), 32u);
    EXPECT_EQ(stream.position(), 32u);

    Open(Concat(std::vector<uint8_t>(33, 0x33), kVopStart));
    EXPECT_EQ(stream.FindNextStartCode(), -1);
    EXPECT_EQ(stream.skippedBytes(), 32u);

    // The end of the file ends the search too.
    Open({0x33, 0x00, 0x00});
    EXPECT_EQ(stream.FindNextStartCode(), -1);
}

TEST_F(StreamWindowTest, StartCodeAcrossTheWindowBoundaryIsPeekedNotConsumed) {
    Open(FileWith(kWindow + 16, kWindow - 2, kVopStart));
    ASSERT_TRUE(stream.Skip(kWindow - 6));
    EXPECT_EQ(stream.FindNextStartCode(), 0x1B6);
    EXPECT_EQ(stream.position(), kWindow - 2);
    EXPECT_EQ(stream.skippedBytes(), 4u);
}

TEST_F(StreamWindowTest, AFileCutShortWhileOpenEndsEarlyInsteadOfFaulting) {
    Open(FileWith(3 * uint64_t{kWindow}, kWindow - 1, {0xAA}));
    ASSERT_EQ(truncate(path.c_str(), kWindow + 10), 0);
    ASSERT_TRUE(stream.Skip(kWindow - 1));
    uint8_t b = 0;
    EXPECT_FALSE(stream.Read8(b));  // the next window is no longer there
    EXPECT_EQ(b, 0xAA);
    EXPECT_FALSE(stream.Advance());
    uint32_t v = 0;
    EXPECT_FALSE(stream.ReadBits(8, v));
    EXPECT_EQ(stream.FindNextStartCode(), -1);
    EXPECT_EQ(stream.windowOffset(), 0u);
}

TEST_F(StreamWindowTest, ZeroRunsAreStuffingUpToALimitThenTheEndOfTheStream) {
    const uint32_t most = StreamWindow::kMaxZeroRunBytes;
    OpenInMemory(Concat(std::vector<uint8_t>(most, 0), kVopStart), 4096);
    EXPECT_EQ(stream.FindNextStartCode(), 0x1B6);
    EXPECT_EQ(stream.position(), most);
    OpenInMemory(Concat(std::vector<uint8_t>(most + 1, 0), kVopStart), 4096);
    EXPECT_EQ(stream.FindNextStartCode(), -1);

    // The unwritten tail of a recording: far more zeros than any stuffing.
    OpenInMemory(Concat(kVopStart, std::vector<uint8_t>(size_t{64} << 20, 0)), 0);
    uint32_t v = 0;
    ASSERT_TRUE(stream.ReadBits(32, v));
    EXPECT_EQ(stream.FindNextStartCode(), -1);
}

TEST_F(StreamWindowTest, PrefixSearchesCrossWindowsBothWaysAndKeepToTheirBounds) {
    // 00 00 01 at 5, across the window boundary at 16 (from 14), at 40 and
    // as the file's last three bytes, which CopyAhead cannot copy.
    std::vector<uint8_t> bytes(64, 0x55);
    for (size_t at : {5, 14, 40, 61}) std::copy_n(kVopStart.begin(), 3, bytes.begin() + static_cast<long>(at));
    OpenInMemory(bytes, 16);
    for (uint64_t expected : {5u, 14u}) {
        ASSERT_TRUE(stream.FindPrefixForward(100));
        EXPECT_EQ(stream.position(), expected);
        ASSERT_TRUE(stream.Advance());
    }
    EXPECT_FALSE(stream.FindPrefixForward(39));
    EXPECT_EQ(stream.position(), 40u);  // just past the bound
    ASSERT_TRUE(stream.FindPrefixForward(40));
    ASSERT_TRUE(stream.Advance());
    EXPECT_FALSE(stream.FindPrefixForward(100));

    stream.Restore({48, 15, 0x80});  // the last byte
    for (uint64_t expected : {40u, 14u}) {
        ASSERT_TRUE(stream.FindPrefixBackward(0));
        EXPECT_EQ(stream.position(), expected);
        ASSERT_TRUE(stream.StepBack());
    }
    EXPECT_FALSE(stream.FindPrefixBackward(6));
    EXPECT_EQ(stream.position(), 5u);  // just before the bound
    ASSERT_TRUE(stream.FindPrefixBackward(0));
    EXPECT_FALSE(stream.StepBack() && stream.FindPrefixBackward(0));
}

}  // namespace
}  // namespace vn::mpeg4
