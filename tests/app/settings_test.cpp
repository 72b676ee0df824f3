// Preferences: the settings file read at creation and written at close, its
// values' reading, and the folder it falls back to.
#include <QAction>
#include <QDir>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include "app/window_test_support.h"

namespace vn::app {
namespace {

using SettingsTest = test::MainWindowTest;
using test::Caption;
using test::Control;

TEST_F(SettingsTest, OnlyTheWidthInTheFileChangesOnlyTheWidth) {
    WriteSettingsFile("[window]\nnMainWinWidth=800\n");
    TfrmVNMain& window = OpenWindow();
    EXPECT_EQ(window.geometry(), QRect(56, 87, 800, 787));
    const player::Preferences defaults;
    EXPECT_EQ(window.prefs.nZoom, defaults.nZoom);
    EXPECT_EQ(window.prefs.g_nDeblockMethod, 2);
    EXPECT_EQ(window.prefs.cDrive, "") << "no card chosen yet";
    EXPECT_EQ(Control<QLineEdit>(&window, "edtMotionThreshold")->text(), "50");
    EXPECT_EQ(Caption(window, "lblRate"), "0");
    EXPECT_TRUE(Control<QAction>(&window, "Deblock1")->isChecked());
    EXPECT_FALSE(Control<QAction>(&window, "EmbedTimestamp1")->isChecked());
}

TEST_F(SettingsTest, MissingFileKeepsTheDesignedWindow) {
    TfrmVNMain& window = OpenWindow();
    EXPECT_EQ(window.geometry(), QRect(56, 87, 1141, 787));
    // No smaller than the controls need, which the designed size allows.
    EXPECT_TRUE(QRect(QPoint(), window.size()).contains(QRect(QPoint(), window.minimumSize())));
    EXPECT_GT(window.minimumWidth(), 560);
}

TEST_F(SettingsTest, ValuesReadAsTheirLeadingNumber) {
    WriteSettingsFile(
        "[settings]\nnFrmRate=12fps\nnMotionThreshold=abc\nnZoom= 75\ng_bEmbedTime=7\n"
        "[window]\nShowDiags=1\n");
    TfrmVNMain& window = OpenWindow();
    EXPECT_EQ(window.prefs.nFrmRate, 12);
    EXPECT_EQ(Control<ui::TrackBar>(&window, "tbRate")->Position(), 18);
    EXPECT_EQ(Caption(window, "lblRate"), "12");
    EXPECT_EQ(window.prefs.nMotionThreshold, 0);
    EXPECT_EQ(window.prefs.nZoom, 75);
    EXPECT_TRUE(window.prefs.g_bEmbedTime);
    EXPECT_TRUE(Control<QAction>(&window, "EmbedTimestamp1")->isChecked());
    // Per-frame logging follows the window's switch when it has no key.
    EXPECT_EQ(window.prefs.ShowDiags, 1);
}

TEST_F(SettingsTest, PreferencesSurviveARestart) {
    {
        TfrmVNMain& window = ShownWindow();
        window.setGeometry(30, 40, 700, 720);  // within the screen
        Control<QAction>(&window, "N2xzoom1")->trigger();
        Control<QAction>(&window, "EmbedTimestamp1")->trigger();
        Control<QAction>(&window, "Deblock1")->trigger();
        window.close();
    }
    const QByteArray text = SettingsFileText();
    EXPECT_TRUE(text.contains("nZoom=200")) << text.constData();
    EXPECT_TRUE(text.contains("g_nDeblockMethod=0"));
    EXPECT_TRUE(text.contains("cDrive=\n")) << "the card's mount point, none chosen";
    // Read-only keys are not written.
    EXPECT_FALSE(text.contains("TestLanguage"));
    EXPECT_FALSE(text.contains("ShowDiags"));

    TfrmVNMain& again = ShownWindow();
    EXPECT_EQ(again.geometry(), QRect(30, 40, 700, 720));
    EXPECT_EQ(again.nZoom(), 200);
    EXPECT_TRUE(Control<QAction>(&again, "EmbedTimestamp1")->isChecked());
    EXPECT_FALSE(Control<QAction>(&again, "Deblock1")->isChecked());
    EXPECT_EQ(again.prefs.g_nDeblockMethod, 0);
}

TEST(IniFile, LeadingIntegerReadsAsTheProfileFunctionsDo) {
    EXPECT_EQ(ui::LeadingInteger("42"), 42);
    EXPECT_EQ(ui::LeadingInteger("-3 frames"), -3);
    EXPECT_EQ(ui::LeadingInteger("+8"), 8);
    EXPECT_EQ(ui::LeadingInteger("x1"), 0);
    EXPECT_EQ(ui::LeadingInteger(""), 0);
    EXPECT_EQ(ui::LeadingInteger("99999999999"), INT_MAX);
}

TEST(IniFile, UnwritableFolderFallsBackToTheConfigurationFolderWithTheOldValues) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir folder;
    // A folder that cannot be written: a file stands where it would be.
    const QString blocked = folder.filePath("blocked");
    {
        QFile file(blocked);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString asked = blocked + "/vnplay.ini";
    const QString used = ui::WritableSettingsPath(asked);
    EXPECT_NE(used, asked);
    EXPECT_TRUE(used.startsWith(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
    QFile::remove(used);
    {
        ui::IniFile settings(asked);
        settings.WriteInteger("settings", "nZoom", 50);
        EXPECT_TRUE(settings.Flush());
    }
    ui::IniFile reread(asked);
    EXPECT_EQ(reread.ReadInteger("settings", "nZoom", 100), 50);
    EXPECT_EQ(reread.ReadInteger("settings", "missing", -1), -1);
    QFile::remove(used);
    QStandardPaths::setTestModeEnabled(false);
}

TEST(IniFile, SettingsLiveInTheConfigurationFolderUnlessTheProgramHasItsFileBesideIt) {
    QTemporaryDir folder;
    const QString program = folder.filePath("vnplay");
    const QString configured =
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath("vnplay.ini");
    EXPECT_EQ(ui::SettingsPathFor(program), configured);

    QFile portable(folder.filePath("vnplay.ini"));
    ASSERT_TRUE(portable.open(QIODevice::WriteOnly));
    portable.close();
    EXPECT_EQ(ui::SettingsPathFor(program), portable.fileName());
}

TEST(IniFile, WritableFileIsUsedWhereItIs) {
    QTemporaryDir folder;
    const QString path = folder.filePath("vnplay.ini");
    ui::IniFile settings(path);
    settings.WriteInteger("window", "nMainWinX", -1);
    ASSERT_TRUE(settings.Flush());
    EXPECT_EQ(settings.Path(), path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().trimmed(), "[window]\nnMainWinX=-1");
}

}  // namespace
}  // namespace vn::app
