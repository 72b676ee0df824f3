#include "movie/movie_file.h"

#include <gtest/gtest.h>

#include <ctime>
#include <utime.h>

#include "movie/movie_file_fixture.h"

namespace vn::movie {
namespace {

using test::HandMadeMovie;
using test::kNone;
using test::MovieFileTest;

TEST_F(MovieFileTest, OpenReportsWholeUnitsAndTheHeaderEnd) {
    HandMadeMovie movie;
    movie.Vop(0);
    movie.FillTo(2500);
    EXPECT_EQ(Open(movie), 2);  // 2500 bytes: the last 452 are no whole unit
    EXPECT_TRUE(file.isOpen());
    EXPECT_EQ(file.headerEndOffset, movie.headerEnd());
    EXPECT_EQ(file.decoder().width(), 32);
    EXPECT_TRUE(file.openFailure().empty());
}

TEST_F(MovieFileTest, OpenFailsWithAReasonAndLeavesNothingOpen) {
    EXPECT_EQ(file.OpenStream(Path(".missing.m4v")), 0);
    EXPECT_FALSE(file.openFailure().empty());

    HandMadeMovie shortMovie;
    shortMovie.Vop(0);
    EXPECT_EQ(Open(shortMovie), 0);  // below one unit
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(file.ReadNextPicture(nullptr, nullptr, false, false, nullptr), std::nullopt);
    EXPECT_FALSE(file.RewindStream());

    samples::BitWriter noHeaders;
    noHeaders.Bytes(HandMadeMovie::Counting(4096));
    const std::string path = Path(".m4v");
    ASSERT_TRUE(noHeaders.WriteFile(path));
    EXPECT_EQ(file.OpenStream(path), 0);
    EXPECT_FALSE(file.openFailure().empty());
    EXPECT_FALSE(file.isOpen());
}

TEST_F(MovieFileTest, OpenRecordsTheModificationTimeInLocalDosForm) {
    HandMadeMovie movie;
    movie.Vop(0);
    movie.FillTo(1024);
    const std::string path = Path(".mvm");
    ASSERT_TRUE(movie.Write(path));
    std::tm local{};
    local.tm_year = 2010 - 1900;
    local.tm_mon = 11;
    local.tm_mday = 31;
    local.tm_hour = 23;
    local.tm_min = 59;
    local.tm_sec = 59;
    local.tm_isdst = -1;
    const time_t when = std::mktime(&local);
    const utimbuf times{when, when};
    ASSERT_EQ(utime(path.c_str(), &times), 0);
    ASSERT_EQ(file.OpenStream(path), 1);
    EXPECT_EQ(file.fileTime.year, 2010);
    EXPECT_EQ(file.fileTime.month, 12);
    EXPECT_EQ(file.fileTime.day, 31);
    EXPECT_EQ(file.fileTime.hour, 23);
    EXPECT_EQ(file.fileTime.minute, 59);
    EXPECT_EQ(file.fileTime.second, 58);  // two-second steps
}

TEST_F(MovieFileTest, AudioChunkWithSkipCountHonouredOrNotAndDeliveredOrNot) {
    HandMadeMovie movie;
    movie.Audio(300, 44);
    movie.Vop(0);
    movie.Audio(300, 44);
    movie.Vop(1);
    movie.Audio(300, 44);
    movie.Vop(1);
    movie.FillTo(1024);
    ASSERT_EQ(Open(movie), 1);

    const Read honoured = ReadNext(true, true);
    EXPECT_EQ(honoured.pos, 0);
    EXPECT_EQ(honoured.audioLength, 256);
    EXPECT_EQ(honoured.quantiser, 8);
    EXPECT_EQ(TakeAudio(), HandMadeMovie::Counting(256, 44));

    const Read whole = ReadNext(false, true);
    EXPECT_EQ(whole.audioLength, 300);
    EXPECT_EQ(TakeAudio(), HandMadeMovie::Counting(300));

    const Read kept = ReadNext(true, false);
    EXPECT_EQ(kept.pos, 0);  // the VOP after the chunk is still found
    EXPECT_EQ(kept.audioLength, 256);
    EXPECT_EQ(file.audioRing().count(), 0u);
}

TEST_F(MovieFileTest, SkipCountAboveTheChunkLengthSkipsTheWholePayloadOnly) {
    HandMadeMovie movie;
    movie.Audio(10, 44);
    movie.Vop(0);
    movie.FillTo(1024);
    ASSERT_EQ(Open(movie), 1);
    const Read r = ReadNext(true, true);
    EXPECT_EQ(r.pos, 0);
    EXPECT_EQ(r.audioLength, 0);
    EXPECT_EQ(file.audioRing().count(), 0u);
}

TEST_F(MovieFileTest, ClockRecordsOtherChunksAndGovAreSteppedOver) {
    HandMadeMovie movie;
    movie.ClockRecord();
    movie.Chunk(0x80, 0, HandMadeMovie::Counting(5));
    movie.Chunk(0xFF, 0, HandMadeMovie::Counting(40));
    movie.ClockRecord(10);  // not 6: stepped over by its length
    movie.Gov();
    movie.Vop(0);
    movie.Audio(20, 0);
    movie.Audio(30, 0);  // the last audio chunk of a picture is the one reported
    movie.Vop(1);
    movie.FillTo(1024);
    ASSERT_EQ(Open(movie), 1);

    Picture picture(32, 32);
    const Read first = ReadNext(false, true, &picture);
    EXPECT_EQ(first.pos, 0);
    EXPECT_EQ(first.audioLength, kNone);  // no audio chunk met
    EXPECT_EQ(file.decoder().vopCodingType(), 0);
    const Read second = ReadNext(false, true);
    EXPECT_EQ(second.pos, 0);
    EXPECT_EQ(second.audioLength, 30);
    EXPECT_EQ(file.audioRing().count(), 50u);
    EXPECT_EQ(file.decoder().vopCodingType(), 1);
    EXPECT_EQ(ReadNext(false, true).pos, std::nullopt);  // the filler, then the end
}

TEST_F(MovieFileTest, ThePositionIsTheVopsByteAlignedEndInUnits) {
    HandMadeMovie movie;
    movie.FillTo(2040);
    movie.Vop(0);  // ends past 2048
    movie.FillTo(5000);
    ASSERT_EQ(Open(movie), 4);
    EXPECT_EQ(ReadNext(false, false).pos, 2);
}

TEST_F(MovieFileTest, RewindGoesBackToTheFirstPicture) {
    HandMadeMovie movie;
    movie.Audio(100, 0);
    movie.Vop(0);
    movie.FillTo(1500);
    movie.Vop(1);
    movie.FillTo(2100);
    ASSERT_EQ(Open(movie), 2);
    const Read first = ReadNext(false, false);
    EXPECT_EQ(ReadNext(false, false).pos, 1);
    EXPECT_EQ(ReadNext(false, false).pos, std::nullopt);
    ASSERT_TRUE(file.RewindStream());
    const Read again = ReadNext(false, false);
    EXPECT_EQ(again.pos, first.pos);
    EXPECT_EQ(again.audioLength, 100);
    EXPECT_EQ(file.decoder().vopCodingType(), 0);
    file.CloseStream();
    EXPECT_FALSE(file.RewindStream());
}

}  // namespace
}  // namespace vn::movie
