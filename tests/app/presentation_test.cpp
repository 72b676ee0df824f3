// What the window shows: the picture, the search thumbnail and labels, the
// Movie Info panel of the fixture recordings, and its place on the screen.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>
#include <QScreen>
#include <QSignalSpy>
#include <QUrl>

#include <gtest/gtest.h>

#include "app/window_test_support.h"
#include "recording/frame_show.h"
#include "recording/movie_info.h"

namespace vn::app {
namespace {

using PresentationTest = test::MainWindowTest;
using test::Control;

QRgb PixelOf(const vn::Picture& picture, int x, int y) {
    const uint8_t* pixel = picture.Row(y) + 3 * x;
    return qRgb(pixel[2], pixel[1], pixel[0]);
}

TEST_F(PresentationTest, PictureIsHiddenUntilPresentedThenShownPixelForPixel) {
    TfrmVNMain& window = ShownWindow();
    QWidget* image = Control(&window, "Image1");
    EXPECT_TRUE(image->isHidden());
    const vn::Picture picture = test::PatternPicture(97, 61);  // rows padded to 4 bytes
    window.SetPictureSize(97, 61);
    window.ApplyZoom();
    window.PresentPicture(picture);
    EXPECT_FALSE(image->isHidden());

    const QImage shown = image->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(97, 61));
    for (const QPoint at : {QPoint(0, 0), QPoint(96, 0), QPoint(50, 30), QPoint(96, 60)}) {
        EXPECT_EQ(shown.pixel(at), PixelOf(picture, at.x(), at.y())) << at.x() << "," << at.y();
    }
    window.HidePicture();
    EXPECT_TRUE(image->isHidden());
}

TEST_F(PresentationTest, WindowSavedBeyondTheScreenIsMovedOntoItWhenShown) {
    WriteSettingsFile("[window]\nnMainWinX=5000\nnMainWinY=4000\nnMainWinWidth=900\nnMainWinHeight=600\n");
    TfrmVNMain& window = OpenWindow();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QSize screen = window.screen()->geometry().size();
    EXPECT_EQ(window.frameGeometry(), QRect(4, 4, screen.width() - 8, screen.height() - 36));
}

TEST_F(PresentationTest, OneSearchLabelShowsAtATime) {
    TfrmVNMain& window = OpenWindow();
    const std::vector<QWidget*> labels = {Control(&window, "lblSrchMsg"), Control(&window, "lblSearchForward"),
                                          Control(&window, "lblSearchBackward"), Control(&window, "lblSearchFound")};
    player::ControlState controls;
    for (int shown : {0, 1, 3, 2, 0}) {
        controls.searchLabel = shown;
        window.ApplyControls(controls);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(!labels[i]->isHidden(), i == shown) << shown;
    }
    controls.searchLabel = 4;
    window.ApplyControls(controls);
    EXPECT_FALSE(labels[0]->isHidden());
}

TEST_F(PresentationTest, DroppedFilesAreHandedOnInTheirOrder) {
    TfrmVNMain& window = ShownWindow();
    QSignalSpy dropped(&window, &TfrmVNMain::FilesDropped);
    QMimeData files;
    // Files the play list ignores, so that nothing is opened.
    files.setUrls({QUrl::fromLocalFile("/cards/b.txt"), QUrl::fromLocalFile("/cards/a.TXT")});
    // A drop arrives after the drag has entered the window.
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped[0][0].toStringList(), QStringList({"/cards/b.txt", "/cards/a.TXT"}));
}

TEST_F(PresentationTest, KeysAreSeenBeforeTheFocusedControlOnce) {
    TfrmVNMain& window = ShownWindow();
    int presses = 0;
    QObject::connect(&window, &TfrmVNMain::KeyPreviewPress, [&presses](QKeyEvent* key) {
        ++presses;
        if (key->text() == "+") key->accept();
    });
    auto* threshold = Control<QLineEdit>(&window, "edtMotionThreshold");
    threshold->setFocus();
    threshold->clear();
    QTest::keyClick(threshold, '+');
    QTest::keyClick(threshold, '7');
    EXPECT_EQ(presses, 2);
    // The accepted key did not reach the field; the other did.
    EXPECT_EQ(threshold->text(), "7");
}

// The panel after every frame of a fixture recording, as an independent
// implementation shows it.
void ExpectMovieInfoAsFixture(TfrmVNMain& window, const char* name) {
    QFile expectedFile(QStringLiteral(VN_AVI_FIXTURES "/%1.expected.json").arg(name));
    ASSERT_TRUE(expectedFile.open(QIODevice::ReadOnly));
    const QJsonArray frames = QJsonDocument::fromJson(expectedFile.readAll())["frames"].toArray();

    jpeg::JpegDecoder decoder;
    avi::Recording recording(decoder);
    ASSERT_EQ(recording.OpenRecording(std::string(VN_AVI_FIXTURES "/") + name + ".avi"), avi::OpenResult::kOpened);
    avi::FrameShow show(recording);
    show.Reset();
    vn::Picture picture(recording.header.width, recording.header.height);
    avi::MovieInfoPanel panel;
    ASSERT_EQ(frames.size(), recording.header.frames);
    for (int i = 0; i < recording.header.frames; ++i) {
        if (show.Show(i, picture).readResult == avi::FrameRead::kOk) panel.FillMovieInfo(recording, decoder.camera);
        window.ApplyMovieInfo(panel);
        const QJsonObject expected = frames[i]["movie_info"].toObject();
        for (auto [control, text] : expected["text"].toObject().toVariantMap().asKeyValueRange()) {
            auto* label = window.findChild<QLabel*>(control);
            ASSERT_NE(label, nullptr) << control.toStdString();
            EXPECT_EQ(label->text(), text.toString()) << name << " frame " << i << " " << control.toStdString();
        }
        for (auto [control, shown] : expected["visible"].toObject().toVariantMap().asKeyValueRange()) {
            auto* widget = window.findChild<QWidget*>(control);
            ASSERT_NE(widget, nullptr) << control.toStdString();
            EXPECT_EQ(!widget->isHidden(), shown.toBool()) << name << " frame " << i << " " << control.toStdString();
        }
        for (auto [control, colour] : expected["color"].toObject().toVariantMap().asKeyValueRange()) {
            auto* label = window.findChild<QLabel*>(control);
            ASSERT_NE(label, nullptr) << control.toStdString();
            const QColor wanted = colour.toString() == "red" ? Qt::red : Qt::black;
            EXPECT_EQ(label->palette().color(QPalette::WindowText), wanted) << name << " frame " << i;
        }
    }
}

TEST_F(PresentationTest, MovieInfoPanelAgreesWithTheFixtures) {
    TfrmVNMain& window = OpenWindow();
    EXPECT_TRUE(Control(&window, "gbMovieInfo")->isHidden());
    ExpectMovieInfoAsFixture(window, "evt320");
    ExpectMovieInfoAsFixture(window, "xprmax");
    EXPECT_EQ(test::Caption(window, "lblSSDays"), " MTWTF ");
}

}  // namespace
}  // namespace vn::app
