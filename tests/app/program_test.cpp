// The main window among the program's other windows: the dialogs its
// commands show, and the diagnostics window's share of the preferences.
#include <QAction>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/window_test_support.h"

namespace vn::app {
namespace {

using ProgramTest = test::MainWindowTest;
using test::Control;

TEST_F(ProgramTest, AboutShowsTheAboutBoxWithoutBlocking) {
    TfrmVNMain& window = ShownWindow();
    ASSERT_FALSE(program_->AboutBox.isVisible());
    Control<QAction>(&window, "About1")->trigger();
    EXPECT_TRUE(program_->AboutBox.isVisible());
    EXPECT_FALSE(program_->AboutBox.isModal());
}

TEST_F(ProgramTest, CameraSettingsRunsItsDialogModally) {
    TfrmVNMain& window = ShownWindow();
    bool wasModal = false;
    QTimer::singleShot(0, [this, &wasModal] {
        wasModal = program_->frmSetCamReg.isVisible() && QApplication::activeModalWidget() == &program_->frmSetCamReg;
        program_->frmSetCamReg.reject();
    });
    Control<QAction>(&window, "CameraSettings1")->trigger();
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(program_->frmSetCamReg.isVisible());
}

TEST_F(ProgramTest, DiagnosticsSettingShowsTheWindowAndDeblockFollowsTheMenu) {
    WriteSettingsFile("[window]\nShowDiags=1\n");
    TfrmVNMain& window = ShownWindow();
    ASSERT_TRUE(program_->frmDiags.isVisible());
    Control<QAction>(&window, "Deblock1")->trigger();
    EXPECT_EQ(program_->frmDiags.g_nDeblockMethod, 0);
    Control<QAction>(&window, "Deblock1")->trigger();
    EXPECT_EQ(program_->frmDiags.g_nDeblockMethod, 2);
}

TEST_F(ProgramTest, WindowsDiagnosticsSwitchShowsTheWindowWhateverTheLoggingSwitch) {
    WriteSettingsFile("[window]\nShowDiags=1\n[settings]\nShowDiags=0\n");
    TfrmVNMain& window = OpenWindow();
    EXPECT_TRUE(program_->frmDiags.isVisible());
    EXPECT_EQ(window.prefs.ShowDiags, 0);
}

TEST_F(ProgramTest, SwitchesSetInTheDiagnosticsWindowAreSavedWithThePreferences) {
    WriteSettingsFile("[settings]\nbShowExpo=1\n");
    TfrmVNMain& window = OpenWindow();
    EXPECT_TRUE(window.prefs.bShowExpo);
    program_->frmDiags.bShowExpo = false;
    program_->frmDiags.bShowTimes = true;
    program_->frmDiags.g_bShowChecksums = true;
    window.SaveSettings();
    const QByteArray text = SettingsFileText();
    EXPECT_TRUE(text.contains("bShowExpo=0")) << text.constData();
    EXPECT_TRUE(text.contains("bShowTimes=1"));
    EXPECT_TRUE(text.contains("bDumpRTCData=0"));
    EXPECT_TRUE(text.contains("g_bShowChecksums=1"));
}

}  // namespace
}  // namespace vn::app
