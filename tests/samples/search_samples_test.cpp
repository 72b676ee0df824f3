// The search play list read back by the scanning loops: the events, the
// trigger sensor and the one moving animal where the scripts put them.
#include "samplewriter/search_samples.h"

#include <gtest/gtest.h>

#include "decode/jpeg_decoder.h"
#include "recording/recording.h"
#include "samples/test_folder.h"

namespace vn::samples {
namespace {

TEST(SearchSamples, ScanningLoopsFindWhatTheScriptsState) {
    const test::TestFolder folder;
    for (const SampleRecording& s : SearchPlayListSamples()) {
        SCOPED_TRACE(s.fileName);
        ASSERT_TRUE(WriteSample(s, folder.path().string()));
        jpeg::JpegDecoder decoder;
        avi::Recording recording(decoder);
        ASSERT_EQ(recording.OpenRecording((folder.path() / s.fileName).string()), avi::OpenResult::kOpened)
            << recording.openFailure;
        const int frames = recording.header.frames;
        EXPECT_EQ(recording.EventList, std::vector<int32_t>(s.eventFrames.begin(), s.eventFrames.end()));

        const int firstMove = s.changedFrames.empty() ? 0 : s.changedFrames.front();
        const int lastMove = s.changedFrames.empty() ? 0 : s.changedFrames.back();
        EXPECT_EQ(recording.scanner.MotionScan(0, frames, s.motionThreshold), firstMove);
        // Backward: the frame that differs from the one after it.
        EXPECT_EQ(recording.scanner.MotionScan(frames - 1, 0, s.motionThreshold), lastMove ? lastMove - 1 : 0);

        decoder.camera.triggerRemembered = false;
        const int firstTrigger = s.triggerFrames.empty() ? -1 : s.triggerFrames.front();
        EXPECT_EQ(recording.scanner.TriggerWalk(0, frames), firstTrigger);
    }
}

}  // namespace
}  // namespace vn::samples
