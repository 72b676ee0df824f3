// The motion scan on recordings of flat grey pictures in which one block
// brightens: what it compares, where it stops, damaged frames, stopping and
// closing from the window's side, each with and without decoding ahead.
#include <gtest/gtest.h>

#include <vector>

#include "recording/decode_ahead.h"
#include "sample_recording.h"
#include "samplewriter/jpeg_encoder.h"

namespace vn::avi {
namespace {

using samples::CameraAviOptions;
using test::Bytes;

constexpr int kSide = 64;

// A flat grey picture, one 8 x 8 block of it brighter by `brighter`. At
// quality 100 the quantisers are 1, so the DC-only luma is the block's mean.
Bytes GreyPicture(int brighter = 0, int block = 9) {
    std::vector<uint8_t> rgb(kSide * kSide * 3, 100);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const int row = block / (kSide / 8) * 8 + y, column = block % (kSide / 8) * 8 + x;
            for (int c = 0; c < 3; ++c) rgb[(row * kSide + column) * 3 + c] = static_cast<uint8_t>(100 + brighter);
        }
    }
    return samples::EncodeJpeg(rgb.data(), kSide, kSide, 100);
}

// The picture without its segments of one marker (0xDB: the quantisation tables).
Bytes Without(const Bytes& jpeg, uint8_t marker) {
    Bytes out(jpeg.begin(), jpeg.begin() + 2);
    size_t pos = 2;
    while (pos + 4 <= jpeg.size() && jpeg[pos + 1] != 0xDA) {
        const size_t end = pos + 2 + (jpeg[pos + 2] << 8 | jpeg[pos + 3]);
        if (jpeg[pos + 1] != marker) out.insert(out.end(), jpeg.begin() + pos, jpeg.begin() + end);
        pos = end;
    }
    out.insert(out.end(), jpeg.begin() + pos, jpeg.end());
    return out;
}

// Runs every case with the caller's thread decoding (1) and with three
// workers decoding ahead: the results must not differ.
class MotionScan : public test::SampleRecording, public ::testing::WithParamInterface<int> {
protected:
    OpenResult Open(const std::vector<Bytes>& frames) {
        CameraAviOptions options;
        options.width = options.height = kSide;
        const OpenResult result = SampleRecording::Open(options, frames);
        recording.scanner.decodeThreads = GetParam();
        return result;
    }
    int Scan(int start, int end, int threshold = 10) { return recording.scanner.MotionScan(start, end, threshold); }

    const Bytes still = GreyPicture();
    const Bytes moved = GreyPicture(30);
};

TEST_P(MotionScan, ComparesEachFrameWithTheOneBeforeIt) {
    const Bytes first = GreyPicture(30, 0);
    ASSERT_EQ(Open({first, still, still, moved, moved, moved, still}), OpenResult::kOpened);
    EXPECT_EQ(Scan(0, 7), 1);
    EXPECT_EQ(Scan(1, 7), 3);  // the start frame is the reference, never reported
    EXPECT_EQ(Scan(3, 7), 6);
    EXPECT_EQ(Scan(3, 6), 0);  // the end is not fetched
    EXPECT_EQ(Scan(5, 0), 2);  // backward: the frame that differs from the one after it
    EXPECT_EQ(Scan(2, 0), 0);  // frame 0 ends a backward scan and is never compared
    EXPECT_EQ(Scan(7, 0), 5);  // a start past the last frame begins at it
    EXPECT_EQ(Scan(1, 40), 3);
    EXPECT_EQ(Scan(4, 40), 6);
    EXPECT_EQ(Scan(6, 40), 0);  // the walk ends at the last frame whatever end says

    EXPECT_EQ(Scan(5, 5), -1);
    const int64_t fetched = recording.scanner.counts.frames;
    EXPECT_EQ(Scan(5, 6), 0);
    EXPECT_EQ(recording.scanner.counts.frames - fetched, 1);
    EXPECT_EQ(recording.currentFrame(), 0);
}

TEST_P(MotionScan, ABlockMustChangeByMoreThanTheThreshold) {
    ASSERT_EQ(Open({still, still, moved}), OpenResult::kOpened);
    EXPECT_EQ(Scan(0, 3, 29), 2);
    EXPECT_EQ(Scan(0, 3, 30), 0);
    EXPECT_EQ(Scan(0, 3, -1), 1);  // a negative threshold sees every block change
}

TEST_P(MotionScan, FramesThatCannotBeDecodedAreNotCompared) {
    Bytes truncated = moved;
    truncated.resize(truncated.size() - 200);
    const Bytes garbage(still.size(), 0x55);
    // 0, 1 still; 2 unreadable; 3 moved; 4 unreadable; 5 moved; 6 cut short;
    // 7 without its own quantisation tables; 8 still.
    ASSERT_EQ(Open({still, still, garbage, moved, garbage, moved, truncated, Without(still, 0xDB), still}),
              OpenResult::kOpened);
    const int64_t skipped = recording.scanner.counts.skipped;
    EXPECT_EQ(Scan(0, 9), 3);  // compared with frame 1, the last good one
    EXPECT_EQ(recording.scanner.counts.skipped - skipped, 1);
    EXPECT_EQ(Scan(3, 9), 8);
    EXPECT_EQ(Scan(1, 3), 0);
    EXPECT_EQ(Scan(2, 9), 8);  // an unreadable start: the first good frame (3) is the reference
    EXPECT_EQ(Scan(8, 0), 5);
    EXPECT_EQ(Scan(4, 2), 0);
}

TEST_P(MotionScan, AStopIsNoticedAfterTheFrameBeingCompared) {
    ASSERT_EQ(Open(std::vector<Bytes>(20, still)), OpenResult::kOpened);
    std::vector<int> shown;
    recording.scanner.frameScanned = [&](int frame) {
        shown.push_back(frame);
        if (frame == 4) recording.scanner.RequestScanStop();
    };
    EXPECT_EQ(Scan(0, 20), 4);
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 4}));
    // The next scan starts with the request cleared.
    shown.clear();
    EXPECT_EQ(Scan(10, 0), 4);
    EXPECT_EQ(shown, (std::vector<int>{10, 9, 8, 7, 6, 5, 4}));
    recording.scanner.frameScanned = nullptr;
    EXPECT_EQ(Scan(10, 0), 0);
}

TEST_P(MotionScan, TheThumbnailShowsTheLastGoodFrame) {
    const Bytes garbage(still.size(), 0x55);
    ASSERT_EQ(Open({still, moved, garbage}), OpenResult::kOpened);
    recording.scanner.frameScanned = [&](int frame) {
        const Picture& thumbnail = recording.scanner.Thumbnail();
        ASSERT_EQ(thumbnail.width(), kSide / 8);
        ASSERT_EQ(thumbnail.height(), kSide / 8);
        // Block 9 is row 1, column 1; frame 2 leaves frame 1's picture.
        EXPECT_EQ(thumbnail.Row(1)[3], frame == 0 ? 100 : 130) << frame;
        EXPECT_EQ(thumbnail.Row(0)[0], 100);
    };
    EXPECT_EQ(Scan(0, 3, 255), 0);
}

TEST_P(MotionScan, ClosingTheRecordingDuringAScanEndsIt) {
    ASSERT_EQ(Open(std::vector<Bytes>(30, still)), OpenResult::kOpened);
    int nested = 0;
    recording.scanner.frameScanned = [&](int frame) {
        if (frame != 3) return;
        // A second scan from a window event cannot take the running one's buffers.
        nested = Scan(0, 10);
        recording.CloseRecording();
    };
    EXPECT_EQ(Scan(0, 30), 3);
    EXPECT_EQ(nested, -1);
    recording.scanner.frameScanned = nullptr;
    ASSERT_EQ(Open({still, moved}), OpenResult::kOpened);
    EXPECT_EQ(Scan(0, 2), 1);
}

INSTANTIATE_TEST_SUITE_P(DecodeThreads, MotionScan, ::testing::Values(1, 3),
                         [](const auto& info) { return info.param == 1 ? "OnTheCallersThread" : "Ahead"; });

using SampleRecording = test::SampleRecording;

TEST_F(SampleRecording, DecodeAheadHandsOutEveryFrameInOrder) {
    CameraAviOptions options;
    options.width = options.height = kSide;
    std::vector<Bytes> frames;
    for (int f = 0; f < 50; ++f) frames.push_back(GreyPicture(f, f % 64));
    ASSERT_EQ(Open(options, frames), OpenResult::kOpened);
    DecodeAhead ahead(recording, 49, -1, 50, 4);
    ASSERT_TRUE(ahead.ok());
    for (int f = 49; f >= 0; --f) {
        const DcFrame& frame = ahead.Next();
        ASSERT_EQ(frame.frame, f);
        ASSERT_TRUE(frame.readable);
        EXPECT_EQ(frame.image.luma[f % 64], 100 + f) << f;
    }
    // Stopping part way, with workers waiting for room, leaves nothing running.
    DecodeAhead stopped(recording, 0, 1, 50, 2);
    ASSERT_TRUE(stopped.ok());
    EXPECT_EQ(stopped.Next().frame, 0);
    stopped.Stop();
}

}  // namespace
}  // namespace vn::avi
