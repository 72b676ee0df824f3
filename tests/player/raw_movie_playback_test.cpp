#include "player/raw_movie_playback.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "support/hand_made_movie.h"
#include "support/scripted_audio_device.h"

namespace vn::player {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr int kBlock = 128;

// A raw movie whose sound is one run of counting bytes, its share for each
// picture in a chunk before the picture; each chunk's skip count finishes
// the block the chunk before began. An intra picture every `intraPeriod`,
// the later ones behind a clock record.
struct SoundMovie {
    test::HandMadeMovie movie;
    Bytes sound;
    std::vector<size_t> soundStart;  // where each picture's sound starts in `sound`
    std::vector<size_t> unitStart;   // where each picture's unit starts in the file
    std::vector<size_t> seekStart;   // where a seek stands for it: its clock record or VOP
};

uint8_t SoundByte(size_t i) { return static_cast<uint8_t>(i * 7 + 3); }

SoundMovie MakeMovie(int pictures, int perPicture, int intraPeriod, const std::set<int>& silent = {}) {
    SoundMovie m;
    for (int i = 0; i < pictures; ++i) {
        m.unitStart.push_back(m.movie.size());
        m.soundStart.push_back(m.sound.size());
        if (!silent.contains(i)) {
            Bytes payload;
            for (int k = 0; k < perPicture; ++k) payload.push_back(SoundByte(m.sound.size() + k));
            const auto skip = static_cast<uint8_t>((kBlock - m.sound.size() % kBlock) % kBlock);
            m.movie.Chunk(samples::kAudioChunk, skip, payload);
            m.sound.insert(m.sound.end(), payload.begin(), payload.end());
        }
        const bool intra = i % intraPeriod == 0;
        const size_t clock = intra && i > 0 ? m.movie.ClockRecord() : SIZE_MAX;
        const size_t vop = m.movie.Vop(intra ? 0 : 1);
        m.seekStart.push_back(std::min(clock, vop));
    }
    return m;
}

class ShownPictures : public RawMovieView {
public:
    void PresentRawPicture(const Picture&, const RawPictureShown& picture) override { shown.push_back(picture); }
    void RawPictureRead(const MoviePicture& read) override { reads.push_back(read); }
    void LogRawMovie(const std::vector<std::string>& lines) override {
        log.insert(log.end(), lines.begin(), lines.end());
    }
    void RawMovieEnded() override { ++ended; }

    std::vector<int> Numbers() const {
        std::vector<int> numbers;
        for (const RawPictureShown& picture : shown) numbers.push_back(picture.number);
        return numbers;
    }

    std::vector<RawPictureShown> shown;
    std::vector<MoviePicture> reads;
    std::vector<std::string> log;
    int ended = 0;
};

std::vector<int> Count(int from, int to) {
    std::vector<int> numbers;
    for (int i = from; i <= to; ++i) numbers.push_back(i);
    return numbers;
}

class RawMoviePlaybackTest : public ::testing::Test {
protected:
    void Open(const SoundMovie& m) {
        const std::string path = ::testing::TempDir() + "raw_playback_" +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".mvm";
        ASSERT_TRUE(m.movie.Write(path));
        ASSERT_GT(file.OpenStream(path), 0);
        ASSERT_TRUE(output.Initialise(audio.Maker()));
        ASSERT_TRUE(playback.MakeRing(32, 32));
    }

    // The device plays one buffer; the window thread takes what was posted.
    void PlayOne() {
        audio.PlayOne();
        movie::AudioNotice notice;
        while (audio.TakeNotice(notice)) playback.AudioMessage(notice);
    }
    void PlayToEnd() {
        for (int i = 0; i < 10000 && view.ended == 0; ++i) PlayOne();
    }
    // The unit (1024 bytes) a picture's unit starts in.
    static int UnitOf(const SoundMovie& m, int picture) { return static_cast<int>(m.unitStart[picture] / 1024); }
    // The unit a seek that finds a picture reports.
    static int SeekUnitOf(const SoundMovie& m, int picture) { return static_cast<int>(m.seekStart[picture] / 1024); }

    test::ScriptedAudio audio;
    movie::AudioOutput output{audio.Poster()};
    movie::MovieFile file{&output.ring};
    ShownPictures view;
    RawMoviePlayback playback{file, output, view};
};

// From the beginning: every picture after the first (shown while stopped)
// once and in order, then the end once the sound has played out; the
// device gets the whole sound, the first chunks taken whole.
TEST_F(RawMoviePlaybackTest, PlaysFromTheBeginningToTheEndWithAllItsSound) {
    const SoundMovie m = MakeMovie(40, 548, 10);
    Open(m);
    ASSERT_TRUE(playback.PrimeRawRing(false));
    EXPECT_EQ(audio.written.size(), 3u);
    PlayToEnd();
    EXPECT_EQ(view.Numbers(), Count(1, 39));
    EXPECT_EQ(view.ended, 1);
    EXPECT_EQ(audio.AllWritten(), m.sound);
    EXPECT_EQ(output.buffersPlayed(), (m.sound.size() + 511) / 512);
    EXPECT_FALSE(playback.playing());
    EXPECT_EQ(view.log.back(), playback.stream.LastTwoGood());
    EXPECT_EQ(view.log.end()[-2], "Last 2 good at:");
    EXPECT_LE(playback.stream.g_nStreamPos, 0);
}

// After a pause the reader stands within the stream's sound: the resumed
// sound starts where the next picture's chunk says a block begins, and the
// pictures go on from the next one read.
TEST_F(RawMoviePlaybackTest, ResumeStartsTheSoundOnABlockAndReadsOn) {
    const SoundMovie m = MakeMovie(60, 548, 10);
    Open(m);
    ASSERT_TRUE(playback.PrimeRawRing(false));
    for (int i = 0; i < 20; ++i) PlayOne();
    playback.StopSound();
    const int lastRead = 7 + playback.rawFrameCounter;
    const size_t writtenBefore = audio.written.size();
    const size_t shownBefore = view.shown.size();

    ASSERT_TRUE(playback.PrimeRawRing(true));
    EXPECT_EQ(view.shown[shownBefore].number, lastRead + 1);
    const size_t resumedAt = m.soundStart[lastRead + 1];
    const size_t firstByte = resumedAt + (kBlock - resumedAt % kBlock) % kBlock;
    ASSERT_GT(audio.written.size(), writtenBefore);
    const Bytes& first = audio.written[writtenBefore];
    EXPECT_EQ(first, Bytes(m.sound.begin() + firstByte, m.sound.begin() + firstByte + first.size()));
    PlayToEnd();
    EXPECT_EQ(view.ended, 1);
}

// The reader fell behind and the ring ran dry: the sound starts again from
// where the reader stands, and the movie plays on to its end.
TEST_F(RawMoviePlaybackTest, AnUnderrunStartsTheSoundAgainAndPlayGoesOn) {
    const SoundMovie m = MakeMovie(60, 548, 10);
    Open(m);
    ASSERT_TRUE(playback.PrimeRawRing(false));
    for (int i = 0; i < 10; ++i) PlayOne();
    output.ring.Clear();
    PlayToEnd();
    EXPECT_EQ(view.ended, 1);
    EXPECT_EQ(view.shown.back().number, 59);
}

TEST_F(RawMoviePlaybackTest, PicturesWithoutSoundDoNotHoldUpThePictures) {
    const SoundMovie m = MakeMovie(40, 548, 10, {12, 20, 31});
    Open(m);
    ASSERT_TRUE(playback.PrimeRawRing(false));
    PlayToEnd();
    EXPECT_EQ(view.Numbers(), Count(1, 39));
    EXPECT_EQ(audio.AllWritten(), m.sound);
}

// Stop: the first picture again, the reader before it, and a new start
// plays the sound from its first byte.
TEST_F(RawMoviePlaybackTest, RewindShowsTheFirstPictureAndPlaysFromTheStart) {
    const SoundMovie m = MakeMovie(40, 548, 10);
    Open(m);
    ASSERT_TRUE(playback.PrimeRawRing(false));
    for (int i = 0; i < 15; ++i) PlayOne();
    playback.StopSound();
    ASSERT_TRUE(playback.RewindRawMovie());
    EXPECT_EQ(view.shown.back().number, 0);
    EXPECT_EQ(playback.stream.g_nStreamPos, 0);
    const size_t writtenBefore = audio.written.size();
    ASSERT_TRUE(playback.PrimeRawRing(false));
    EXPECT_EQ(view.shown.back().number, 1);
    EXPECT_EQ(audio.written[writtenBefore], Bytes(m.sound.begin(), m.sound.begin() + 512));
}

// Forward to the next intra picture, again past the one shown; back to the
// one before the picture shown; the seek bar in steps of 16 KiB.
TEST_F(RawMoviePlaybackTest, StepsAndTheSeekBarShowIntraPictures) {
    const SoundMovie m = MakeMovie(240, 548, 10);
    Open(m);
    ASSERT_TRUE(playback.RewindRawMovie());
    ASSERT_TRUE(playback.StepForward(false));
    EXPECT_EQ(playback.stream.g_nStreamPos, SeekUnitOf(m, 10));
    ASSERT_TRUE(playback.StepForward(false));
    EXPECT_EQ(playback.stream.g_nStreamPos, SeekUnitOf(m, 20));
    EXPECT_EQ(view.log,
              std::vector<std::string>({std::to_string(SeekUnitOf(m, 10)), std::to_string(SeekUnitOf(m, 20))}));

    ASSERT_TRUE(playback.StepForward(false));
    ASSERT_TRUE(playback.StepBackward());
    EXPECT_EQ(view.reads.back().position, playback.stream.g_nStreamPos);
    // Two seeks back from where the step stood, on picture 30: the intra
    // picture before it, and the one before that.
    EXPECT_EQ(playback.stream.g_nStreamPos, UnitOf(m, 11)) << "the read ends where picture 11 starts";

    const int barMaximum = static_cast<int>(file.window().fileSize() / 1024) / g_nRawSeekStep;
    ASSERT_TRUE(playback.SeekBar(3, barMaximum));
    int intraAfter = 0;
    while (m.seekStart[intraAfter] < 3 * 16 * 1024) intraAfter += 10;
    EXPECT_EQ(playback.stream.g_nStreamPos, UnitOf(m, intraAfter + 1));
    EXPECT_FALSE(playback.SeekBar(barMaximum - 1, barMaximum)) << "the bar's last step does not seek";
    EXPECT_TRUE(audio.written.empty()) << "steps and seeks show pictures without sound";
}

// Single steps after a pause show the pictures read ahead first, then read on.
TEST_F(RawMoviePlaybackTest, SingleStepsGoOnFromThePictureShown) {
    const SoundMovie m = MakeMovie(40, 548, 10);
    Open(m);
    ASSERT_TRUE(playback.PrimeRawRing(false));
    for (int i = 0; i < 5; ++i) PlayOne();
    playback.StopSound();
    const int shown = view.shown.back().number;
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(playback.StepForward(true));
    const std::vector<int> numbers = view.Numbers();
    const std::vector<int> stepped(numbers.end() - 10, numbers.end());
    EXPECT_EQ(stepped, Count(shown + 1, shown + 10));
}

TEST_F(RawMoviePlaybackTest, AMovieWhoseFirstPictureCannotBeReadDoesNotStart) {
    SoundMovie m = MakeMovie(3, 548, 10);
    m.movie.Bytes({0, 0, 1, 0xB6});  // a VOP start code and nothing after it
    Open(m);
    ASSERT_TRUE(playback.PrimeRawRing(false));
    PlayToEnd();
    EXPECT_EQ(view.ended, 1);
    EXPECT_FALSE(playback.PrimeRawRing(true)) << "nothing left to read";
    EXPECT_FALSE(playback.playing());
}

}  // namespace
}  // namespace vn::player
