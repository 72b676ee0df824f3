#include "player/stream_movie_playback.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/hand_made_movie.h"

namespace vn::player {
namespace {

class StreamMoviePlaybackTest : public ::testing::Test {
protected:
    // After what the test wrote: `pictures` VOPs, an intra one every 10, each
    // after `gap` bytes of filler.
    void Open(int pictures, size_t gap) {
        for (int i = 0; i < pictures; ++i) {
            movie.Filler(gap);
            pictureEnds.push_back(0);
            movie.Vop(i % 10 == 0 ? 0 : 1);
            pictureEnds.back() = movie.size();
        }
        const std::string path = ::testing::TempDir() + "stream_playback_" +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".m4v";
        ASSERT_TRUE(movie.Write(path));
        ASSERT_GT(file.OpenStream(path), 0);
        ASSERT_TRUE(playback.MakePicture(32, 32));
    }
    int UnitAfter(int picture) const { return static_cast<int>(pictureEnds[picture] / 1024); }

    test::HandMadeMovie movie;
    std::vector<size_t> pictureEnds;
    movie::MovieFile file;
    StreamMoviePlayback playback{file};
};

// Each tick shows the next picture and counts it; past the last one the
// stream stands at its end with the last two good pictures' positions.
TEST_F(StreamMoviePlaybackTest, TicksReadToTheEndAndKeepTheLastTwoGood) {
    Open(12, 600);
    std::optional<std::string> report;
    for (int i = 0; i < 12; ++i) {
        ASSERT_TRUE(playback.Tick(report).ok()) << "picture " << i;
        EXPECT_EQ(playback.frame, i);
        EXPECT_EQ(playback.stream.g_nStreamPos, UnitAfter(i));
    }
    // Fillers are chunks, read as such: no skipped bytes to report.
    EXPECT_FALSE(report);
    EXPECT_LE(playback.Tick(report).position, 0);
    EXPECT_LE(playback.stream.g_nStreamPos, 0);
    EXPECT_EQ(playback.frame, 11);
    EXPECT_EQ(playback.stream.g_nLastGoodPos, UnitAfter(11));
    EXPECT_EQ(playback.stream.g_nPrevGoodPos, UnitAfter(10));

    ASSERT_TRUE(playback.RewindStream());
    EXPECT_EQ(playback.frame, 0);
    EXPECT_EQ(playback.stream.g_nStreamPos, UnitAfter(0));
    EXPECT_GT(playback.StepForward().position, 0);
    EXPECT_EQ(playback.frame, 1);
}

// Pictures that end within the stream's first 1024 bytes stand at position
// 0: they play and rewind like any other, and only a failed read ends.
TEST_F(StreamMoviePlaybackTest, PicturesInTheFirstUnitPlay) {
    movie.Vop(0);
    movie.Vop(1);
    Open(1, 2000);
    std::optional<std::string> report;
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(playback.Tick(report).ok()) << "picture " << i;
    EXPECT_EQ(playback.frame, 2);
    EXPECT_FALSE(playback.Tick(report).ok());
    ASSERT_TRUE(playback.RewindStream());
    EXPECT_EQ(playback.frame, 0);
    EXPECT_EQ(playback.stream.g_nStreamPos, 0);
}

}  // namespace
}  // namespace vn::player
