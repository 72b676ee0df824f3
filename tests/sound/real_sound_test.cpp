// The real sound path: Qt's audio sink on the PulseAudio server that
// with_pulseaudio.sh starts (its null sink plays in real time and is heard
// by nobody). The device on its own, then a raw movie played to its end in
// the window, its pictures in step with the sound the sink has played.
#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>

#include <mutex>
#include <thread>

#include "app/engine_test_support.h"
#include "movie/ima_adpcm.h"
#include "platform/audio_sink_device.h"
#include "samplewriter/default_movies.h"

namespace vn::test {
namespace {

using Clock = std::chrono::steady_clock;

// A buffer's playing time: 4 blocks of 249 samples at 16 kHz.
constexpr double kBufferMs = 4 * 249 * 1000.0 / 16000;

class RealSoundTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        qunsetenv("VNPLAY_AUDIO");
        if (QMediaDevices::defaultAudioOutput().isNull()) {
            GTEST_SKIP() << "no sound output: run through with_pulseaudio.sh, which starts a private server";
        }
    }
};

// Buffers written at once are reported one by one as the sink plays them,
// never ahead of their time, on the device's thread.
TEST_F(RealSoundTest, TheSinkReportsEachBufferOnceItHasPlayed) {
    std::mutex mutex;
    std::vector<double> reportedMs;
    std::vector<std::thread::id> threads;
    const Clock::time_point start = Clock::now();
    auto device = ui::AudioSinkDevice::Make([&] {
        std::lock_guard lock(mutex);
        reportedMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        threads.push_back(std::this_thread::get_id());
    });
    ASSERT_NE(device, nullptr);
    constexpr int kBuffers = 8;
    const std::vector<uint8_t> silence(movie::kAudioBufferBytes, 0);
    for (int i = 0; i < kBuffers; ++i) ASSERT_EQ(device->Write(silence), 0);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            std::lock_guard lock(mutex);
            return reportedMs.size() == kBuffers;
        },
        5000));
    std::lock_guard lock(mutex);
    for (int i = 0; i < kBuffers; ++i) {
        // A poll's lateness at most, never early.
        EXPECT_GT(reportedMs[i], (i + 1) * kBufferMs - 10) << "buffer " << i;
        EXPECT_NE(threads[i], std::this_thread::get_id()) << "reported on the window's thread";
    }
    EXPECT_LT(reportedMs.back(), kBuffers * kBufferMs + 1000);
}

// The movie plays in its real time through the sink, every buffer played,
// each picture shown as the sound before it plays, and stops back at its
// first picture.
TEST_F(RealSoundTest, ARawMoviePlaysToItsEndInStepWithTheSink) {
    samples::SampleMovie movie = samples::RawMovieSample();
    movie.pictureCount = 45;  // 3 seconds
    ASSERT_TRUE(samples::WriteMovie(movie, folder_.path().toStdString()));
    Player();
    QElapsedTimer clock;
    clock.start();
    Drop({folder_.filePath(QString::fromStdString(movie.fileName)).toStdString()});
    ASSERT_TRUE(engine().state.g_bPlaying);
    const player::RawMoviePlayback& playback = engine().rawPlayback;
    double mostAhead = 0;
    double mostBehind = 0;
    const auto watchStep = [&] {
        if (!engine().state.g_bPlaying) return true;
        // While the movie is still being read, each picture read comes with
        // the next picture shown: the one after the first is shown at once.
        if (playback.rawFrameCounter + player::RawMoviePlayback::kRingSize >= movie.pictureCount) return false;
        const double shown = playback.rawFrameCounter + 1;
        const double soundPlayed = engine().audio.buffersPlayed() * 512.0 / movie.audioBytesPerPicture;
        mostAhead = std::max(mostAhead, shown - soundPlayed);
        mostBehind = std::min(mostBehind, shown - soundPlayed);
        return false;
    };
    ASSERT_TRUE(QTest::qWaitFor(watchStep, 15000));
    const double seconds = movie.audioBytesPerPicture * 45 * 249.0 / 128 / 16000;
    EXPECT_GT(clock.elapsed() / 1000.0, seconds - 0.3);
    EXPECT_LT(clock.elapsed() / 1000.0, 2 * seconds + 2);
    EXPECT_EQ(engine().audio.buffersPlayed(), (45u * movie.audioBytesPerPicture + 511) / 512);
    // Never ahead of the sound by more than the picture being counted in; a
    // busy machine may show a picture late, but not by much.
    EXPECT_LT(mostAhead, 1.5);
    EXPECT_GT(mostBehind, -3.0);
    EXPECT_EQ(playback.stream.g_nStreamPos, 0) << "stopped back at the start";
}

}  // namespace
}  // namespace vn::test
