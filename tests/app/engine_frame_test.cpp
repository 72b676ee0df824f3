// Each frame as the engine shows it through the real windows: the pixels on
// screen, the time-stamp caption, the labels against the fixtures, and the
// diagnostics window's share (bad frames, the per-frame log, breakpoints).
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

#include "app/engine_test_support.h"
#include "platform/controls.h"

namespace vn::app {
namespace {

using FrameTest = test::EngineTest;
using test::Caption;
using test::Control;
using test::Plan;

TEST_F(FrameTest, TheWindowShowsTheDecodedPixelsWhilePlaying) {
    TfrmVNMain& window = Player();
    // The real timer moves playback on.
    QObject::connect(&engine().Timer1, &QTimer::timeout, &engine(), &PlayerEngine::Timer1Timer);
    Drop({Write("colours.avi", Plan().Size(64, 48).Frames(50))});
    QTest::qWait(450);
    ASSERT_TRUE(engine().state.g_bPlaying);
    ASSERT_GE(Frame(), 2);
    const QString png = folder_.filePath("window.png");
    ASSERT_TRUE(window.grab().save(png));
    const QImage shot(png);
    const Picture& picture = engine().g_pFramePicture;
    const QWidget* image = Control(&window, "Image1");
    const QPoint origin = image->mapTo(&window, QPoint(0, 0)) * shot.devicePixelRatio();
    ASSERT_EQ(image->size(), QSize(64, 48));  // zoom 1 for pictures below 1280 wide
    int differing = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const uint8_t* bgr = picture.Row(y) + 3 * x;
            differing += shot.pixel(origin + QPoint(x, y)) != qRgb(bgr[2], bgr[1], bgr[0]);
        }
    }
    EXPECT_EQ(differing, 0);
    // And that picture is the frame the status bar names.
    const auto colour = test::FrameColour(Frame());
    const uint8_t* centre = picture.Row(24) + 3 * 32;
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(centre[c], colour[c], 6) << c;
    EXPECT_EQ(Panel(3), QString("Frame %1").arg(Frame() + 1));
}

TEST_F(FrameTest, TheTimeStampIsDrawnIntoABandBelowThePicture) {
    WriteSettingsFile("[settings]\ng_bEmbedTime=1\n");
    TfrmVNMain& window = Player();
    samples::CameraDate start{2012, 7, 14, 9, 30, 5};
    Drop({Write("stamped.avi", Plan().Size(240, 32).Frames(4).Clock(start))});
    Tick();
    const Picture& picture = engine().g_pFramePicture;
    ASSERT_EQ(picture.height(), 32 + 16);
    EXPECT_EQ(Caption(window, "lblDate"), "2012/07/14");
    EXPECT_EQ(Caption(window, "lblTime"), "09:30:06");
    int white = 0, black = 0;
    for (int y = 32; y < 48; ++y) {
        for (int x = 0; x < 240; ++x) {
            const uint8_t* p = picture.Row(y) + 3 * x;
            white += p[0] == 255 && p[1] == 255 && p[2] == 255;
            black += p[0] == 0 && p[1] == 0 && p[2] == 0;
        }
    }
    EXPECT_GT(white, 100);
    EXPECT_EQ(white + black, 240 * 16);
}

// A fixture copied with the file time its expected values assume.
std::string CopyFixture(const QTemporaryDir& folder, const QJsonObject& expected) {
    const QString name = expected["file"].toString();
    const std::string copy = folder.filePath(name).toStdString();
    std::filesystem::copy_file(std::string(VN_AVI_FIXTURES "/") + name.toStdString(), copy);
    const std::string touch = "touch -d '" + expected["file_time"].toString().toStdString() + "' '" + copy + "'";
    EXPECT_EQ(std::system(touch.c_str()), 0);
    return copy;
}

QJsonObject Expected(const char* name) {
    QFile file(QStringLiteral(VN_AVI_FIXTURES "/%1.expected.json").arg(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QJsonDocument::fromJson(file.readAll()).object();
}

// Stop shows frame 0, each "+" the next: every frame once, in order.
void ExpectLabelsAsFixture(TfrmVNMain& window, const QJsonObject& expected) {
    const QJsonObject labels = expected["labels"].toObject();
    const std::string name = expected["file"].toString().toStdString();
    EXPECT_EQ(Caption(window, "lblRate"), QString::number(labels["nFrmRate"].toInt())) << name;
    EXPECT_EQ(Caption(window, "lblCapIntervalTitle"), labels["lblCapIntervalTitle"].toString()) << name;
    QTest::mouseClick(Control(&window, "sbStop"), Qt::LeftButton);
    auto* list = Control(&window, "lbPlayList");
    list->setFocus();
    const QJsonArray frames = expected["frames"].toArray();
    for (int i = 0; i < frames.size(); ++i) {
        if (i > 0) QTest::keyClick(list, '+');
        const QJsonObject frame = frames[i].toObject();
        EXPECT_EQ(Caption(window, "lblElapsedTime"), frame["elapsed_text"].toString()) << name << " frame " << i;
        EXPECT_EQ(Caption(window, "lblDate"), frame["date"].toString()) << name << " frame " << i;
        EXPECT_EQ(Caption(window, "lblTime"), frame["time"].toString()) << name << " frame " << i;
    }
    EXPECT_EQ(Caption(window, "lblElapsedTimeTitle"), labels["lblElapsedTimeTitle"].toString()) << name;
    EXPECT_EQ(Caption(window, "lblCapInterval"), labels["lblCapInterval"].toString()) << name;
}

TEST_F(FrameTest, LabelsOfEveryFrameAgreeWithTheFixtures) {
    TfrmVNMain& window = Player();
    // One after the other in one player: the second recording, without
    // camera dates, must not show the first one's.
    for (const char* name : {"evt320", "xprmax"}) {
        const QJsonObject expected = Expected(name);
        // A drop while stopped plays entry 0; the newest file is the last.
        Drop({CopyFixture(folder_, expected)});
        if (Entry() != Control<ui::ListBox>(&window, "lbPlayList")->count() - 1) Click("bSkip");
        ExpectLabelsAsFixture(window, expected);
    }
}

TEST_F(FrameTest, BadFramesAreListedInTheDiagnosticsWindowAndTheLastGoodPictureStays) {
    Player();
    program_->frmDiags.show();
    Drop({Write("damaged.avi", Plan().Frames(6).Undecodable({2, 4}))});
    Tick(4);
    uint32_t offset2 = 0, offset4 = 0;
    engine().recording.GetFrameEntry(2, &offset2, nullptr);
    engine().recording.GetFrameEntry(4, &offset4, nullptr);
    auto* list = program_->frmDiags.findChild<QListWidget*>("ListBox1");
    ASSERT_NE(list, nullptr);
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines.append(list->item(i)->text());
    EXPECT_EQ(lines,
              QStringList({QString::asprintf("    3: %8.8x", offset2), QString::asprintf("    5: %8.8x", offset4)}));
    EXPECT_EQ(program_->frmDiags.findChild<QLabel*>("lblBadFrameCount")->text(), "2");
    // Frame 5 could not be decoded: frame 4's colours are still shown.
    EXPECT_EQ(Panel(3), "Frame 5");
    const auto colour = test::FrameColour(3);
    const uint8_t* centre = engine().g_pFramePicture.Row(12) + 3 * 16;
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(centre[c], colour[c], 6) << c;
    EXPECT_TRUE(engine().state.g_bPlaying);
}

TEST_F(FrameTest, ABreakpointOnTheCameraValuesPausesPlayback) {
    TfrmVNMain& window = Player();
    diag::TfrmDiags& diags = program_->frmDiags;
    diags.show();
    diags.findChild<QLineEdit*>("edtRetryCount")->setText("2");
    const auto items = diags.findChild<ui::RadioGroup*>("rgBreakpoint")->findChildren<QRadioButton*>();
    ASSERT_GE(items.size(), 2);
    QTest::mouseClick(items[1], Qt::LeftButton);  // "Retries > n"
    Drop({Write("retries.avi", Plan().Frames(8).Clock({2013, 3, 1, 12, 0, 0}).Retries(3, 2).Retries(5, 3))});
    Tick(4);
    EXPECT_TRUE(engine().state.g_bPlaying);
    Tick();
    EXPECT_FALSE(engine().state.g_bPlaying);
    EXPECT_EQ(Frame(), 5);
    EXPECT_FALSE(test::Enabled(window, "sbPause"));
    EXPECT_FALSE(Control(&window, "tbWhere")->isHidden());
    Tick(2);
    EXPECT_EQ(Frame(), 5);
}

TEST_F(FrameTest, TheDiagnosticsLogFollowsItsSwitches) {
    WriteSettingsFile("[window]\nShowDiags=1\n[settings]\nbShowExpo=1\n");
    Player();
    diag::TfrmDiags& diags = program_->frmDiags;
    ASSERT_TRUE(diags.isVisible());
    // The fixture's frames carry exposure records.
    const QJsonObject expected = Expected("xprmax");
    Drop({CopyFixture(folder_, expected)});
    Tick();
    auto* list = diags.findChild<QListWidget*>("ListBox1");
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines.append(list->item(i)->text());
    EXPECT_EQ(lines.first(), "--- Frame 1 -----");
    EXPECT_TRUE(lines.contains("Expo    =  307")) << lines.join('|').toStdString();
    EXPECT_TRUE(lines.filter(QRegularExpression("^FrmInt")).isEmpty());
}

}  // namespace
}  // namespace vn::app
