#include <gtest/gtest.h>

#include "movie/movie_file.h"
#include "movie/movie_file_fixture.h"

namespace vn::movie {
namespace {

using test::HandMadeMovie;
using test::kNone;

// header | audio | I-VOP "first" | P | clock record + I-VOP "a" across 2048 |
// P at 3000 | I-VOP "b" at 3100, no clock record | P at 4200 | filler to 6000
class MovieSeekTest : public test::MovieFileTest {
protected:
    void SetUp() override {
        movie.Audio(100, 0);
        first = movie.Vop(0);
        movie.FillTo(1500);
        movie.Vop(1);
        movie.FillTo(2026);
        clockRecord = movie.ClockRecord();
        a = movie.Vop(0);
        ASSERT_EQ(a, 2040u);
        movie.FillTo(3000);
        movie.Vop(1);
        movie.FillTo(3100);
        b = movie.Vop(0);
        movie.FillTo(4200);
        movie.Vop(1);
        movie.FillTo(6000);
        ASSERT_EQ(Open(movie), 5);
    }

    HandMadeMovie movie{64, 64};
    size_t first = 0, clockRecord = 0, a = 0, b = 0;
};

TEST_F(MovieSeekTest, ForwardFromInsideAnIntraVopFindsTheNextOnePassingPVops) {
    EXPECT_EQ(file.Seek(2, 1, 1), 3);  // 2048 lies inside "a"
    EXPECT_EQ(file.seekOffset(), static_cast<int64_t>(b));
    const Read r = ReadNext(false, true);
    EXPECT_GT(r.pos, 0);
    EXPECT_EQ(file.decoder().vopCodingType(), 0);
    EXPECT_EQ(r.audioLength, kNone);
}

TEST_F(MovieSeekTest, FindingAVopBehindAClockRecordStandsOnTheRecord) {
    EXPECT_EQ(file.Seek(2, 1, -1), 1);
    EXPECT_EQ(file.seekOffset(), static_cast<int64_t>(clockRecord));
    const Read r = ReadNext(false, true);
    EXPECT_EQ(r.pos, 2);  // "a" itself, its record passed over
    EXPECT_EQ(file.decoder().vopCodingType(), 0);
    EXPECT_EQ(r.audioLength, kNone);
}

TEST_F(MovieSeekTest, ResultIsCountedInStepsAndNegativePositionsCountAsZero) {
    EXPECT_EQ(file.Seek(1, 2, 1), 1);  // 3100 / 2048
    EXPECT_EQ(file.seekOffset(), static_cast<int64_t>(b));
    EXPECT_EQ(file.Seek(-3, 1, 1), 0);
    EXPECT_EQ(file.seekOffset(), static_cast<int64_t>(first));
    const Read r = ReadNext(false, true);
    EXPECT_EQ(r.pos, 0);
    EXPECT_EQ(r.audioLength, kNone);  // the audio chunk lies before the seek's VOP
}

TEST_F(MovieSeekTest, RunningOffTheFileGivesZeroAndNoOffset) {
    EXPECT_EQ(file.Seek(5, 1, 1), 0);  // only a P-VOP after 5120
    EXPECT_EQ(file.seekOffset(), -1);
    EXPECT_EQ(file.Seek(0, 1, -1), 0);
    EXPECT_EQ(file.seekOffset(), -1);
}

TEST_F(MovieSeekTest, TargetsBeyondTheFileAndStepsBelowOneFail) {
    EXPECT_EQ(file.Seek(6, 1, 1), std::nullopt);  // 6144 > 6000
    EXPECT_EQ(file.seekOffset(), -1);
    EXPECT_EQ(file.Seek(3, 2, -1), std::nullopt);
    EXPECT_EQ(file.Seek(int64_t{1} << 62, 16, 1), std::nullopt);
    EXPECT_EQ(file.Seek(1, 0, 1), std::nullopt);
    EXPECT_EQ(file.Seek(1, -16, 1), std::nullopt);
    // The reader still works from where it was.
    EXPECT_EQ(file.Seek(2, 1, -1), 1);
}

TEST_F(MovieSeekTest, AVopBehindARecordOfAnotherLengthIsFoundItself) {
    HandMadeMovie other;
    other.FillTo(1100);
    other.ClockRecord(10);
    const size_t vop = other.Vop(0);
    other.FillTo(2048);
    ASSERT_EQ(Open(other), 2);
    EXPECT_EQ(file.Seek(1, 1, 1), 1);
    EXPECT_EQ(file.seekOffset(), static_cast<int64_t>(vop));
}

// Movies beyond one mapped window: seeks and audio chunks across the boundary.
TEST_F(MovieSeekTest, SeeksAndAudioCrossTheWindowBoundary) {
    constexpr size_t kWindow = 1 << 20;
    HandMadeMovie big{64, 64};
    big.FillTo(kWindow - 40);
    const size_t record = big.ClockRecord();
    big.Vop(0);  // straddles the boundary
    big.Audio(3000, 0, 9);
    big.Vop(1);
    big.FillTo(2 * kWindow - 10000);
    big.Audio(20000, 0, 3);  // across the second boundary
    big.Vop(1);
    big.FillTo(2 * kWindow + 15000);
    ASSERT_EQ(Open(big), 2062);

    EXPECT_EQ(file.Seek(1030, 1, -1), static_cast<int>(record / 1024));
    EXPECT_EQ(file.seekOffset(), static_cast<int64_t>(record));
    EXPECT_GT(ReadNext(false, true).pos, 0);
    EXPECT_EQ(file.decoder().vopCodingType(), 0);
    EXPECT_EQ(ReadNext(false, true).audioLength, 3000);
    EXPECT_EQ(TakeAudio(), HandMadeMovie::Counting(3000, 9));
    EXPECT_EQ(ReadNext(false, true).audioLength, 20000);
    EXPECT_EQ(TakeAudio(), HandMadeMovie::Counting(20000, 3));
}

}  // namespace
}  // namespace vn::movie
