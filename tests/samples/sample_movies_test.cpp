// The sample movies read back through the player's movie file against their
// scripts: pictures, sound and the places a seek lands on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "movie/ima_adpcm.h"
#include "samples/movie_reading.h"
#include "samples/test_folder.h"
#include "samples/tone_check.h"
#include "samplewriter/adpcm_encoder.h"
#include "samplewriter/default_movies.h"
#include "support/psnr.h"

namespace vn::samples {
namespace {

using movie::AdpcmSampleCount;
using movie::DecodeAdpcm;
using movie::kAdpcmBlockBytes;
using movie::kAdpcmSampleRate;
using movie::kAdpcmSamplesPerBlock;
using vn::test::Psnr;

class SampleMovieTest : public ::testing::TestWithParam<SampleMovie> {
protected:
    void SetUp() override {
        built = BuildMovie(movie);
        ASSERT_FALSE(built.bytes.empty());
        ASSERT_TRUE(WriteMovie(movie, folder.path().string()));
        ASSERT_EQ(reading.Open(Path()), static_cast<int64_t>(built.bytes.size() / 1024));
    }
    std::string Path() const { return (folder.path() / movie.fileName).string(); }

    const SampleMovie& movie = GetParam();
    test::TestFolder folder;
    BuiltMovie built;
    test::MovieReading reading;
};

TEST_P(SampleMovieTest, PicturesAreTheScenesAndRepeatUntilTheNextIntraPicture) {
    EXPECT_EQ(reading.file.decoder().width(), movie.width);
    EXPECT_EQ(reading.file.decoder().height(), movie.height);
    EXPECT_EQ(reading.file.headerEndOffset, built.headerEnd);
    const Scenery scenery(movie.width, movie.height, movie.place.landscape, movie.place.seed);
    std::vector<uint8_t> shown;
    for (int p = 0; p < movie.pictureCount; ++p) {
        SCOPED_TRACE(p);
        ASSERT_GT(reading.Next(), 0);
        EXPECT_EQ(reading.file.decoder().vopCodingType(), movie.IsIntra(p) ? 0 : 1);
        if (movie.IsIntra(p)) {
            const size_t group = static_cast<size_t>(p / movie.intraPeriod);
            EXPECT_GT(Psnr(reading.Rgb(), scenery.Render(movie.intraViews[group])), 30.0);
            EXPECT_NE(reading.Rgb(), shown);
            shown = reading.Rgb();
        } else {
            ASSERT_EQ(reading.Rgb(), shown);
        }
    }
    EXPECT_EQ(reading.Next(), std::nullopt);
}

TEST_P(SampleMovieTest, VopStartCodesStandOnlyWhereThePicturesAre) {
    // A seek scans raw bytes, so neither sound nor pictures may look like a VOP.
    constexpr uint8_t kVopStart[4] = {0x00, 0x00, 0x01, 0xB6};
    std::vector<size_t> found;
    const auto& bytes = built.bytes;
    for (auto at = bytes.begin(); (at = std::search(at, bytes.end(), kVopStart, kVopStart + 4)) != bytes.end(); ++at) {
        found.push_back(static_cast<size_t>(at - bytes.begin()));
    }
    EXPECT_EQ(found, built.vopOffsets);
}

TEST_P(SampleMovieTest, SeeksLandOnIntraPicturesOrTheirClockRecords) {
    const std::vector<int> intra = movie.IntraPictures();
    for (size_t k = 0; k < intra.size(); ++k) {
        SCOPED_TRACE(intra[k]);
        const size_t landing =
            movie.HasClockRecord(intra[k]) ? built.clockOffsets[intra[k]] : built.vopOffsets[intra[k]];
        // Forwards from the unit that holds the landing place, backwards from
        // the one before the next intra picture's.
        EXPECT_EQ(reading.file.Seek(static_cast<int64_t>(landing / 1024), 1, 1), static_cast<int>(landing / 1024));
        EXPECT_EQ(reading.file.seekOffset(), static_cast<int64_t>(landing));
        const size_t next = k + 1 < intra.size() ? built.vopOffsets[intra[k + 1]] : built.bytes.size();
        EXPECT_EQ(reading.file.Seek(static_cast<int64_t>(next / 1024) - 1, 1, -1), static_cast<int>(landing / 1024));
        EXPECT_EQ(reading.file.seekOffset(), static_cast<int64_t>(landing));
        ASSERT_GT(reading.Next(), 0);
        EXPECT_EQ(reading.file.decoder().vopCodingType(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(DefaultMovies, SampleMovieTest, testing::ValuesIn(DefaultMovies()),
                         [](const testing::TestParamInfo<SampleMovie>& info) {
                             return info.param.rawMovie ? std::string("RawMovie") : std::string("Stream");
                         });

class RawMovieSoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        built = BuildMovie(movie);
        ASSERT_TRUE(WriteMovie(movie, folder.path().string()));
        ASSERT_GT(reading.Open((folder.path() / movie.fileName).string()), 0);
    }
    // The ring's bytes as the output takes them, a 512-byte buffer at a time
    // (the rest too when `all`), decoded.
    void Drain(bool all) {
        movie::AudioRing& ring = reading.file.audioRing();
        std::vector<uint8_t> buffer(movie::kAudioBufferBytes);
        while (ring.count() >= movie::kAudioBufferBytes || (all && ring.count() > 0)) {
            buffer.resize(ring.Take(buffer));
            const size_t at = pcm.size();
            pcm.resize(at + AdpcmSampleCount(buffer.size()));
            DecodeAdpcm(buffer, std::span(pcm).subspan(at));
            buffer.resize(movie::kAudioBufferBytes);
        }
    }

    const SampleMovie movie = RawMovieSample();
    BuiltMovie built;
    test::TestFolder folder;
    test::MovieReading reading;
    std::vector<int16_t> pcm;
};

TEST_F(RawMovieSoundTest, AudioChunksDecodeToTheToneForTheMoviesLength) {
    for (int p = 0; p < movie.pictureCount; ++p) {
        int audioLength = -1;
        ASSERT_GT(reading.Next(true, &audioLength), 0);
        ASSERT_EQ(audioLength, movie.audioBytesPerPicture);
        Drain(false);
    }
    Drain(true);
    ASSERT_EQ(pcm.size(), movie.AudioSamples());
    EXPECT_NEAR(static_cast<double>(pcm.size()) / kAdpcmSampleRate, movie.Seconds(), movie.PictureSeconds());
    EXPECT_NEAR(test::CrossingFrequency(pcm, kAdpcmSampleRate), movie.toneFrequency, 1.0);
    EXPECT_GT(test::SnrDb(pcm, SineTone(movie.toneFrequency, movie.toneAmplitude, pcm.size())), 28.0);
}

TEST_F(RawMovieSoundTest, HonouringTheSkipCountAfterASeekStartsOnABlockHeader) {
    // As after a seek: the first chunk delivered is the one after an intra
    // picture, its leading bytes belonging to a block that was never sent.
    const std::vector<int16_t> tone = SineTone(movie.toneFrequency, movie.toneAmplitude, movie.AudioSamples());
    for (int intra : {movie.intraPeriod, 7 * movie.intraPeriod}) {
        SCOPED_TRACE(intra);
        const size_t clockRecord = built.clockOffsets[intra];
        ASSERT_GT(reading.file.Seek(static_cast<int64_t>(clockRecord / 1024), 1, 1), 0);
        ASSERT_EQ(reading.file.seekOffset(), static_cast<int64_t>(clockRecord));
        ASSERT_GT(reading.Next(), 0);  // the intra picture: its chunk came before the seek's landing
        const int picture = intra + 1;
        int audioLength = -1;
        reading.file.audioRing().Clear();
        ASSERT_GT(reading.file.ReadNextPicture(nullptr, &audioLength, true, true, nullptr), 0);
        EXPECT_EQ(audioLength, movie.audioBytesPerPicture - movie.AudioSkip(picture));
        pcm.clear();
        Drain(true);
        const size_t firstByte = static_cast<size_t>(picture) * movie.audioBytesPerPicture + movie.AudioSkip(picture);
        ASSERT_EQ(firstByte % kAdpcmBlockBytes, 0u);
        const size_t firstSample = firstByte / kAdpcmBlockBytes * kAdpcmSamplesPerBlock;
        EXPECT_EQ(pcm.front(), tone[firstSample]);
        EXPECT_GT(test::SnrDb(pcm, std::span(tone).subspan(firstSample)), 28.0);
    }
}

}  // namespace
}  // namespace vn::samples
