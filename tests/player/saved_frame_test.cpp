#include "player/saved_frame.h"

#include <gtest/gtest.h>

#include "player/player_state.h"

namespace vn::player {
namespace {

TEST(SavedFrame, NamesByKindAndNumber) {
    EXPECT_EQ(ProposedFrameName(kAviRecording, SavedFrameNumber(true, kAviRecording, 11, 0)), "mvfrm00012.jpg");
    EXPECT_EQ(ProposedFrameName(kMpeg4Stream, SavedFrameNumber(true, kMpeg4Stream, 11, 0)), "mvfrm00012.bmp");
    // The File menu names a raw movie's picture by its own counter, the
    // picture's pop-up menu by the cursor.
    EXPECT_EQ(ProposedFrameName(kRawMovie, SavedFrameNumber(true, kRawMovie, 11, 255)), "mvfrm0000ff.bmp");
    EXPECT_EQ(ProposedFrameName(kRawMovie, SavedFrameNumber(false, kRawMovie, 11, 255)), "mvfrm00000c.bmp");
    EXPECT_EQ(ProposedFrameName(kNoFile, 1), "");
}

}  // namespace
}  // namespace vn::player
