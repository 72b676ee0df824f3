#include "diag/diagnostics_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTest>

#include <memory>

#include "decode/jpeg_decoder.h"
#include "dialog_test_support.h"
#include "samplewriter/camera_segments.h"

namespace vn::diag {
namespace {

using test::Control;
using test::SettingsFile;

QString Text(const TfrmDiags& window, const char* label) { return Control<QLabel>(&window, label)->text(); }

int Stored(const SettingsFile& file, const char* key) {
    return QSettings(file.Path(), QSettings::IniFormat).value(key, -99).toInt();
}

TEST(DiagnosticsWindow, PositionMinusOneKeepsTheDesignZeroMovesToTheEdge) {
    SettingsFile designed("[window]\nnDiagWinX=-1\nnDiagWinY=-1\n");
    SettingsFile atEdge("[window]\nnDiagWinX=0\nnDiagWinY=40\n");
    ui::IniFile designedSettings(designed.Path());
    ui::IniFile atEdgeSettings(atEdge.Path());
    TfrmDiags keeps(nullptr, designedSettings);
    TfrmDiags moves(nullptr, atEdgeSettings);
    EXPECT_GT(keeps.x(), 0);
    EXPECT_EQ(moves.pos(), QPoint(0, 40));
}

TEST(DiagnosticsWindow, WritesItsPositionWhenDestroyed) {
    SettingsFile file;
    {
        ui::IniFile settings(file.Path());
        TfrmDiags window(nullptr, settings);
        window.move(123, 45);
    }
    EXPECT_EQ(Stored(file, "window/nDiagWinX"), 123);
    EXPECT_EQ(Stored(file, "window/nDiagWinY"), 45);
}

TEST(DiagnosticsWindow, DiagnosticsOnShowsTheWindowAndKeepsItsSwitches) {
    SettingsFile file("[window]\nShowDiags=1\n[settings]\nbCheckSpuriousEOI=1\nbReportAllFrames=1\nbShowExpo=1\n");
    {
        ui::IniFile settings(file.Path());
        TfrmDiags window(nullptr, settings);
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(Control<QCheckBox>(&window, "cbCheckSpuriousEOI")->isChecked());
        EXPECT_TRUE(Control<QCheckBox>(&window, "cbShowExpo")->isChecked());
        EXPECT_TRUE(window.bReportAllFrames);
        QTest::mouseClick(Control<QCheckBox>(&window, "cbReportAllFrames"), Qt::LeftButton);
        QTest::mouseClick(Control<QCheckBox>(&window, "cbShowBadFrames"), Qt::LeftButton);
    }
    EXPECT_EQ(Stored(file, "settings/bCheckSpuriousEOI"), 1);
    EXPECT_EQ(Stored(file, "settings/bReportAllFrames"), 0);
    EXPECT_EQ(Stored(file, "settings/g_bShowBadFrames"), 1);
}

TEST(DiagnosticsWindow, DiagnosticsOffLeavesTheStoredSwitchesAlone) {
    SettingsFile file("[settings]\nbCheckSpuriousEOI=1\ng_bShowBadFrames=1\n");
    {
        ui::IniFile settings(file.Path());
        TfrmDiags window(nullptr, settings);
        EXPECT_FALSE(window.isVisible());
        EXPECT_FALSE(window.bCheckSpuriousEOI);  // not in force while diagnostics are off
    }
    EXPECT_EQ(Stored(file, "settings/bCheckSpuriousEOI"), 1);
    EXPECT_EQ(Stored(file, "settings/g_bShowBadFrames"), 1);
}

TEST(DiagnosticsWindow, SwitchesReachTheDecoder) {
    SettingsFile file("[settings]\nbDumpRTCData=1\n");
    ui::IniFile settings(file.Path());
    TfrmDiags window(nullptr, settings);
    window.show();
    jpeg::JpegDecoder decoder;
    window.SetDecoder(&decoder);
    EXPECT_TRUE(decoder.camera.bDumpRTCData);
    QTest::mouseClick(Control<QCheckBox>(&window, "cbForceBW"), Qt::LeftButton);
    QTest::mouseClick(Control<QCheckBox>(&window, "cbCheckSpuriousEOI"), Qt::LeftButton);
    QTest::mouseClick(Control<QCheckBox>(&window, "cbDumpRTCData"), Qt::LeftButton);
    EXPECT_TRUE(window.g_bForceBW && decoder.g_bForceBW);
    EXPECT_TRUE(window.bCheckSpuriousEOI && decoder.bCheckSpuriousEOI);
    EXPECT_FALSE(window.bDumpRTCData || decoder.camera.bDumpRTCData);
}

TEST(DiagnosticsWindow, MovieSwitchesExistHiddenAndKeepTheirValues) {
    SettingsFile file("[settings]\ng_nDeblockMethod=0\n");
    ui::IniFile settings(file.Path());
    TfrmDiags window(nullptr, settings);
    window.show();
    for (const char* name : {"cbShowQuant", "cbPauseOnStop", "cbEnableMVMSingleStep", "rgDeBlockMethod", "bMVMRestart",
                             "bGetFocusScore", "lblDecTime"}) {
        EXPECT_FALSE(Control(&window, name)->isVisible()) << name;
    }
    EXPECT_EQ(window.g_nDeblockMethod, 0);
    EXPECT_TRUE(test::Item(Control(&window, "rgDeBlockMethod"), "0 - None")->isChecked());
    window.SelectDeblockMethod(2);
    EXPECT_TRUE(test::Item(Control(&window, "rgDeBlockMethod"), "2 - MVC Filter")->isChecked());
}

// The diagnostics window on screen with a decoder whose records the tests set.
class CameraValues : public ::testing::Test {
protected:
    explicit CameraValues(const QByteArray& settingsText = "[window]\nShowDiags=1\n")
        : file_(settingsText), settings_(file_.Path()) {
        window_ = std::make_unique<TfrmDiags>(nullptr, settings_);
        window_->SetDecoder(&decoder_);
        window_->show();
    }

    bool ShowRecord(const samples::TsRecord& record) {
        decoder_.camera.ReadApp15(samples::TsPayload(record));
        return window_->ShowFrameCameraValues();
    }
    bool ShowLuma(int luma) {
        samples::TsRecord record;
        record.luma = static_cast<uint16_t>(luma);
        return ShowRecord(record);
    }
    void ChooseBreakpoint(const char* item) { test::ClickItem(Control(window_.get(), "rgBreakpoint"), item); }
    void Type(const char* edit, const char* text) {
        auto* field = Control<QLineEdit>(window_.get(), edit);
        field->clear();
        QTest::keyClicks(field, text);
    }

    SettingsFile file_;
    ui::IniFile settings_;
    jpeg::JpegDecoder decoder_;
    std::unique_ptr<TfrmDiags> window_;
};

TEST_F(CameraValues, LabelsShowTheRecordAsTheCameraWroteIt) {
    samples::TsRecord record;
    record.whiteBalanceMode = 7;
    record.fpgaRevision = 0x2b1;
    record.temperature = -4;
    record.temperatureUnit = 'C';
    record.luma = 612;
    record.firmware = "WRD1.07";
    ShowRecord(record);
    EXPECT_EQ(Text(*window_, "lblWBMode"), "7");
    EXPECT_EQ(Text(*window_, "lblFPGARev"), "0x02B1");
    EXPECT_EQ(Text(*window_, "lblTemp"), "-4 C");
    EXPECT_EQ(Text(*window_, "lblLuma"), "612");
    EXPECT_EQ(Text(*window_, "lblFWRev"), "WRD1.07");
    EXPECT_EQ(Text(*window_, "lblAWBSamples"), "");  // no record sets it
}

TEST_F(CameraValues, NothingIsWrittenWhileTheWindowIsHidden) {
    window_->hide();
    EXPECT_FALSE(ShowLuma(700));
    EXPECT_EQ(Text(*window_, "lblLuma"), "");
}

TEST_F(CameraValues, ChecksumsAreWrittenOnlyWhenSwitchedOn) {
    samples::TsRecord record;
    record.signature[0] = 0xcafe;
    ShowRecord(record);
    EXPECT_FALSE(Control(window_.get(), "gbChecksums")->isVisible());
    EXPECT_EQ(Text(*window_, "lblsig1"), "");
}

class CameraValuesWithChecksums : public CameraValues {
protected:
    CameraValuesWithChecksums() : CameraValues("[window]\nShowDiags=1\n[settings]\ng_bShowChecksums=1\n") {}
};

TEST_F(CameraValuesWithChecksums, ShowTheWordsInHex) {
    samples::TsRecord record;
    record.signature[0] = 0xcafe;
    record.luma2 = 0x1f;  // also checksum 4
    ShowRecord(record);
    EXPECT_TRUE(Control(window_.get(), "gbChecksums")->isVisible());
    EXPECT_EQ(Text(*window_, "lblsig1"), "CAFE");
    EXPECT_EQ(Text(*window_, "lblcs4"), "001F");
}

TEST_F(CameraValues, LettersInTheLumaLimitPauseOnAnyChange) {
    Type("edtChgLuma", "abc");
    ChooseBreakpoint("chg luma > n");
    EXPECT_FALSE(ShowLuma(500));
    EXPECT_FALSE(ShowLuma(500));
    EXPECT_TRUE(ShowLuma(501));
}

TEST_F(CameraValues, TheLimitIsReadAtTheClickOnly) {
    ChooseBreakpoint("chg luma > n");  // with the designed 10
    Type("edtChgLuma", "0");
    ShowLuma(500);
    EXPECT_FALSE(ShowLuma(505));
    ChooseBreakpoint("chg luma > n");
    EXPECT_TRUE(ShowLuma(510));
}

TEST_F(CameraValues, RetriesAboveTheLimitPause) {
    Type("edtRetryCount", "2");
    ChooseBreakpoint("Retries > n");
    samples::TsRecord record;
    record.retries = 2;
    EXPECT_FALSE(ShowRecord(record));
    record.retries = 3;
    EXPECT_TRUE(ShowRecord(record));
    ChooseBreakpoint("None");
    EXPECT_FALSE(ShowRecord(record));
}

}  // namespace
}  // namespace vn::diag
