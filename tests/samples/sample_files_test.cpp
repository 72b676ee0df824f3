// The sample set's files as bytes: each frame carries the records its script
// states, right after SOI and in the cameras' order, and pictures repeat
// exactly where the script says nothing changed.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>

#include "samples/byte_view.h"
#include "samples/test_folder.h"
#include "samplewriter/camera_date.h"
#include "samplewriter/default_samples.h"
#include "samplewriter/search_samples.h"

namespace vn::samples {
namespace {

using test::BigU16At;
using test::TextAt;
using test::U32At;

struct FrameBytes {
    std::vector<uint8_t> jpeg;
    size_t entropyStart = 0;                            // first byte after the SOS segment
    std::vector<std::vector<uint8_t>> leadingSegments;  // the segments before libjpeg's APP0
};

// Frames through "idx1", following the index's offset convention.
std::vector<FrameBytes> ReadFrames(const std::vector<uint8_t>& file, bool indexAfterRiff) {
    size_t afterMovi = 0, idx1 = 0;
    for (size_t pos = 12; pos + 8 <= file.size(); pos += 8 + U32At(file, pos + 4)) {
        if (TextAt(file, pos, 4) == "LIST" && TextAt(file, pos + 8, 4) == "movi") afterMovi = pos + 12;
        if (TextAt(file, pos, 4) == "idx1") idx1 = pos;
    }
    std::vector<FrameBytes> frames;
    if (idx1 == 0) return frames;
    for (uint32_t i = 0; i < U32At(file, idx1 + 4) / 16; ++i) {
        const size_t entry = idx1 + 8 + 16 * i;
        const size_t chunk = U32At(file, entry + 8) + (indexAfterRiff ? afterMovi : 0);
        const size_t length = U32At(file, entry + 12);
        FrameBytes f;
        f.jpeg.assign(file.begin() + chunk + 8, file.begin() + chunk + 8 + length);
        bool leading = true;
        for (size_t pos = 2; pos + 4 <= f.jpeg.size();) {
            const uint8_t marker = f.jpeg[pos + 1];
            const size_t end = pos + 2 + BigU16At(f.jpeg, pos + 2);
            if (marker == 0xE0) leading = false;
            if (leading) f.leadingSegments.emplace_back(f.jpeg.begin() + pos, f.jpeg.begin() + end);
            pos = end;
            if (marker == 0xDA) {
                f.entropyStart = end;
                break;
            }
        }
        frames.push_back(std::move(f));
    }
    return frames;
}

std::vector<uint8_t> EntropyData(const FrameBytes& f) { return {f.jpeg.begin() + f.entropyStart, f.jpeg.end()}; }

std::vector<uint8_t> ExpectedSegments(const SampleFrame& frame) {
    const std::vector<uint8_t> soi = {0xFF, 0xD8, 0xFF, 0xD9};
    auto composed = ComposeFrame(frame, soi);
    return {composed.begin() + 2, composed.end() - 2};
}

std::vector<uint8_t> Joined(const std::vector<std::vector<uint8_t>>& parts) {
    std::vector<uint8_t> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

void ExpectFramesFollowScript(const SampleRecording& sample) {
    SCOPED_TRACE(sample.fileName);
    const auto file = BuildSample(sample);
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(test::I32At(file, 48), static_cast<int32_t>(sample.frames.size()));
    const auto frames = ReadFrames(file, sample.avi.index == CameraAviOptions::Index::AfterRiff);
    ASSERT_EQ(frames.size(), sample.frames.size());
    for (size_t i = 0; i < frames.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_GT(frames[i].entropyStart, 0u);
        EXPECT_EQ(Joined(frames[i].leadingSegments), ExpectedSegments(sample.frames[i]));
        if (i == 0) continue;
        const bool changed =
            std::count(sample.changedFrames.begin(), sample.changedFrames.end(), static_cast<int>(i)) > 0;
        EXPECT_EQ(EntropyData(frames[i]) != EntropyData(frames[i - 1]), changed);
    }
}

TEST(SampleFiles, EventRecordingFramesFollowTheScript) { ExpectFramesFollowScript(EventRecordingSample()); }
TEST(SampleFiles, MovieRecordFramesFollowTheScript) { ExpectFramesFollowScript(MovieRecordSample()); }
TEST(SampleFiles, ScenesFramesFollowTheScript) { ExpectFramesFollowScript(ScenesSample()); }
TEST(SampleFiles, SearchPlayListFramesFollowTheScript) {
    for (const SampleRecording& s : SearchPlayListSamples()) ExpectFramesFollowScript(s);
}

TEST(SampleFiles, EventRecordingStatesItsEventsTriggersAndDates) {
    const auto s = EventRecordingSample();
    EXPECT_EQ(s.frames.front().eventByte, 0x01);
    for (int f : s.eventFrames) EXPECT_EQ(s.frames[f].eventByte, 0x80) << f;
    for (int f : {25, 26, 27}) EXPECT_FALSE(s.frames[f].eventByte) << f;
    for (int f : s.triggerFrames) EXPECT_TRUE(s.frames[f].ts->triggerSensor) << f;
    EXPECT_EQ(s.frames[9].ts->date, (CameraDate{2012, 2, 28, 23, 59, 29}));
    EXPECT_EQ(s.frames[10].ts->date, (CameraDate{2012, 2, 29, 0, 1, 4}));
    // Without a "ts" record the clock record is the frame's clock.
    EXPECT_FALSE(s.frames[55].ts);
    EXPECT_EQ(s.frames[55].FrameClock(), *s.frames[55].clockRecord);
    EXPECT_EQ(s.frames[54].FrameClock(), CameraClock(s.frames[54].ts->date));
}

TEST(SampleFiles, WriteSampleGivesTheFileItsLocalFileTime) {
    const test::TestFolder folder;
    const auto sample = MovieRecordSample();
    ASSERT_TRUE(WriteSample(sample, folder.path().string()));
    const auto written = std::filesystem::last_write_time(folder.path() / sample.fileName);
    const std::time_t time = std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
    std::tm local{};
    localtime_r(&time, &local);
    EXPECT_EQ(
        (CameraDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec}),
        *sample.fileTime);
}

TEST(SampleFiles, BuildSampleRefusesScriptsItCannotFollow) {
    auto unknownPlace = EventRecordingSample();
    unknownPlace.frames[3].place = 1;
    EXPECT_TRUE(BuildSample(unknownPlace).empty());
    auto noPicture = EventRecordingSample();
    noPicture.avi.width = 0;
    EXPECT_TRUE(BuildSample(noPicture).empty());
}

TEST(SampleFiles, WriteSampleReportsAnUnwritableDirectory) {
    EXPECT_FALSE(WriteSample(EventRecordingSample(), "/nonexistent/vnplay/samples"));
}

}  // namespace
}  // namespace vn::samples
