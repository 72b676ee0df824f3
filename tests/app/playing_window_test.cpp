// The window with the engine playing sample recordings: started from the
// command line, pictures on screen, the first recording's zoom, and the
// close that stops playing and keeps the rate.
#include <QAction>
#include <QScrollArea>

#include <gtest/gtest.h>

#include "app/window_test_support.h"
#include "samplewriter/default_samples.h"

namespace vn::app {
namespace {

using test::Control;

class PlayingWindowTest : public test::MainWindowTest {
protected:
    // Writes the sample, cut to its first `frames` frames, beside the settings.
    QString Sample(samples::SampleRecording sample, size_t frames = 0) {
        if (frames > 0 && sample.frames.size() > frames) sample.frames.resize(frames);
        EXPECT_TRUE(samples::WriteSample(sample, folder_.path().toStdString()));
        return folder_.filePath(QString::fromStdString(sample.fileName));
    }

    // The program started with files on its command line, shown and
    // painted: then the first entry opens.
    TfrmVNMain& Playing(const QStringList& files) {
        TfrmVNMain& window = OpenWindow(files);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_TRUE(QTest::qWaitFor([this] { return Engine().state.g_nFileKind != 0; }));
        return window;
    }

    PlayerEngine& Engine() { return program_->engine; }
};

TEST_F(PlayingWindowTest, CommandLineFilesPlayFromTheFirstShowAndTheScreenShowsTheFrame) {
    const QString events = Sample(samples::EventRecordingSample());
    TfrmVNMain& window = Playing({events});
    ASSERT_TRUE(Engine().state.g_bPlaying);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Engine().recording.currentFrame() >= 3; }, 5000));

    // The whole window as a picture while it plays: its image area holds
    // the frame just decoded, pixel for pixel at zoom 1.
    const QImage shot = window.grab().toImage();
    QTemporaryDir pictures;
    EXPECT_TRUE(shot.save(pictures.filePath("playing.png")));
    const vn::Picture& frame = Engine().g_pFramePicture;
    ASSERT_EQ(window.nZoom(), 100);
    const QWidget* image = Control(&window, "Image1");
    ASSERT_EQ(image->size(), QSize(frame.width(), frame.height()));
    const QPoint origin = image->mapTo(&window, QPoint(0, 0));
    int differing = 0;
    for (int y = 0; y < frame.height(); y += 7) {
        for (int x = 0; x < frame.width(); x += 5) {
            const uint8_t* pixel = frame.Row(y) + 3 * x;
            if (shot.pixel(origin + QPoint(x, y)) != qRgb(pixel[2], pixel[1], pixel[0])) ++differing;
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(Control<ui::StatusBar>(&window, "StatusBar1")->PanelText(1), "320x240");
}

TEST_F(PlayingWindowTest, FirstWideRecordingSetsHalfZoomOnce) {
    samples::SampleRecording wide = samples::ScenesSample();
    wide.fileName = "WIDE.AVI";
    wide.avi.width = 1280;
    wide.avi.height = 720;
    const QString path = Sample(wide, 3);
    WriteSettingsFile("[settings]\nnZoom=200\n");
    TfrmVNMain& window = Playing({path});
    EXPECT_EQ(window.nZoom(), 50);
    EXPECT_EQ(Control<ui::StatusBar>(&window, "StatusBar1")->PanelText(4), "Zoom = 0.50");
    EXPECT_EQ(Control(&window, "Image1")->size(), QSize(640, 360));
}

TEST_F(PlayingWindowTest, ClosingWhilePlayingStopsAndSavesTheRecordingsRate) {
    const QString scenes = Sample(samples::ScenesSample(), 12);
    TfrmVNMain& window = Playing({scenes});
    ASSERT_TRUE(Engine().state.g_bPlaying);
    const int rate = window.prefs.nFrmRate;
    ASSERT_GT(rate, 0);
    window.close();
    EXPECT_FALSE(Engine().state.g_bPlaying);
    EXPECT_EQ(Engine().state.g_nFileKind, 0);
    EXPECT_TRUE(Control(&window, "Image1")->isHidden());
    EXPECT_TRUE(SettingsFileText().contains(QByteArray("nFrmRate=") + QByteArray::number(rate)));
}

TEST_F(PlayingWindowTest, EmbeddedTimestampBlacksTheBandUnderThePicture) {
    const QString events = Sample(samples::EventRecordingSample(), 6);
    WriteSettingsFile("[settings]\ng_bEmbedTime=1\n");
    TfrmVNMain& window = Playing({events});
    ASSERT_TRUE(QTest::qWaitFor([&] { return Engine().recording.currentFrame() >= 2; }, 5000));
    const QImage shown = Control(&window, "Image1")->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(320, 240 + 16));
    // The band's left part holds no characters: the time is right-aligned.
    EXPECT_EQ(shown.pixel(2, 240 + 8), qRgb(0, 0, 0));
    int white = 0;
    for (int x = 240; x < 320; ++x) white += shown.pixel(x, 240 + 5) == qRgb(255, 255, 255);
    EXPECT_GT(white, 0);
}

}  // namespace
}  // namespace vn::app
