#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "decode/jpeg_decoder.h"
#include "diag/diagnostics_window.h"
#include "dialog_test_support.h"
#include "samplewriter/jpeg_encoder.h"

namespace vn::diag {
namespace {

using test::Control;

class DiagnosticsList : public ::testing::Test {
protected:
    DiagnosticsList() : settings_(file_.Path()), window_(nullptr, settings_) {
        window_.show();
        list_ = Control<QListWidget>(&window_, "ListBox1");
    }

    QString BadFrameCount() const { return Control<QLabel>(&window_, "lblBadFrameCount")->text(); }

    void ChooseFromPopup(const char* action) {
        QWidget* viewport = list_->viewport();
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(20, 20), viewport->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(viewport, &rightClick);
        auto* menu = Control<QMenu>(&window_, "PopupMenu1");
        ASSERT_TRUE(menu->isVisible());
        auto* item = Control<QAction>(&window_, action);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }

    // Double-clicks the list and answers the save dialog.
    void DoubleClickAndSaveAs(const QString& path) {
        test::WhenModalOpens([this, path](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            proposed_ = dialog->selectedFiles().value(0);
            if (path.isEmpty()) {
                dialog->reject();
            } else {
                dialog->selectFile(path);
                QMetaObject::invokeMethod(dialog, "accept");
            }
        });
        QTest::mouseDClick(list_->viewport(), Qt::LeftButton);
    }

    test::SettingsFile file_;
    ui::IniFile settings_;
    TfrmDiags window_;
    QListWidget* list_;
    QString proposed_;
};

TEST_F(DiagnosticsList, PopupClearKeepsTheBadFrameCountButton1ResetsIt) {
    window_.AddBadFrameLine("    3: 00001a2c");
    window_.AddBadFrameLine("    9: 00004000");
    EXPECT_EQ(BadFrameCount(), "2");
    ChooseFromPopup("Clear1");
    EXPECT_EQ(list_->count(), 0);
    EXPECT_EQ(BadFrameCount(), "2");
    window_.AddBadFrameLine("   12: 00008000");
    EXPECT_EQ(BadFrameCount(), "3");
    QTest::mouseClick(Control<QPushButton>(&window_, "Button1"), Qt::LeftButton);
    EXPECT_EQ(list_->count(), 0);
    EXPECT_EQ(BadFrameCount(), "0");
    window_.AddBadFrameLine("   13: 00009000");
    EXPECT_EQ(BadFrameCount(), "1");
}

TEST_F(DiagnosticsList, PopupCancelChangesNothing) {
    window_.AppendLine("--- Frame 0 -----");
    ChooseFromPopup("Cancel1");
    EXPECT_EQ(list_->count(), 1);
}

TEST_F(DiagnosticsList, DoubleClickSavesTheLinesUnderTheChosenName) {
    window_.AppendLines({"--- Frame 4 -----", "Lum     =  120"});
    const QString path = file_.Folder() + "/frames.log";
    DoubleClickAndSaveAs(path);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), "--- Frame 4 -----\nLum     =  120\n");
    // The proposal is the program's own name with the extension "log".
    const QFileInfo program(QCoreApplication::applicationFilePath());
    EXPECT_EQ(proposed_, program.absolutePath() + "/" + program.completeBaseName() + ".log");
}

TEST_F(DiagnosticsList, CancellingTheSaveDialogWritesNothing) {
    window_.AppendLine("--- Frame 0 -----");
    DoubleClickAndSaveAs({});
    ASSERT_FALSE(proposed_.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(proposed_));
    EXPECT_EQ(list_->count(), 1);
}

TEST_F(DiagnosticsList, FrameLogScrollsToItsLastLines) {
    std::vector<std::string> lines;
    for (int i = 0; i < 60; ++i) lines.push_back("line " + std::to_string(i));
    window_.AppendLines(lines);
    const QRect last = list_->visualItemRect(list_->item(59));
    const QRect eighthLast = list_->visualItemRect(list_->item(52));
    EXPECT_TRUE(list_->viewport()->rect().contains(last));
    EXPECT_TRUE(list_->viewport()->rect().contains(eighthLast));
}

TEST_F(DiagnosticsList, ClockDumpLinesMoveFromTheDecoderIntoTheList) {
    jpeg::JpegDecoder decoder;
    window_.SetDecoder(&decoder);
    decoder.camera.rtcDumpLines = {"00 11 ", "22 33 "};
    window_.TakeRtcDumpLines();
    ASSERT_EQ(list_->count(), 2);
    EXPECT_EQ(list_->item(1)->text(), "22 33 ");
    EXPECT_TRUE(decoder.camera.rtcDumpLines.empty());
}

// A 1280 x 720 frame, flat grey but for vertical stripes inside the window
// that the focus score measures.
std::vector<uint8_t> StripedFrame() {
    std::vector<uint8_t> rgb(1280 * 720 * 3, 128);
    for (int y = 180; y < 360; ++y) {
        for (int x = 480; x < 800; ++x) {
            const uint8_t value = (x / 8) % 2 ? 230 : 20;
            for (int c = 0; c < 3; ++c) rgb[(static_cast<size_t>(y) * 1280 + x) * 3 + c] = value;
        }
    }
    return samples::EncodeJpeg(rgb.data(), 1280, 720, 90);
}

TEST_F(DiagnosticsList, FocusScoreIsMeasuredOverTheCentralWindow) {
    jpeg::JpegDecoder decoder;
    decoder.InitJpegDecoder();
    ASSERT_TRUE(decoder.AllocatePlanes(1280, 720));
    Picture picture(1280, 720);
    int interval = 0;
    uint32_t clock = 0;
    ASSERT_TRUE(decoder.DecodeJpegFrame(StripedFrame(), picture, &interval, &clock).complete());
    window_.SetDecoder(&decoder);
    window_.ShowFrameCameraValues();
    const int64_t score = decoder.FocusScore(480, 180, 320, 180);
    EXPECT_GT(score, 100000);
    EXPECT_EQ(Control<QLabel>(&window_, "lblFocusScore")->text(), QString::number(score));
}

}  // namespace
}  // namespace vn::diag
