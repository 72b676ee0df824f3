// The samples' frames through the decoder: every frame decodes completely,
// and the DC images move exactly where the scripts say the pictures change,
// by more than each script's motion threshold.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "decode/jpeg_decoder.h"
#include "recording/recording.h"
#include "samples/test_folder.h"
#include "samplewriter/default_samples.h"
#include "samplewriter/search_samples.h"

namespace vn::samples {
namespace {

// The largest change of one block's DC luma between two DC images.
int LargestBlockChange(const std::vector<int32_t>& a, const std::vector<int32_t>& b) {
    int largest = 0;
    for (size_t i = 0; i < a.size(); ++i) largest = std::max(largest, std::abs(a[i] - b[i]));
    return largest;
}

void ExpectFramesDecodeAndMoveAsScripted(const SampleRecording& s) {
    SCOPED_TRACE(s.fileName);
    const test::TestFolder folder;
    ASSERT_TRUE(WriteSample(s, folder.path().string()));
    jpeg::JpegDecoder decoder;
    avi::Recording recording(decoder);
    ASSERT_EQ(recording.OpenRecording((folder.path() / s.fileName).string()), avi::OpenResult::kOpened)
        << recording.openFailure;

    const int blocksWide = (s.avi.width + 7) / 8, blocksHigh = (s.avi.height + 7) / 8;
    const size_t blocks = static_cast<size_t>(blocksWide) * blocksHigh;
    std::vector<int32_t> previous(blocks), luma(blocks), cb(blocks), cr(blocks);
    Picture picture(s.avi.width, s.avi.height);
    for (int i = 0; i < static_cast<int>(s.frames.size()); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(recording.ReadFrame(i), avi::FrameRead::kOk);
        EXPECT_TRUE(decoder.DecodeJpegFrame(recording.LastFrameBytes(), picture, nullptr, nullptr).complete());
        ASSERT_EQ(decoder.DecodeJpegDcImage(recording.LastFrameBytes(), luma.data(), cb.data(), cr.data(), blocksWide,
                                            blocksHigh),
                  jpeg::DcImageStatus::kDecoded);
        if (i > 0) {
            const bool changed = std::count(s.changedFrames.begin(), s.changedFrames.end(), i) > 0;
            const int change = LargestBlockChange(luma, previous);
            if (changed) {
                EXPECT_GT(change, s.motionThreshold);
            } else {
                EXPECT_EQ(change, 0);
            }
        }
        std::swap(previous, luma);
    }
}

TEST(SampleDecode, EventRecording) { ExpectFramesDecodeAndMoveAsScripted(EventRecordingSample()); }
TEST(SampleDecode, MovieRecord) { ExpectFramesDecodeAndMoveAsScripted(MovieRecordSample()); }
TEST(SampleDecode, Scenes) { ExpectFramesDecodeAndMoveAsScripted(ScenesSample()); }
TEST(SampleDecode, SearchPlayList) {
    for (const SampleRecording& s : SearchPlayListSamples()) ExpectFramesDecodeAndMoveAsScripted(s);
}

}  // namespace
}  // namespace vn::samples
