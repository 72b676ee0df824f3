// Damaged movies: every bad element gives -1, the next read goes on from the
// next start code, and nothing hangs or reads outside the file.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "movie/movie_file.h"
#include "movie/movie_file_fixture.h"

namespace vn::movie {
namespace {

using test::HandMadeMovie;

class DamagedMovieTest : public test::MovieFileTest {
protected:
    // Opens the movie with a good I-VOP after it, then expects a failed read
    // followed by that I-VOP.
    void ExpectFailureThenTheNextPicture(HandMadeMovie& movie) {
        movie.Vop(0);
        movie.FillTo((movie.size() + 8 + 1023) / 1024 * 1024);
        ASSERT_GE(Open(movie), 1);
        EXPECT_EQ(ReadNext(false, true).pos, std::nullopt);
        EXPECT_TRUE(ReadNext(false, true).pos);
        EXPECT_EQ(file.decoder().vopCodingType(), 0);
        EXPECT_EQ(ReadNext(false, true).pos, std::nullopt);
    }
};

TEST_F(DamagedMovieTest, VopWithoutPictureIsAFailureAndTheNextVopReads) {
    HandMadeMovie movie;
    movie.Vop(0, false);
    ExpectFailureThenTheNextPicture(movie);
}

TEST_F(DamagedMovieTest, BVopIsAFailureAndTheNextVopReads) {
    HandMadeMovie movie;
    movie.Vop(2);
    ExpectFailureThenTheNextPicture(movie);
}

TEST_F(DamagedMovieTest, UnexpectedStartCodeIsAFailureAndIsNotMetAgain) {
    HandMadeMovie movie;
    movie.StartCode(0xB5);
    ExpectFailureThenTheNextPicture(movie);
}

TEST_F(DamagedMovieTest, MoreThan32BytesOfJunkBeforeAVop) {
    HandMadeMovie movie;
    movie.Bytes(std::vector<uint8_t>(40, 0x5A));
    ExpectFailureThenTheNextPicture(movie);
}

TEST_F(DamagedMovieTest, SecondGovInARowIsAFailure) {
    HandMadeMovie movie;
    movie.Gov();
    movie.Gov();
    ExpectFailureThenTheNextPicture(movie);
}

TEST_F(DamagedMovieTest, TruncatedVopAndTruncatedAudioChunkAtTheEnd) {
    HandMadeMovie movie;
    movie.FillTo(1100);
    const size_t vop = movie.Vop(0);
    ASSERT_EQ(Open(movie, vop + 6), 1);
    EXPECT_EQ(ReadNext(false, true).pos, std::nullopt);
    EXPECT_EQ(ReadNext(false, true).pos, std::nullopt);

    HandMadeMovie audio;
    audio.FillTo(1100);
    const size_t chunk = audio.Audio(500, 0);
    ASSERT_EQ(Open(audio, chunk + 300), 1);
    EXPECT_EQ(ReadNext(false, true).pos, std::nullopt);
    EXPECT_EQ(file.audioRing().count(), 0u);
}

TEST_F(DamagedMovieTest, RandomBytesAfterTheHeadersThenAPicture) {
    HandMadeMovie movie;
    std::mt19937 random(7);
    std::vector<uint8_t> junk(3000);
    for (auto& byte : junk) byte = static_cast<uint8_t>(random() | 0x10);  // no zero bytes
    movie.Bytes(junk);
    ExpectFailureThenTheNextPicture(movie);
}

// Every byte of a small movie replaced in turn by values that make start
// codes, markers and lengths go wrong: reads end, seeks stay inside the file.
TEST_F(DamagedMovieTest, CorruptedBytesNeverHangOrReadOutside) {
    HandMadeMovie movie;
    movie.Audio(40, 50);
    movie.ClockRecord();
    movie.Gov();
    movie.Vop(0);
    movie.Audio(30, 2);
    movie.Vop(1);
    movie.ClockRecord(9);
    movie.Vop(0);
    movie.FillTo(1030);
    const std::vector<uint8_t> good = movie.bytes();
    const std::string path = Path(".mvm");
    for (size_t at = movie.headerEnd(); at < 260; ++at) {
        for (const uint8_t value : {0x00, 0x01, 0xB2, 0xB6, 0xFF}) {
            std::vector<uint8_t> bytes = good;
            bytes[at] = value;
            samples::BitWriter w;
            w.Bytes(bytes);
            ASSERT_TRUE(w.WriteFile(path));
            ASSERT_EQ(file.OpenStream(path), 1);
            Picture picture(32, 32);
            int reads = 0;
            while (file.ReadNextPicture(&picture, nullptr, true, true, nullptr) ||
                   file.window().position() + 3 < file.window().fileSize()) {
                ASSERT_LT(++reads, 200) << "at " << at;
            }
            for (const int direction : {1, -1}) EXPECT_TRUE(file.Seek(0, 1, direction));
            file.audioRing().Clear();
        }
    }
}

// Real camera streams with bytes overwritten and their ends cut off: the
// decoder meets broken macroblocks, codes and vectors in every kind of picture.
TEST_F(DamagedMovieTest, CorruptedFixtureMoviesReadToTheEnd) {
    for (const char* name : {"f_mq_zero_176x144.mvm", "d_mq_me_176x144_onekey.m4v"}) {
        std::ifstream in(std::string(VN_MOVIE_FIXTURES) + "/" + name, std::ios::binary);
        const std::vector<uint8_t> good{std::istreambuf_iterator<char>(in), {}};
        ASSERT_GT(good.size(), 50000u) << name;
        std::mt19937 random(11);
        const std::string path = Path(name);
        for (int variant = 0; variant < 6; ++variant) {
            std::vector<uint8_t> bytes = good;
            bytes.resize(good.size() - random() % 20000);
            for (int k = 0; k < 12; ++k) bytes[64 + random() % (bytes.size() - 64)] = static_cast<uint8_t>(random());
            samples::BitWriter w;
            w.Bytes(bytes);
            ASSERT_TRUE(w.WriteFile(path));
            ASSERT_GT(file.OpenStream(path), 0) << name;
            Picture picture(176, 144);
            int reads = 0, pictures = 0;
            for (bool read = true; read || file.window().position() + 3 < file.window().fileSize();) {
                read = file.ReadNextPicture(&picture, nullptr, false, true, nullptr).has_value();
                pictures += read;
                ASSERT_LT(++reads, 400) << name << " variant " << variant;
            }
            EXPECT_GT(pictures, 0);
            EXPECT_TRUE(file.Seek(30, 1, -1));
            file.audioRing().Clear();
        }
    }
}

}  // namespace
}  // namespace vn::movie
