// The event scan and the trigger walk read only the start of each frame;
// frames whose segments reach beyond it must give the same answers, and the
// trigger sensor must be remembered once per frame however it was read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sample_recording.h"

namespace vn::avi {
namespace {

using samples::CameraAviOptions;
using test::Bytes;
using test::EventFrame;
using test::Frame;
using test::SampleRecording;

// A comment long enough to push the segments after it beyond the part of
// the frame that is read first.
Bytes LongComment() { return samples::Segment(samples::kComment, samples::CommentPayload(std::string(6000, 'x'))); }

Bytes Sensor(bool on) {
    samples::TsRecord ts;
    ts.cameraKind = 3;
    ts.triggerSensor = on;
    return samples::Segment(samples::kApp15, samples::TsPayload(ts));
}

Bytes Event(uint8_t eventByte) { return samples::Segment(samples::kApp5, samples::EventPayload(eventByte)); }

TEST_F(SampleRecording, EventMarksBeyondTheFramesStartAreFound) {
    std::vector<Bytes> frames(12, EventFrame(0x00));
    frames[0] = EventFrame(0x01);
    frames[4] = Frame({LongComment(), Event(0x80)});
    frames[7] = EventFrame(0x80);
    frames[9] = Frame({LongComment(), Event(0x00)});
    frames[11] = Frame({Event(0x80), LongComment()});
    ASSERT_EQ(Open(CameraAviOptions{}, frames), OpenResult::kOpened);
    EXPECT_EQ(recording.EventList, (std::vector<int32_t>{4, 7, 11}));
    EXPECT_EQ(recording.scanner.EventScan(10, 0), 7);
    EXPECT_EQ(recording.scanner.EventScan(11, 0), 11);
    EXPECT_EQ(recording.scanner.EventScan(5, 7), -1);

    // A frame cut inside its segments is walked as far as it goes.
    Bytes cut = frames[4];
    cut.resize(3000);
    frames[4] = cut;
    ASSERT_EQ(Open(CameraAviOptions{}, frames), OpenResult::kOpened);
    EXPECT_EQ(recording.EventList, (std::vector<int32_t>{7, 11}));
}

TEST_F(SampleRecording, TriggerWalkStopsWhereTheSensorSwitchesOn) {
    // The sensor reads 0, 1, 1, 0, 1 from frame 1; frame 3's record lies
    // beyond the frame's start, so it is read twice.
    const std::vector<Bytes> frames{Frame({Sensor(false)}),          Frame({Sensor(false)}),
                                    Frame({Sensor(true)}),           Frame({LongComment(), Sensor(true)}),
                                    Frame({Sensor(false)}),          Frame({Sensor(true), LongComment()}),
                                    Frame({Sensor(false), Event(0)})};
    ASSERT_EQ(Open(CameraAviOptions{}, frames), OpenResult::kOpened);
    jpeg::CameraRecords& camera = decoder.camera;
    camera.triggerRemembered = false;
    EXPECT_EQ(recording.scanner.TriggerWalk(1, 7), 2);
    EXPECT_EQ(recording.scanner.TriggerWalk(3, 7), 5);  // frame 3 continues what frame 2 began
    camera.triggerRemembered = false;
    EXPECT_EQ(recording.scanner.TriggerWalk(3, 7), 3);
    EXPECT_EQ(recording.scanner.TriggerWalk(6, 0), 5);  // backward: the end of a run
    camera.triggerRemembered = false;
    EXPECT_EQ(recording.scanner.TriggerWalk(4, 5), -1);
    EXPECT_EQ(recording.scanner.TriggerWalk(4, 4), -1);
    EXPECT_EQ(recording.currentFrame(), 0);
}

TEST_F(SampleRecording, TriggerWalkShowsEachFrameAndListensForAStop) {
    std::vector<Bytes> frames(10, Frame({Sensor(false)}));
    frames[8] = Frame({Sensor(true)});
    ASSERT_EQ(Open(CameraAviOptions{}, frames), OpenResult::kOpened);
    std::vector<int> shown;
    recording.scanner.frameScanned = [&](int frame) {
        shown.push_back(frame);
        if (frame == 3) recording.scanner.RequestScanStop();
    };
    EXPECT_EQ(recording.scanner.TriggerWalk(1, 10), 3);
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3}));
    shown.clear();
    EXPECT_EQ(recording.scanner.TriggerWalk(4, 10), 8);
    EXPECT_EQ(shown, (std::vector<int>{4, 5, 6, 7, 8}));
}

TEST_F(SampleRecording, AFrameThatCannotBeFetchedRaisesNoTrigger) {
    std::vector<Bytes> frames{Frame({Sensor(false)}), Frame({Sensor(true)}), Frame({Sensor(true)})};
    Bytes file = samples::BuildCameraAvi(CameraAviOptions{}, frames);
    // Frame 1's index entry points at the file's start, which is no frame chunk.
    test::PutU32(file, test::Find(file, "idx1") + 8 + 16 + 8, 0);
    ASSERT_EQ(Open(file), OpenResult::kOpened);
    decoder.camera.triggerRemembered = false;
    EXPECT_EQ(recording.scanner.TriggerWalk(0, 3), 2);
    EXPECT_GE(recording.scanner.counts.skipped, 1);
}

// The starts of frames are read many frames at a time: walks forwards and
// backwards over a recording several blocks long, with frames whose starts
// straddle the blocks' edges, find every event mark either way.
TEST_F(SampleRecording, EventMarksAreFoundAcrossTheBlocksOfFrameStartsBothWays) {
    std::vector<Bytes> frames;
    std::vector<int32_t> events;
    for (int f = 0; f < 300; ++f) {
        const bool event = f % 7 == 3 || f == 299;
        if (event) events.push_back(f);
        // Lengths that shift each frame's start against the blocks.
        const Bytes padding =
            samples::Segment(samples::kComment, samples::CommentPayload(std::string(1500 + 37 * (f % 50), 'p')));
        // Frame 0's mark makes it an event recording.
        frames.push_back(Frame({Event(event ? 0x80 : (f == 0 ? 0x01 : 0x00)), padding}));
    }
    ASSERT_EQ(Open(CameraAviOptions{}, frames), OpenResult::kOpened);
    EXPECT_EQ(recording.EventList, events);

    std::vector<int32_t> backwards;
    for (int p = recording.scanner.EventScan(299, -1); p >= 0; p = recording.scanner.EventScan(p - 1, -1)) {
        backwards.push_back(p);
        if (p == 0) break;
    }
    EXPECT_EQ(backwards, std::vector<int32_t>(events.rbegin(), events.rend()));
    // Jumps to and fro read new blocks and still land on the marks.
    EXPECT_EQ(recording.scanner.EventScan(149, 0), 143);
    EXPECT_EQ(recording.scanner.EventScan(4, 300), 10);
    EXPECT_EQ(recording.scanner.EventScan(298, 0), 297);
}

}  // namespace
}  // namespace vn::avi
