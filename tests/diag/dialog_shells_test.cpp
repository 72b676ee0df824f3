// The windows whose behaviour comes later exist from start-up with their
// captions and the controls the other windows and later work rely on.
#include <QLineEdit>
#include <QTemporaryDir>

#include "camset/camera_settings_dialog.h"
#include "dialog_test_support.h"
#include "platform/ini_file.h"
#include "platform/language.h"
#include "player/preferences.h"
#include "recording/windows/about_box.h"
#include "recording/windows/export_dialog.h"
#include "recording/windows/export_progress.h"

namespace vn {
namespace {

using test::Control;

void ExpectControls(const QWidget& window, std::initializer_list<const char*> names) {
    for (const char* name : names) Control(&window, name);
}

// The settings the export and camera settings dialogs keep their choices in.
struct DialogSettings {
    QTemporaryDir folder;
    ui::IniFile file{folder.filePath(QStringLiteral("vnplay.ini"))};
    player::Preferences prefs;
};

TEST(DialogShells, CaptionsAndControls) {
    DialogSettings settings;
    recording_windows::TAboutBox about;
    recording_windows::TfrmExtract extract(settings.file);
    recording_windows::TfrmExtProgress progress;
    camset::TfrmSetCamReg camera(settings.prefs);
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(extract.windowTitle(), "Export");
    EXPECT_EQ(progress.windowTitle(), "Extracting ...");
    EXPECT_EQ(camera.windowTitle(), "Camera Settings");
    ExpectControls(about, {"Panel1", "ProductName", "Version", "Image1", "OKButton"});
    ExpectControls(extract, {"lblStart", "Label1", "Label2", "Label3", "bSetFilename", "rgExportAs", "bbOK", "BitBtn1",
                             "SaveDialog1"});
    ExpectControls(progress, {"ProgressBar1", "lblProgress", "bbCancel"});
    ExpectControls(camera, {"cbDrive", "cbTime", "rgSwitch", "edtHours", "edtMinutes", "edtSeconds", "udHours",
                            "udMinutes", "udSeconds", "rgFlicker", "cbLoop", "cbExpoLock", "cbIgnoreDark",
                            "rgResolutionSelect", "bOK", "bCancel"});
    EXPECT_EQ(Control<QLineEdit>(&extract, "edtExtractFirst")->text(), "1");
    EXPECT_EQ(Control<QLineEdit>(&extract, "edtExtractLast")->text(), "100");
    EXPECT_EQ(Control<QLineEdit>(&extract, "edtExtractSkip")->text(), "0");
    EXPECT_EQ(Control<QLineEdit>(&extract, "edtExtractFile")->text(), "extracted.avi");
}

TEST(DialogShells, CaptionsFollowTheLanguage) {
    DialogSettings settings;
    recording_windows::TfrmExtract extract(settings.file);
    camset::TfrmSetCamReg camera(settings.prefs);
    ASSERT_TRUE(ui::SetActiveLanguage(2));
    EXPECT_EQ(extract.windowTitle(), "匯出");
    EXPECT_EQ(camera.windowTitle(), "設定相機");
    EXPECT_NE(test::Item(Control(&extract, "rgExportAs"), QString::fromUtf8("AVI 影片")), nullptr);
    ASSERT_TRUE(ui::SetActiveLanguage(ui::kEnglish));
    EXPECT_EQ(camera.windowTitle(), "Camera Settings");
}

}  // namespace
}  // namespace vn
