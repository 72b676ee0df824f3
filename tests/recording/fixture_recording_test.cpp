// The reader against two camera recordings whose expected values come from
// an independent implementation.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "recording/elapsed.h"
#include "recording/recording.h"
#include "recording_test_support.h"

namespace vn::avi {
namespace {

struct ShownFrame {
    int frame;
    int intervalMs;
    int64_t elapsed;
    const char* elapsedText;
    const char* date;
    const char* time;
    int dateSource;
};

struct Scan {
    int start, end, result;
};

struct MotionScanCase {
    int start, end, threshold, result;
};

class FixtureRecording : public ::testing::Test {
protected:
    void SetUp() override { test::UseUtc(); }

    OpenResult Open(const std::string& name, const char* fileTime) {
        return recording.OpenRecording(test::CopyFixture(folder, name, fileTime));
    }

    // Shows every frame in order as the player does and checks the listed ones.
    void PlayAndCheck(const std::vector<ShownFrame>& expected) {
        Picture picture(recording.header.width, recording.header.height);
        ElapsedClock elapsed;
        elapsed.Reset(recording.hasClock, recording.elapsedIntervalSecs());
        auto next = expected.begin();
        for (int i = 0; i < recording.header.frames; ++i) {
            recording.SetFrame(i);
            ASSERT_EQ(recording.ReadFrame(i), FrameRead::kOk) << i;
            int intervalMs = -1;
            uint32_t clockLow = 0;
            ASSERT_TRUE(
                recording.DecodeCurrentFrame(recording.LastFrameBytes(), picture, &intervalMs, &clockLow).complete());
            elapsed.ShowFrame(i, intervalMs, decoder.camera.FrameClock);
            std::string date, time;
            recording.FrameDateTime(elapsed.g_nElapsedSecs, date, time);
            if (next == expected.end() || next->frame != i) continue;
            SCOPED_TRACE(i);
            EXPECT_EQ(intervalMs, next->intervalMs);
            EXPECT_EQ(elapsed.g_nElapsedSecs, next->elapsed);
            const std::string text =
                recording.hasEvents ? EventNumberText(recording.EventList, i) : FormatElapsed(elapsed.g_nElapsedSecs);
            EXPECT_EQ(text, next->elapsedText);
            EXPECT_EQ(date, next->date);
            EXPECT_EQ(time, next->time);
            EXPECT_EQ(recording.lastDateSource(), next->dateSource);
            ++next;
        }
        EXPECT_EQ(next, expected.end());
    }

    void CheckEventScans(const std::vector<Scan>& scans) {
        const int cursor = recording.currentFrame();
        for (const Scan& s : scans) {
            EXPECT_EQ(recording.scanner.EventScan(s.start, s.end), s.result) << s.start << " to " << s.end;
        }
        EXPECT_EQ(recording.currentFrame(), cursor);
    }

    // On the caller's thread and decoding ahead alike.
    void CheckMotionScans(const std::vector<MotionScanCase>& scans) {
        for (const int threads : {1, 3}) {
            recording.scanner.decodeThreads = threads;
            for (const MotionScanCase& s : scans) {
                EXPECT_EQ(recording.scanner.MotionScan(s.start, s.end, s.threshold), s.result)
                    << s.start << " to " << s.end << " at " << s.threshold << ", threads " << threads;
            }
        }
    }

    // Each walk begins with the sensor remembered as off.
    void CheckTriggerWalks(const std::vector<Scan>& walks) {
        for (const Scan& s : walks) {
            decoder.camera.triggerRemembered = false;
            EXPECT_EQ(recording.scanner.TriggerWalk(s.start, s.end), s.result) << s.start << " to " << s.end;
        }
    }

    // Every frame reads, and each chunk lies after the one before it.
    void CheckFrameChain(uint32_t firstOffset, uint32_t lastOffset) {
        uint32_t earliest = firstOffset;
        for (int i = 0; i < recording.header.frames; ++i) {
            uint32_t offset = 0, length = 0;
            ASSERT_EQ(recording.ReadFrame(i, {}, &offset, &length), FrameRead::kOk) << i;
            EXPECT_GE(offset, earliest) << i;
            if (i == 0) {
                EXPECT_EQ(offset, firstOffset);
            }
            EXPECT_EQ(recording.LastFrameBytes().size(), length);
            EXPECT_EQ(recording.LastFrameBytes()[0], 0xFF);
            earliest = offset + 8 + length;
        }
        uint32_t offset = 0;
        EXPECT_EQ(recording.GetFrameEntry(recording.header.frames - 1, &offset, nullptr), FrameRead::kOk);
        EXPECT_EQ(offset, lastOffset);
        EXPECT_EQ(recording.ReadFrame(recording.header.frames), FrameRead::kNoSuchFrame);
        EXPECT_EQ(recording.ReadFrame(-1), FrameRead::kNoSuchFrame);
    }

    test::TempFolder folder;
    jpeg::JpegDecoder decoder;
    Recording recording{decoder};
};

TEST_F(FixtureRecording, EventRecordingOfAWrd310) {
    ASSERT_EQ(Open("evt320.avi", "2009-01-01 00:00:00"), OpenResult::kOpened) << recording.openFailure;
    EXPECT_EQ(recording.header.frames, 40);
    EXPECT_EQ(recording.header.width, 320);
    EXPECT_EQ(recording.header.height, 240);
    EXPECT_EQ(recording.header.interval, 1);
    EXPECT_EQ(recording.header.rate, 5);
    EXPECT_EQ(recording.modelTag.tag(), "WRD310");
    EXPECT_EQ(recording.modelTag.mode(), 0);
    EXPECT_FALSE(recording.movieRecordPresent);
    EXPECT_FALSE(recording.hasInfo);
    EXPECT_FALSE(recording.asap);
    EXPECT_FALSE(recording.showCaptureInterval);
    EXPECT_TRUE(recording.showElapsedTime);
    EXPECT_EQ(recording.wrdCaptureMode, 0);
    EXPECT_TRUE(recording.hasClock);
    EXPECT_TRUE(recording.hasEvents);
    EXPECT_EQ(recording.moviPos, 0u);
    EXPECT_EQ(recording.idx1Pos, 198356u);
    EXPECT_EQ(recording.EventList, (std::vector<int32_t>{3, 17, 31, 39}));
    EXPECT_EQ(recording.currentFrame(), 0);
    EXPECT_TRUE(recording.openFailure.empty());

    CheckFrameChain(240, 193232);
    PlayAndCheck({
        {0, 0, 0, "1 of 5", "2011/12/31", "23:59:50", 1},
        {1, 1000, 1, "1 of 5", "2011/12/31", "23:59:51", 1},
        {3, 1000, 3, "2 of 5", "2011/12/31", "23:59:53", 1},
        {9, 1000, 9, "2 of 5", "2011/12/31", "23:59:59", 1},
        {10, 1000, 10, "2 of 5", "2012/01/01", "00:00:00", 1},
        {12, 1000, 12, "2 of 5", "2012/01/01", "00:00:02", 1},
        {17, 1000, 17, "3 of 5", "2012/01/01", "00:00:07", 1},
        {19, 1000, 19, "3 of 5", "2012/01/01", "00:00:09", 1},
        {20, 5000, 24, "3 of 5", "2012/01/01", "00:00:14", 1},
        {21, 1000, 25, "3 of 5", "2012/01/01", "00:00:15", 1},
        {39, 1000, 43, "5 of 5", "2012/01/01", "00:00:33", 1},
    });
    CheckEventScans({{0, 40, 3},
                     {3, 40, 3},
                     {4, 40, 17},
                     {18, 40, 31},
                     {32, 40, 39},
                     {39, 0, 39},
                     {16, 0, 3},
                     {2, 0, -1},
                     {10, 13, -1},
                     {40, 0, 39},
                     {40, 40, -1},
                     {38, 0, 31}});
    CheckMotionScans({{0, 40, 4, 8},
                      {0, 40, 20, 8},
                      {0, 40, 60, 30},
                      {39, 0, 4, 34},
                      {39, 0, 20, 34},
                      {39, 0, 60, 34},
                      {23, 40, 19, 24},
                      {23, 40, 20, 25},
                      {23, 40, 21, 30},
                      {16, 24, 4, 0},
                      {5, 5, 4, -1},
                      {5, 6, 4, 0},
                      {29, 0, 4, 24},
                      {29, 0, 25, 15},
                      {15, 0, 4, 14}});
    CheckTriggerWalks({{0, 40, 5}, {7, 40, 20}, {21, 40, 33}, {39, 0, 35}, {19, 0, 6}, {36, 40, -1}});
}

TEST_F(FixtureRecording, AsFastAsPossibleXprmaxWithMovieRecord) {
    ASSERT_EQ(Open("xprmax.avi", "2012-02-28 23:45:00"), OpenResult::kOpened) << recording.openFailure;
    EXPECT_EQ(recording.header.frames, 30);
    EXPECT_EQ(recording.header.width, 256);
    EXPECT_EQ(recording.header.height, 192);
    EXPECT_EQ(recording.header.interval, 60);
    EXPECT_EQ(recording.header.rate, 600);  // raised from 300 to 10 frames a second
    EXPECT_EQ(recording.modelTag.tag(), "XPRMAX");
    EXPECT_EQ(recording.modelTag.mode(), 3);
    ASSERT_TRUE(recording.movieRecordPresent);
    const uint8_t kept[52] = {0x6d, 0x69, 0x6e, 0x66, 0x2e, 0x00, 0x58, 0x50, 0x52, 0x33, 0x31, 0x30, 0x20,
                              0x4d, 0x61, 0x78, 0x20, 0x48, 0x44, 0x52, 0x00, 0x00, 0xd2, 0x04, 0x00, 0x00,
                              0x02, 0x01, 0x01, 0x00, 0x03, 0x01, 0x03, 0x05, 0x04, 0x00, 0x06, 0x00, 0x02,
                              0x00, 0x58, 0x02, 0x00, 0x00, 0xfe, 0xff, 0xc2, 0x01, 0x38, 0x04, 0x7c, 0x00};
    EXPECT_EQ(std::memcmp(recording.movieRecord.bytes, kept, sizeof kept), 0);
    EXPECT_EQ(recording.movieRecord.modelName(), "XPR310 Max HDR");
    EXPECT_EQ(recording.movieRecord.intervalTenths(), 600u);
    EXPECT_TRUE(recording.hasInfo);
    EXPECT_EQ(recording.altIntervalSecs, 60);
    EXPECT_TRUE(recording.asap);
    EXPECT_TRUE(recording.showCaptureInterval);
    EXPECT_TRUE(recording.showElapsedTime);
    EXPECT_EQ(recording.wrdCaptureMode, -1);
    EXPECT_FALSE(recording.hasClock);
    EXPECT_FALSE(recording.hasEvents);
    EXPECT_TRUE(recording.EventList.empty());
    EXPECT_EQ(recording.idx1Pos, 115807u);

    CheckFrameChain(301, 111825);
    PlayAndCheck({
        {0, 0, 0, "0:00:00", "2012/02/28", "23:45:00", 4},
        {1, 0, 60, "0:01:00", "2012/02/28", "23:46:00", 4},
        {14, 0, 840, "0:14:00", "2012/02/28", "23:59:00", 4},
        {15, 0, 900, "0:15:00", "2012/02/29", "00:00:00", 4},
        {29, 0, 1740, "0:29:00", "2012/02/29", "00:14:00", 4},
    });
    CheckEventScans({{0, 30, -1}});
    CheckMotionScans({{0, 30, 4, 10}, {0, 30, 40, 14}, {29, 0, 4, 21}, {29, 0, 40, 21}, {15, 30, 4, 20}});
}

TEST_F(FixtureRecording, ReopeningReleasesTheFormerRecording) {
    ASSERT_EQ(Open("evt320.avi", "2009-01-01 00:00:00"), OpenResult::kOpened);
    recording.GoToEnd();
    ASSERT_EQ(Open("xprmax.avi", "2012-02-28 23:45:00"), OpenResult::kOpened);
    EXPECT_EQ(recording.currentFrame(), 0);
    EXPECT_TRUE(recording.EventList.empty());
    // No frame is longer than the file: the frame buffer is the smaller of the two.
    EXPECT_EQ(recording.frameBuffer.size(), std::min<size_t>(256u * 192 * 3, recording.fileSize));
    EXPECT_EQ(recording.frameIndex.size(), 30u);
    // Display flags are the camera's word and stay until a record changes them.
    EXPECT_EQ(recording.wrdCaptureMode, 0);
    recording.CloseRecording();
    EXPECT_FALSE(recording.isOpen());
    EXPECT_TRUE(recording.frameBuffer.empty());
    EXPECT_EQ(recording.ReadFrame(0), FrameRead::kNoSuchFrame);
}

}  // namespace
}  // namespace vn::avi
