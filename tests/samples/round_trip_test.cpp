// Every sample file read back through the recording reader: header values,
// model tag, movie record, frame index, event list, the camera records of
// every frame and the dates a player shows.
#include <gtest/gtest.h>

#include <cstdio>

#include "decode/jpeg_decoder.h"
#include "recording/recording.h"
#include "samples/test_folder.h"
#include "samplewriter/default_samples.h"

namespace vn::samples {
namespace {

struct ExpectedHeader {
    int32_t interval;
    int32_t rate;  // after the reader's replacements
    bool showInterval;
    bool showElapsed;
    bool asap;
};

std::string DateText(const CameraDate& d) {
    char text[32];
    std::snprintf(text, sizeof text, "%d/%02d/%02d %02d:%02d:%02d", d.year, d.month, d.day, d.hour, d.minute, d.second);
    return text;
}

class SampleRoundTrip : public testing::Test {
protected:
    void Open(const SampleRecording& sample) {
        ASSERT_TRUE(WriteSample(sample, folder_.path().string()));
        ASSERT_EQ(recording_.OpenRecording((folder_.path() / sample.fileName).string()), avi::OpenResult::kOpened)
            << recording_.openFailure;
    }
    void TearDown() override { recording_.CloseRecording(); }

    void ExpectHeader(const SampleRecording& s, const ExpectedHeader& e) {
        EXPECT_EQ(recording_.header.frames, static_cast<int32_t>(s.frames.size()));
        EXPECT_EQ(recording_.header.width, s.avi.width);
        EXPECT_EQ(recording_.header.height, s.avi.height);
        EXPECT_EQ(recording_.header.interval, e.interval);
        EXPECT_EQ(recording_.header.rate, e.rate);
        EXPECT_EQ(recording_.modelTag.tag(), s.avi.modelTag);
        EXPECT_EQ(recording_.modelTag.mode(), s.avi.modelMode);
        EXPECT_EQ(recording_.showCaptureInterval, e.showInterval);
        EXPECT_EQ(recording_.showElapsedTime, e.showElapsed);
        EXPECT_EQ(recording_.asap, e.asap);
        EXPECT_EQ(recording_.moviPos != 0, s.avi.index == CameraAviOptions::Index::AfterRiff);
    }

    // Walks every frame's markers in order, as a player showing frames 0 to
    // N - 1 does, and compares the camera records with the script.
    void ExpectFramesAndRecords(const SampleRecording& s) {
        const jpeg::CameraRecords& camera = decoder_.camera;
        ASSERT_EQ(recording_.frameIndex.size(), s.frames.size());
        for (size_t i = 0; i < s.frames.size(); ++i) {
            SCOPED_TRACE(i);
            const SampleFrame& f = s.frames[i];
            ASSERT_EQ(recording_.ReadFrame(static_cast<int>(i)), avi::FrameRead::kOk);
            const auto bytes = recording_.LastFrameBytes();
            EXPECT_EQ(bytes.size(), recording_.frameIndex[i].length);
            uint64_t clock = 1;
            int eventPos = -1;
            ASSERT_GT(decoder_.ParseJpegHeaders(bytes, jpeg::kMarkerWalkLimit, nullptr, nullptr, &clock, &eventPos), 0);
            EXPECT_EQ(clock, f.FrameClock());
            EXPECT_EQ(eventPos >= 0, f.eventByte.has_value());
            if (f.eventByte && eventPos >= 0) {
                EXPECT_EQ(bytes[eventPos], *f.eventByte);
            }
            EXPECT_EQ(camera.walk.clockRecord, f.clockRecord.has_value());
            if (f.clockRecord) {
                EXPECT_EQ(camera.walk.clockRecordValue, *f.clockRecord);
            }
            ASSERT_EQ(camera.exposurePresent, f.exposure.has_value());
            if (f.exposure) {
                EXPECT_EQ(camera.exposure.exposure(), f.exposure->exposure);
                EXPECT_EQ(camera.exposure.luminance(), f.exposure->luminance);
                EXPECT_EQ(camera.exposure.physExposure(), f.exposure->physExposure);
            }
            EXPECT_EQ(camera.walk.tsRecord, f.ts.has_value());
            if (f.ts) ExpectTsRecord(*f.ts);
            EXPECT_EQ(camera.walk.dhtSegments, 4);
            EXPECT_EQ(camera.walk.dqtSegments, 2);
        }
    }

    void ExpectTsRecord(const TsRecord& ts) {
        const jpeg::FrameCameraRecord& r = decoder_.camera.frame;
        EXPECT_EQ((CameraDate{r.year, r.month, r.day, r.hour, r.minute, r.second}), ts.date);
        EXPECT_EQ(r.cameraKind, ts.cameraKind);
        EXPECT_EQ(r.firmware, ts.firmware);
        EXPECT_EQ(r.luma, ts.luma);
        EXPECT_EQ(r.temperature, ts.temperature);
        EXPECT_EQ(r.battery, ts.battery);
        EXPECT_EQ(r.fpgaRevision, ts.fpgaRevision);
        EXPECT_EQ(r.Specific(102), ts.quality << 4 | ts.bandFilter);
        EXPECT_EQ(r.Specific(103), ts.scene);
        EXPECT_EQ(r.Specific(104), ts.exposureValue);
        EXPECT_EQ(r.Specific(105), ts.timerStart);
        EXPECT_EQ(r.Specific(107), ts.timerStop);
        EXPECT_EQ(r.Specific(109), ts.switches);
        if (ts.cameraKind == 3) {
            EXPECT_EQ((r.Specific(110) & 0x08) != 0, ts.triggerSensor);
        }
    }

    // Fetches a frame and walks its markers as the player does before showing it.
    void WalkFrame(int frame) {
        ASSERT_EQ(recording_.ReadFrame(frame), avi::FrameRead::kOk);
        ASSERT_GT(decoder_.ParseJpegHeaders(recording_.LastFrameBytes(), jpeg::kMarkerWalkLimit, nullptr, nullptr,
                                            nullptr, nullptr),
                  0);
    }

    std::string ShownDate(int64_t elapsedSeconds) {
        std::string date, time;
        recording_.FrameDateTime(elapsedSeconds, date, time);
        return date + " " + time;
    }

    test::TestFolder folder_;
    jpeg::JpegDecoder decoder_;
    avi::Recording recording_{decoder_};
};

TEST_F(SampleRoundTrip, EventRecording) {
    const auto s = EventRecordingSample();
    ASSERT_NO_FATAL_FAILURE(Open(s));
    // WRD310 mode 0: motion capture, no interval shown.
    ExpectHeader(s, {1, 5, false, true, false});
    EXPECT_EQ(recording_.wrdCaptureMode, 0);
    EXPECT_FALSE(recording_.movieRecordPresent);
    EXPECT_TRUE(recording_.hasClock);
    EXPECT_TRUE(recording_.hasEvents);
    EXPECT_EQ(recording_.EventList, (std::vector<int32_t>{10, 30, 45, 52}));
    EXPECT_EQ(recording_.EventList, std::vector<int32_t>(s.eventFrames.begin(), s.eventFrames.end()));
    ExpectFramesAndRecords(s);
    EXPECT_TRUE(decoder_.camera.familySeen);
    EXPECT_FALSE(decoder_.camera.familyNotWrd);
}

TEST_F(SampleRoundTrip, EventRecordingDatesAndTriggerEdges) {
    const auto s = EventRecordingSample();
    ASSERT_NO_FATAL_FAILURE(Open(s));
    std::vector<int> edges;
    for (size_t i = 0; i < s.frames.size(); ++i) {
        ASSERT_NO_FATAL_FAILURE(WalkFrame(static_cast<int>(i)));
        if (decoder_.camera.triggerEdge) edges.push_back(static_cast<int>(i));
        // The camera clock converts back to the date the frame was taken,
        // also on the frames after 54 that keep only the clock record (one
        // second apart, like the rest of their burst).
        const SampleFrame& f = s.frames[i];
        const CameraDate taken = f.ts ? f.ts->date : AddSeconds(s.frames[54].ts->date, static_cast<int64_t>(i) - 54);
        EXPECT_EQ(ShownDate(0), DateText(taken)) << i;
        EXPECT_EQ(recording_.lastDateSource(), 1);
    }
    EXPECT_EQ(edges, (std::vector<int>{9, 30, 44, 50}));
}

TEST_F(SampleRoundTrip, MovieRecordWithoutClock) {
    const auto s = MovieRecordSample();
    ASSERT_NO_FATAL_FAILURE(Open(s));
    // XPRMAX mode 3 (ASAP) raises 5 frames a second to 10.
    ExpectHeader(s, {30, 300, true, true, true});
    ASSERT_TRUE(recording_.movieRecordPresent);
    const avi::MovieRecord& m = recording_.movieRecord;
    const MovieSettings& want = *s.movie;
    EXPECT_EQ(m.modelName(), want.modelName);
    EXPECT_EQ(m.firmware(), want.firmware);
    EXPECT_EQ(m.bandFilter(), want.bandFilter);
    EXPECT_EQ(m.led(), want.led);
    EXPECT_EQ(m.timeStamp(), want.timeStamp);
    EXPECT_EQ(m.whiteBalance(), want.whiteBalance);
    EXPECT_EQ(m.scene(), want.scene);
    EXPECT_EQ(m.captureMode(), want.captureMode);
    EXPECT_EQ(m.hdr(), want.hdr);
    EXPECT_EQ(m.contrast(), want.contrast);
    EXPECT_EQ(m.saturation(), want.saturation);
    EXPECT_EQ(m.sharpness(), want.sharpness);
    EXPECT_EQ(m.intervalTenths(), want.intervalTenths);
    EXPECT_EQ(m.expoComp(), want.expoComp);
    EXPECT_EQ(m.timerStart(), want.timerStart);
    EXPECT_EQ(m.timerStop(), want.timerStop);
    EXPECT_EQ(m.timerDays(), want.timerDays);
    EXPECT_TRUE(recording_.hasInfo);
    EXPECT_EQ(recording_.altIntervalSecs, 30);
    EXPECT_FALSE(recording_.hasClock);
    EXPECT_FALSE(recording_.hasEvents);
    EXPECT_TRUE(recording_.EventList.empty());
    ExpectFramesAndRecords(s);
    EXPECT_TRUE(decoder_.camera.familyNotWrd);

    // Dates: the file time moved on by the elapsed seconds, into July.
    for (int i : {0, 15, 35}) {
        ASSERT_NO_FATAL_FAILURE(WalkFrame(i));
        const int64_t elapsed = int64_t{i} * recording_.elapsedIntervalSecs();
        EXPECT_EQ(ShownDate(elapsed), DateText(AddSeconds(*s.fileTime, elapsed))) << i;
        EXPECT_EQ(recording_.lastDateSource(), 4);
    }
}

TEST_F(SampleRoundTrip, ScenesOnThreeDays) {
    const auto s = ScenesSample();
    ASSERT_NO_FATAL_FAILURE(Open(s));
    ExpectHeader(s, {10, 50, true, true, false});
    EXPECT_TRUE(recording_.hasClock);  // the "ts" dates are the frames' clock
    EXPECT_FALSE(recording_.hasEvents);
    ExpectFramesAndRecords(s);
    for (int i : {0, 14, 15, 29, 30, 44}) {
        ASSERT_NO_FATAL_FAILURE(WalkFrame(i));
        EXPECT_EQ(ShownDate(0), DateText(s.frames[i].ts->date)) << i;
        EXPECT_EQ(recording_.lastDateSource(), 1);
    }
}

TEST_F(SampleRoundTrip, Benchmark) {
    const auto s = BenchmarkSample();
    ASSERT_NO_FATAL_FAILURE(Open(s));
    ExpectHeader(s, {2, 30, true, true, false});
    ExpectFramesAndRecords(s);
}

}  // namespace
}  // namespace vn::samples
