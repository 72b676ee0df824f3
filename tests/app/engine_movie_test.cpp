// MPEG-4 streams and raw movies in the window, dropped and played as a user
// plays them: the stream on the timer's ticks, the raw movie in real time
// through the silent sound output.
#include <QElapsedTimer>
#include <QSlider>

#include "app/engine_test_support.h"
#include "samplewriter/default_movies.h"

namespace vn::test {
namespace {

class EngineMovieTest : public EngineTest {
protected:
    // The silent output, whatever sound the machine has.
    void SetUp() override {
        EngineTest::SetUp();
        qputenv("VNPLAY_AUDIO", "null");
    }
    std::string WriteMovie(samples::SampleMovie movie, int pictures = 0) {
        if (pictures > 0) movie.pictureCount = pictures;
        EXPECT_TRUE(samples::WriteMovie(movie, folder_.path().toStdString()));
        return folder_.filePath(QString::fromStdString(movie.fileName)).toStdString();
    }
    bool Shown(const char* name) { return !Control(&program_->frmVNMain, name)->isHidden(); }
    bool WaitForStop(int ms) {
        return QTest::qWaitFor([&] { return !engine().state.g_bPlaying; }, ms);
    }
    const player::MovieStreamState& RawStream() { return engine().rawPlayback.stream; }
};

// A stream plays tick by tick in the compact window, pauses at its end with
// the last two good positions, and Stop shows its first picture again.
TEST_F(EngineMovieTest, AStreamPlaysToItsEndAndStopsBackToItsFirstPicture) {
    const samples::SampleMovie sample = samples::StreamMovieSample();
    const std::string path = WriteMovie(sample, 30);
    app::TfrmVNMain& window = Player();
    Drop({path});
    ASSERT_TRUE(engine().state.g_bPlaying);
    for (const char* group : {"gbMotion", "gbStats", "gbPlayRate", "lblRate"}) EXPECT_FALSE(Shown(group)) << group;
    EXPECT_TRUE(Shown("gbPlayList"));
    EXPECT_EQ(engine().Timer1.interval(), 66);
    EXPECT_EQ(Panel(1), "320x240");

    Tick(30);
    EXPECT_EQ(Panel(3), "Frame 30");
    const int lastGood = engine().streamPlayback.stream.g_nLastGoodPos;
    Tick();
    EXPECT_FALSE(engine().state.g_bPlaying);
    EXPECT_TRUE(engine().state.g_bPaused);
    EXPECT_TRUE(Panel(4).startsWith("Last 2 good at = 0x")) << Panel(4).toStdString();
    EXPECT_TRUE(Panel(4).endsWith(QString::number(lastGood, 16))) << Panel(4).toStdString();
    ExpectWindowShows(window, engine().controls());

    Click("sbStop");
    EXPECT_EQ(engine().streamPlayback.frame, 0);
    EXPECT_EQ(Panel(3), "Frame 1");
    Click("sbNext");
    EXPECT_EQ(Panel(3), "Frame 2");
    EXPECT_FALSE(Control(&window, "sbPrevious")->isEnabled());
    ExpectWindowShows(window, engine().controls());
}

// A raw movie plays in its real time, every buffer of its sound played, and
// stops back to its first picture with the progress bar showing.
TEST_F(EngineMovieTest, ARawMoviePlaysInRealTimeWithAllItsSound) {
    const samples::SampleMovie sample = samples::RawMovieSample();
    const std::string path = WriteMovie(sample, 30);
    app::TfrmVNMain& window = Player();
    QElapsedTimer clock;
    clock.start();
    Drop({path});
    ASSERT_TRUE(engine().state.g_bPlaying);
    EXPECT_FALSE(Shown("gbPlayList"));
    EXPECT_FALSE(Shown("gbMotion"));
    ASSERT_TRUE(WaitForStop(10000));
    const double seconds = sample.audioBytesPerPicture * 30 * 249.0 / 128 / 16000;
    // Never faster than its sound; slower only on a machine too busy to keep time.
    EXPECT_GT(clock.elapsed() / 1000.0, seconds - 0.3);
    EXPECT_LT(clock.elapsed() / 1000.0, 2 * seconds + 2);
    EXPECT_EQ(engine().audio.buffersPlayed(), (30 * sample.audioBytesPerPicture + 511) / 512);
    EXPECT_EQ(RawStream().g_nStreamPos, 0);
    EXPECT_TRUE(Shown("pbWhere"));
    EXPECT_FALSE(Shown("tbWhere"));
    ExpectWindowShows(window, engine().controls());
}

// Pause keeps the place: the seek bar shows it and play goes on from there;
// the steps and the seek bar move between intra pictures; with "MVM Pause on
// Stop" Stop keeps the picture and the place.
TEST_F(EngineMovieTest, ARawMoviePausesStepsSeeksAndResumes) {
    const std::string path = WriteMovie(samples::RawMovieSample(), 150);
    app::TfrmVNMain& window = Player();
    Drop({path});
    ASSERT_TRUE(QTest::qWaitFor([&] { return RawStream().g_nStreamPos > 20; }, 5000));
    Click("sbPause");
    const int paused = RawStream().g_nStreamPos;
    auto* seekBar = Control<QSlider>(&window, "tbWhere");
    EXPECT_TRUE(Shown("tbWhere"));
    EXPECT_EQ(seekBar->value(), paused / player::g_nRawSeekStep);
    ExpectWindowShows(window, engine().controls());

    Click("sbNext");
    const int stepped = RawStream().g_nStreamPos;
    EXPECT_GT(stepped, 0);
    Click("sbNext");
    EXPECT_GT(RawStream().g_nStreamPos, stepped);
    Click("sbPrevious");
    EXPECT_LT(RawStream().g_nStreamPos, stepped + 16);

    seekBar->setFocus();
    engine().tbWhereEnter();
    seekBar->setValue(1);
    EXPECT_GE(RawStream().g_nStreamPos, player::g_nRawSeekStep);
    EXPECT_TRUE(Control(&window, "sbStop")->isEnabled());

    const int before = RawStream().g_nStreamPos;
    Click("sbForward");
    ASSERT_TRUE(engine().state.g_bPlaying);
    ASSERT_TRUE(QTest::qWaitFor([&] { return RawStream().g_nStreamPos > before + 5; }, 5000));

    program_->frmDiags.bPauseOnStop = true;
    Click("sbStop");
    EXPECT_FALSE(engine().state.g_bPlaying);
    EXPECT_GT(RawStream().g_nStreamPos, before);
    program_->frmDiags.bPauseOnStop = false;
    program_->frmDiags.show();
    QTest::mouseClick(Control(&program_->frmDiags, "bMVMRestart"), Qt::LeftButton);
    EXPECT_EQ(RawStream().g_nStreamPos, 0);
}

// AVI recordings and movies in one list: each plays in its kind's way, and
// the recording after the raw movie shows its groups again.
TEST_F(EngineMovieTest, AListMixingRecordingsAndMoviesPlaysThrough) {
    const std::string first = Write("REC0001.AVI", Plan().Frames(3));
    const std::string raw = WriteMovie(samples::RawMovieSample(), 20);
    const app::TfrmVNMain& window = Player();
    Drop({first, raw});
    ASSERT_EQ(engine().state.g_nFileKind, player::kAviRecording);
    EXPECT_FALSE(Caption(window, "lblCamModel").isEmpty());
    Tick(3);
    EXPECT_EQ(engine().state.g_nFileKind, player::kRawMovie);
    EXPECT_TRUE(Caption(window, "lblCamModel").isEmpty()) << "the recording's rows are not the movie's";
    EXPECT_FALSE(Shown("gbPlayList"));
    EXPECT_FALSE(Shown("gbStats"));
    Click("sbStop");
    engine().lbPlayListDblClick(0);
    EXPECT_EQ(engine().state.g_nFileKind, player::kAviRecording);
    EXPECT_TRUE(Shown("gbPlayList"));
    EXPECT_TRUE(Shown("gbStats"));
}

}  // namespace
}  // namespace vn::test
