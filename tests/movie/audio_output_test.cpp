#include "movie/audio_output.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/scripted_audio_device.h"

namespace vn::movie {
namespace {

using Bytes = std::vector<uint8_t>;

// The pictures of a movie whose sound is a counting byte sequence: each
// picture due pushes the next `perPicture` bytes.
class SoundSource : public PicturePacer {
public:
    SoundSource(AudioOutput& output, int perPicture) : output_(output), perPicture_(perPicture) {}

    int DueAudioLength() const override { return due; }
    void AdvanceRawFrame() override {
        ++advances;
        Push(perPicture_);
    }
    bool MovieRead() const override { return movieRead; }

    void Push(int count) {
        Bytes bytes;
        for (int i = 0; i < count; ++i) bytes.push_back(static_cast<uint8_t>(next_++ * 7 + 3));
        output_.ring.Push(bytes);
    }
    // The first n bytes this source made.
    Bytes Made(size_t n) const {
        Bytes bytes;
        for (size_t i = 0; i < n; ++i) bytes.push_back(static_cast<uint8_t>(i * 7 + 3));
        return bytes;
    }

    int due = 548;
    int advances = 0;
    bool movieRead = false;

private:
    AudioOutput& output_;
    int perPicture_;
    size_t next_ = 0;
};

class AudioOutputTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(output.Initialise(audio.Maker())); }

    // The device plays its oldest buffer; the window thread takes the report.
    void PlayOne(PicturePacer& pacer) {
        audio.PlayOne();
        AudioNotice notice;
        while (audio.TakeNotice(notice)) {
            if (notice.message == AudioMessage::Underrun) {
                underruns.push_back(notice);
            } else if (output.TakeBufferDone(notice)) {
                output.BufferDone(pacer);
            }
        }
    }

    test::ScriptedAudio audio;
    std::vector<AudioNotice> underruns;
    AudioOutput output{audio.Poster()};
};

// 1200 bytes fill two buffers and leave 176; of the three to be written,
// the empty third is not, and the play index waits on it.
TEST_F(AudioOutputTest, StartFillsWholeBuffersAndWritesOnlyFullOnes) {
    SoundSource source(output, 0);
    source.Push(1200);
    EXPECT_EQ(output.Start(AudioOutput::kPrefillBuffers, AudioOutput::kQueuedBuffers), 2);
    EXPECT_EQ(output.ring.count(), 176u);
    ASSERT_EQ(audio.written.size(), 2u);
    EXPECT_EQ(audio.AllWritten(), source.Made(1024));
    EXPECT_EQ(output.fillIndex, 2);
    EXPECT_EQ(output.playIndex, 2);
    EXPECT_TRUE(output.running);
    EXPECT_EQ(output.Start(5, 3), 0) << "a start while running is ignored";
}

// Steady play: every buffer played brings the next full one to the device
// and refills one, so the device always holds three; the pictures come
// every 548 bytes; and the device gets the sound exactly in order.
TEST_F(AudioOutputTest, SoundReachesTheDeviceInOrderAndPacesThePictures) {
    SoundSource source(output, 548);
    source.Push(8 * 548);
    ASSERT_EQ(output.Start(5, 3), 5);
    for (int i = 0; i < 40; ++i) {
        PlayOne(source);
        EXPECT_EQ(output.BuffersOnDevice(), 3);
        EXPECT_EQ((output.fillIndex - output.playIndex + 16) % 16, 2);
    }
    // 40 x 512 bytes moved after the prefill: one picture per 548.
    EXPECT_EQ(source.advances, 40 * 512 / 548);
    EXPECT_TRUE(underruns.empty());
    const Bytes all = audio.AllWritten();
    EXPECT_EQ(all, source.Made(all.size()));
}

// The reader falls behind: the buffer being filled goes to the device half
// full, and the sound that comes after it must neither be lost nor land in
// a buffer the device has already been given.
TEST_F(AudioOutputTest, AHalfFullBufferWrittenWhenDueIsClosed) {
    SoundSource source(output, 0);
    source.due = 1 << 20;
    source.Push(5 * 512 + 100);
    output.Start(5, 3);
    for (int i = 0; i < 3; ++i) PlayOne(source);
    EXPECT_EQ(audio.written.back().size(), 100u);
    source.Push(1024);
    while (output.BuffersOnDevice() > 0) PlayOne(source);
    EXPECT_FALSE(underruns.empty());
    EXPECT_EQ(audio.AllWritten(), source.Made(5 * 512 + 100 + 1024));
}

TEST_F(AudioOutputTest, OneBufferPlayedMovesOneBufferAndShowsOnePictureOf512) {
    SoundSource source(output, 512);
    source.due = 512;
    source.Push(8 * 512);
    output.Start(5, 3);
    const uint32_t before = output.ring.count();
    PlayOne(source);
    EXPECT_EQ(source.advances, 1);
    EXPECT_EQ(output.ring.count(), before) << "512 moved out, the next picture's 512 in";
    EXPECT_EQ(output.pacingCounter, 0);
}

// A picture without sound would never be due by a count of bytes.
TEST_F(AudioOutputTest, PicturesWithoutSoundAreSteppedPastAtOnce) {
    SoundSource source(output, 548);
    source.Push(8 * 548);
    output.Start(5, 3);
    source.due = 0;
    PlayOne(source);
    EXPECT_EQ(source.advances, 8) << "a ring's worth, not forever";
}

// Once the movie has been read, the pictures left follow the sound still
// playing: the count goes on when the ring is empty.
TEST_F(AudioOutputTest, AfterTheMovieWasReadThePacingCountsOnWithAnEmptyRing) {
    SoundSource source(output, 0);
    source.due = 512;
    source.Push(5 * 512);
    output.Start(5, 3);
    source.movieRead = true;
    PlayOne(source);
    PlayOne(source);
    EXPECT_EQ(source.advances, 2);
    while (!output.Drained()) PlayOne(source);
    EXPECT_EQ(output.buffersPlayed(), 5u);
}

// Buffers of a stopped run play out without counting as buffers of the
// next run; the table is reset once the last of them is in.
TEST_F(AudioOutputTest, ReportsOfAStoppedRunAreCountedOffNotTakenForTheNextRun) {
    SoundSource source(output, 548);
    source.Push(8 * 548);
    output.Start(5, 3);
    output.Stop();
    EXPECT_EQ(output.ring.count(), 0u);
    PlayOne(source);
    PlayOne(source);
    EXPECT_EQ(output.playIndex, 3) << "not reset while a buffer is on the device";
    PlayOne(source);
    EXPECT_EQ(output.playIndex, -1);
    EXPECT_EQ(source.advances, 0);

    source.Push(8 * 548);
    output.Start(5, 3);
    output.Stop();
    source.Push(8 * 548);
    output.Start(5, 3);
    PlayOne(source);  // the first run's
    EXPECT_EQ(source.advances, 0);
    EXPECT_EQ(output.BuffersOnDevice(), 3);
}

TEST_F(AudioOutputTest, AnUnderrunIsCurrentOnlyForTheRunThatHadIt) {
    SoundSource source(output, 0);
    source.Push(5 * 512);
    output.Start(5, 3);
    for (int i = 0; i < 5; ++i) PlayOne(source);
    ASSERT_GE(static_cast<int>(underruns.size()), 1);
    const AudioNotice underrun = underruns.front();
    EXPECT_TRUE(output.IsCurrentUnderrun(underrun));
    output.Stop();
    source.Push(5 * 512);
    output.Start(5, 3);
    EXPECT_FALSE(output.IsCurrentUnderrun(underrun));
}

// A device that refuses a buffer keeps it full; the next report retries it.
TEST_F(AudioOutputTest, ARefusedBufferIsWrittenAgainAfterTheNextOnePlayed) {
    SoundSource source(output, 548);
    source.Push(8 * 548);
    output.Start(5, 3);
    audio.refusals = 1;
    PlayOne(source);
    EXPECT_EQ(audio.written.size(), 3u);
    EXPECT_EQ(output.buffers[3].filled, 512);
    PlayOne(source);
    EXPECT_EQ(audio.written.size(), 4u);
    const Bytes all = audio.AllWritten();
    EXPECT_EQ(all, source.Made(all.size()));
}

}  // namespace
}  // namespace vn::movie
