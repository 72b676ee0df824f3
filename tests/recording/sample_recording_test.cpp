// The reader on recordings composed for each case: the two index layouts,
// header values and camera chunks, damaged files, the cursor, the event
// list and the sources of a frame's date.
#include "sample_recording.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <unistd.h>

#include "samplewriter/movie_record.h"

namespace vn::avi {
namespace {

using samples::CameraAviOptions;
using test::Bytes;
using test::EventFrame;
using test::Find;
using test::Frame;
using test::PutU32;
using test::SampleRecording;

TEST_F(SampleRecording, IndexInsideOrAfterTheRiffChunkLeadsToTheSameFrames) {
    const std::vector<Bytes> frames{EventFrame(0), Frame(), EventFrame(0x80)};
    for (const auto layout : {CameraAviOptions::Index::InsideRiff, CameraAviOptions::Index::AfterRiff}) {
        CameraAviOptions options;
        options.index = layout;
        const Bytes file = samples::BuildCameraAvi(options, frames);
        ASSERT_EQ(Open(file), OpenResult::kOpened) << recording.openFailure;
        const bool after = layout == CameraAviOptions::Index::AfterRiff;
        EXPECT_EQ(recording.moviPos, after ? Find(file, "movi") + 4 : 0u);
        EXPECT_EQ(recording.idx1Pos, Find(file, "idx1") + 8);
        for (int i = 0; i < 3; ++i) {
            ASSERT_EQ(recording.ReadFrame(i), FrameRead::kOk);
            EXPECT_TRUE(std::ranges::equal(recording.LastFrameBytes(), frames[i])) << i;
        }
    }
}

TEST_F(SampleRecording, HeaderValueReplacements) {
    struct Case {
        int32_t scale, rate;
        std::string model;
        uint8_t mode;
        int32_t interval, finalRate;
    };
    const Case cases[] = {
        {65535, 65535, "", 0, 86400, 65535},  // a day
        {2, -1, "", 0, 2, 20},                // negative rate: 10 frames a second
        {60, 300, "XPRMAX", 3, 60, 600},
        {60, 900, "XPRMAX", 3, 60, 900},
        {60, 300, "XPR310", 3, 60, 300},
        {0, 300, "XPRMAX", 3, 0, 300},  // no interval to divide by
    };
    for (const Case& c : cases) {
        CameraAviOptions options;
        options.scale = c.scale;
        options.rate = c.rate;
        options.modelTag = c.model;
        options.modelMode = c.mode;
        ASSERT_EQ(Open(options, {Frame()}), OpenResult::kOpened);
        EXPECT_EQ(recording.header.interval, c.interval) << c.scale << " " << c.rate;
        EXPECT_EQ(recording.header.rate, c.finalRate) << c.scale << " " << c.rate;
    }
}

// Flags carry over from one opening to the next where a row leaves them.
TEST_F(SampleRecording, ModelTableSetsTheDisplayFlags) {
    struct Row {
        std::string model;
        uint8_t mode;
        bool showInterval, showElapsed, asap;
        int wrdMode;
    };
    const Row rows[] = {
        {"XPR310", 2, false, false, false, -1}, {"XPR310", 9, false, false, false, -1},
        {"XPRMAX", 3, true, true, true, -1},    {"ORBIT0", 1, false, true, false, -1},
        {"XPR130", 0, true, true, false, -1},   {"WRD310", 0, false, true, false, 0},
        {"WRD310", 3, true, true, true, 3},     {"OTHER1", 2, true, true, false, 3},
        {"WRD310", 2, false, true, false, 2},   {"WRD310", 200, true, true, false, 200},
    };
    for (const Row& row : rows) {
        CameraAviOptions options;
        options.modelTag = row.model;
        options.modelMode = row.mode;
        options.junkSize = 9;  // odd, without a pad byte
        ASSERT_EQ(Open(options, {Frame()}), OpenResult::kOpened);
        const std::string where = row.model + " " + std::to_string(row.mode);
        EXPECT_EQ(recording.modelTag.tag(), row.model) << where;
        EXPECT_EQ(recording.showCaptureInterval, row.showInterval) << where;
        EXPECT_EQ(recording.showElapsedTime, row.showElapsed) << where;
        EXPECT_EQ(recording.asap, row.asap) << where;
        EXPECT_EQ(recording.wrdCaptureMode, row.wrdMode) << where;
    }
    ASSERT_EQ(Open(CameraAviOptions{}, {Frame()}), OpenResult::kOpened);
    EXPECT_EQ(recording.modelTag.tag(), "");  // not the former recording's
}

TEST_F(SampleRecording, MovieRecordKeepsItsHeaderAndAtMost44BytesOfBody) {
    samples::MovieSettings settings;
    settings.modelName = "XPR310 Max";
    settings.intervalTenths = 305;
    settings.captureMode = 1;  // hides the interval and the elapsed time
    CameraAviOptions options;
    options.movieRecordBody = samples::MovieRecordBody(settings);
    ASSERT_EQ(Open(options, {Frame()}), OpenResult::kOpened);
    EXPECT_TRUE(recording.movieRecordPresent);
    EXPECT_TRUE(recording.hasInfo);
    EXPECT_EQ(recording.movieRecord.modelName(), "XPR310 Max");
    EXPECT_EQ(recording.altIntervalSecs, 30);
    EXPECT_EQ(recording.elapsedIntervalSecs(), 30);
    EXPECT_FALSE(recording.asap);
    EXPECT_FALSE(recording.showCaptureInterval);
    EXPECT_FALSE(recording.showElapsedTime);

    // A "minf" size of 20 keeps 28 bytes; the rest of the record stays zero.
    options.movieRecordBody = Bytes(20, 0x77);
    (*options.movieRecordBody)[0] = (*options.movieRecordBody)[1] = 0;
    ASSERT_EQ(Open(options, {Frame()}), OpenResult::kOpened);
    EXPECT_EQ(recording.movieRecord.U32(4), 20u);
    EXPECT_EQ(recording.movieRecord.bytes[25], 0x77);
    EXPECT_TRUE(std::all_of(recording.movieRecord.bytes + 28, recording.movieRecord.bytes + 52,
                            [](uint8_t b) { return b == 0; }));
    EXPECT_TRUE(recording.asap);                 // interval 0: as fast as possible
    EXPECT_TRUE(recording.showCaptureInterval);  // capture mode 0 shows both
}

TEST_F(SampleRecording, DamagedFilesAreRefusedWithAReason) {
    CameraAviOptions options;
    options.modelTag = "XPR310";
    const Bytes good = samples::BuildCameraAvi(options, {Frame(), Frame()});
    const size_t junk = Find(good, "JUNK");
    const std::pair<const char*, std::function<void(Bytes&)>> damages[] = {
        {"not RIFF", [](Bytes& f) { f[0] = 'X'; }},
        {"no frames", [](Bytes& f) { PutU32(f, 48, 0); }},
        {"negative frames", [](Bytes& f) { PutU32(f, 48, static_cast<uint32_t>(-3)); }},
        {"frames beyond the file", [](Bytes& f) { PutU32(f, 48, 100000); }},
        {"zero width", [](Bytes& f) { PutU32(f, 64, 0); }},
        {"negative height", [](Bytes& f) { PutU32(f, 68, static_cast<uint32_t>(-240)); }},
        {"huge width", [](Bytes& f) { PutU32(f, 64, 9000); }},
        {"unknown chunk", [&](Bytes& f) { std::copy_n("abcd", 4, f.begin() + junk); }},
        {"size standing still", [&](Bytes& f) { PutU32(f, junk + 4, 0xFFFFFFF8); }},
        {"size going back", [&](Bytes& f) { PutU32(f, junk + 4, 0xFFFFFF00); }},
        {"cut before the index", [](Bytes& f) { f.resize(Find(f, "idx1")); }},
        {"header only", [](Bytes& f) { f.resize(20); }},
    };
    for (const auto& [what, damage] : damages) {
        Bytes file = good;
        damage(file);
        EXPECT_EQ(Open(file), OpenResult::kUnusable) << what;
        EXPECT_FALSE(recording.isOpen()) << what;
        EXPECT_FALSE(recording.openFailure.empty()) << what;
    }
    EXPECT_EQ(recording.OpenRecording(folder.File("missing.avi")), OpenResult::kUnusable);
    EXPECT_EQ(recording.header.frames, -1);
    EXPECT_EQ(recording.openFailure, "no such file");
    EXPECT_EQ(recording.OpenRecording(folder.File("")), OpenResult::kUnusable);
    EXPECT_EQ(recording.openFailure, "a folder, not a file");
}

// The reasons the player's messages give, as the user reads them.
TEST_F(SampleRecording, AFailedOpeningSaysWhy) {
    Bytes noSize = samples::BuildCameraAvi(CameraAviOptions{}, {Frame()});
    PutU32(noSize, 64, 0);
    PutU32(noSize, 68, 0);
    EXPECT_EQ(Open(noSize), OpenResult::kUnusable);
    EXPECT_EQ(recording.openFailure, "picture size 0 x 0");
    EXPECT_EQ(Open(Bytes{'h', 'e', 'l', 'l', 'o'}), OpenResult::kUnusable);
    EXPECT_EQ(recording.openFailure, "not a recording");
}

TEST_F(SampleRecording, ABadIndexEntryFailsTheOpeningAndEndsTheFramesBeforeIt) {
    Bytes file = samples::BuildCameraAvi(CameraAviOptions{}, {EventFrame(1), EventFrame(0x80), Frame()});
    std::copy_n("01wb", 4, file.begin() + Find(file, "idx1") + 8 + 16);
    EXPECT_EQ(Open(file), OpenResult::kUnusable);
    EXPECT_TRUE(recording.isOpen());
    // Frame 0 is still examined; the event scan stops at the bad entry.
    EXPECT_EQ(recording.header.frames, 1);
    EXPECT_TRUE(recording.hasEvents);
    EXPECT_TRUE(recording.EventList.empty());
    EXPECT_EQ(recording.ReadFrame(0), FrameRead::kOk);
    EXPECT_EQ(recording.ReadFrame(1), FrameRead::kNoSuchFrame);
}

TEST_F(SampleRecording, TheIndexChunkNotTheHeaderCountsTheFrames) {
    const Bytes good = samples::BuildCameraAvi(CameraAviOptions{}, {Frame(), Frame(), Frame()});
    Bytes more = good;
    PutU32(more, 48, 10);  // the header claims more frames than the index holds
    ASSERT_EQ(Open(more), OpenResult::kOpened) << recording.openFailure;
    EXPECT_EQ(recording.header.frames, 3);

    // An index cut short by the end of the file holds its whole entries.
    Bytes cut = good;
    cut.resize(cut.size() - 5);
    ASSERT_EQ(Open(cut), OpenResult::kOpened) << recording.openFailure;
    EXPECT_EQ(recording.header.frames, 2);
    EXPECT_EQ(recording.ReadFrame(1), FrameRead::kOk);

    Bytes empty = good;
    PutU32(empty, Find(empty, "idx1") + 4, 15);
    EXPECT_EQ(Open(empty), OpenResult::kUnusable);
    EXPECT_EQ(recording.openFailure, kNoFrames);
}

TEST_F(SampleRecording, ReadFrameNeverWritesPastItsDestinationNorReadsPastTheFile) {
    CameraAviOptions options;
    options.width = 16;
    options.height = 16;  // frame buffer of 768 bytes
    Bytes file = samples::BuildCameraAvi(options, {Frame(), Frame(), Frame(), Frame()});
    const size_t entries = Find(file, "idx1") + 8;
    PutU32(file, entries + 16 + 12, 769);  // frame 1: longer than the buffer
    // Frame 2 runs one byte past the end of the file.
    const uint32_t frame2 = test::GetU32(file, entries + 32 + 8);
    PutU32(file, entries + 32 + 12, static_cast<uint32_t>(file.size() - frame2 - 7));
    PutU32(file, entries + 48 + 8, 0);  // frame 3: not a frame chunk but "RIFF"
    ASSERT_EQ(Open(file), OpenResult::kOpened);
    ASSERT_EQ(recording.ReadFrame(0), FrameRead::kOk);
    const size_t good = recording.LastFrameBytes().size();
    for (int frame : {1, 2, 3}) EXPECT_EQ(recording.ReadFrame(frame), FrameRead::kNotAFrame) << frame;
    EXPECT_EQ(recording.LastFrameBytes().size(), good);

    uint8_t small[4] = {1, 2, 3, 4};
    uint32_t length = 0;
    EXPECT_EQ(recording.ReadFrame(0, small, nullptr, &length), FrameRead::kNotAFrame);
    EXPECT_EQ(length, good);
    EXPECT_EQ(small[0], 1);
    EXPECT_EQ(recording.ReadFrame(5), FrameRead::kNoSuchFrame);
}

TEST_F(SampleRecording, AFileCutShortWhileOpenFailsTheFramesItLost) {
    ASSERT_EQ(Open(CameraAviOptions{}, std::vector<Bytes>(4, EventFrame(0x80))), OpenResult::kOpened);
    uint32_t offset = 0;
    ASSERT_EQ(recording.GetFrameEntry(2, &offset, nullptr), FrameRead::kOk);
    ASSERT_EQ(truncate(folder.File("sample.avi").c_str(), offset + 5), 0);
    EXPECT_EQ(recording.ReadFrame(1), FrameRead::kOk);
    EXPECT_EQ(recording.ReadFrame(2), FrameRead::kNotAFrame);
    EXPECT_EQ(recording.ReadFrame(3), FrameRead::kNotAFrame);
    EXPECT_EQ(recording.scanner.EventScan(0, 4), 0);
    EXPECT_EQ(recording.scanner.EventScan(2, 4), -1);
}

TEST_F(SampleRecording, CursorStepsWithinTheRecording) {
    ASSERT_EQ(Open(CameraAviOptions{}, std::vector<Bytes>(5, Frame())), OpenResult::kOpened);
    recording.SetFrame(2);
    EXPECT_EQ(recording.StepFrame(-5), StepResult::kMoved);
    EXPECT_EQ(recording.currentFrame(), 0);
    EXPECT_EQ(recording.StepFrame(-1), StepResult::kStayed);
    EXPECT_EQ(recording.StepFrame(4), StepResult::kMoved);
    EXPECT_EQ(recording.StepFrame(1), StepResult::kStayed);  // not clamped to the last frame
    EXPECT_EQ(recording.currentFrame(), 4);
    recording.SetFrame(2);
    EXPECT_EQ(recording.StepFrame(3), StepResult::kStayed);
    EXPECT_EQ(recording.currentFrame(), 2);
    recording.GoToEnd();
    EXPECT_EQ(recording.currentFrame(), 5);
    EXPECT_EQ(recording.StepFrame(-1), StepResult::kMoved);
    EXPECT_EQ(recording.currentFrame(), 4);
}

TEST_F(SampleRecording, EventListHoldsEveryEventFrame) {
    std::vector<Bytes> frames(41, EventFrame(0x00));
    frames[0] = EventFrame(0x01);
    frames[3] = frames[17] = frames[40] = EventFrame(0x80);
    frames[5] = Frame();  // no event byte at all
    Bytes file = samples::BuildCameraAvi(CameraAviOptions{}, frames);
    ASSERT_EQ(Open(file), OpenResult::kOpened);
    EXPECT_TRUE(recording.hasEvents);
    EXPECT_EQ(recording.EventList, (std::vector<int32_t>{3, 17, 40}));
    EXPECT_EQ(recording.scanner.EventScan(17, 0), 17);
    EXPECT_EQ(recording.scanner.EventScan(41, 20), 40);
    EXPECT_EQ(recording.scanner.EventScan(16, 3), -1);

    // A frame that cannot be fetched does not repeat the event before it.
    PutU32(file, Find(file, "idx1") + 8 + 4 * 16 + 8, 0);
    ASSERT_EQ(Open(file), OpenResult::kOpened);
    EXPECT_EQ(recording.EventList, (std::vector<int32_t>{3, 17, 40}));

    // Without the mark in frame 0 nothing is listed.
    frames[0] = EventFrame(0x80);
    ASSERT_EQ(Open(CameraAviOptions{}, frames), OpenResult::kOpened);
    EXPECT_FALSE(recording.hasEvents);
    EXPECT_TRUE(recording.EventList.empty());
}

}  // namespace
}  // namespace vn::avi
