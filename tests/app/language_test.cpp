// Captions in the five languages: the language chosen in the settings file
// re-labels the windows; hints and untranslated rows stay English.
#include <QAction>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include "app/window_test_support.h"

namespace vn::app {
namespace {

using LanguageTest = test::MainWindowTest;
using test::Caption;
using test::Control;

TEST_F(LanguageTest, WindowStartsInEnglishWithTheDesignCaptions) {
    TfrmVNMain& window = OpenWindow();
    EXPECT_TRUE(ui::IsEnglish());
    EXPECT_EQ(window.windowTitle(), "MVC AVI Player");
    EXPECT_EQ(Control<QMenu>(&window, "File1")->title(), "&File");
    EXPECT_EQ(Control<QAction>(&window, "Exit1")->text(), "E&xit");
    EXPECT_EQ(Control<QGroupBox>(&window, "gbPlayList")->title(), "PlayList");
    EXPECT_EQ(Caption(window, "lblElapsedTimeTitle"), "Elapsed Time");
    EXPECT_EQ(Caption(window, "lblCamModelTitle"), "Camera Model:  ");
    EXPECT_EQ(Caption(window, "lblCamModel"), "[]");
    EXPECT_EQ(Control<QWidget>(&window, "sbSearchBackward")->toolTip(), "Search Baclward");
}

TEST_F(LanguageTest, TestLanguage3StartsInSimplifiedChinese) {
    WriteSettingsFile("[settings]\nTestLanguage=3\n");
    TfrmVNMain& window = OpenWindow();
    EXPECT_EQ(ui::ActiveLanguage(), 3);
    EXPECT_FALSE(ui::IsEnglish());
    EXPECT_EQ(Control<QMenu>(&window, "File1")->title(), QString::fromUtf8("档案"));
    EXPECT_EQ(Control<QAction>(&window, "Open1")->text(), QString::fromUtf8("开启旧档"));
    EXPECT_EQ(Control<QAction>(&window, "EmbedTimestamp1")->text(), QString::fromUtf8("嵌入时间标示"));
    EXPECT_EQ(Control<QGroupBox>(&window, "gbPlayRate")->title(), QString::fromUtf8("播放速度"));
    EXPECT_EQ(Caption(window, "lblElapsedTimeTitle"), QString::fromUtf8("拍摄积累时间"));
    EXPECT_EQ(Caption(window, "lblSearchFound"), "<<>>");
    EXPECT_EQ(Control<QPushButton>(&window, "bClearPlayList")->text(), QString::fromUtf8("清除"));
    // Hints stay English; the rows the design leaves English are translated.
    EXPECT_EQ(Control<QWidget>(&window, "sbSearchForward")->toolTip(), "Search Forward");
    EXPECT_EQ(Caption(window, "lblSearchForward"), ">>>");
    EXPECT_EQ(Control<QAction>(&window, "About1")->text(), QString::fromUtf8("关于"));
    EXPECT_EQ(Control<QAction>(&window, "Zoom1X1")->text(), QString::fromUtf8("1 倍缩放"));
    EXPECT_EQ(window.windowTitle(), "MVC AVI Player");
}

TEST_F(LanguageTest, RowsTheDesignLeavesEnglishAreTranslatedToo) {
    WriteSettingsFile("[settings]\nTestLanguage=4\n");
    TfrmVNMain& window = OpenWindow();
    EXPECT_EQ(Control<QAction>(&window, "CameraSettings1")->text(), QString::fromUtf8("撮影設定"));
    EXPECT_EQ(Control<QAction>(&window, "EmbedTimestamp1")->text(), QString::fromUtf8("タイムスタンプ埋め込み"));
    EXPECT_EQ(Caption(window, "lblFWTitle"), QString::fromUtf8("ファームウェア"));
}

TEST_F(LanguageTest, SwitchingRelabelsEveryOpenWindowAtOnce) {
    TfrmVNMain& window = OpenWindow();
    ASSERT_TRUE(ui::SetActiveLanguage(5));
    EXPECT_EQ(Control<QPushButton>(&window, "bSkip")->text(), QString::fromUtf8("다음"));
    ASSERT_TRUE(ui::SetActiveLanguage(2));
    EXPECT_EQ(Control<QPushButton>(&window, "bSkip")->text(), QString::fromUtf8("下一個檔案"));
    ASSERT_TRUE(ui::SetActiveLanguage(1));
    EXPECT_EQ(Control<QPushButton>(&window, "bSkip")->text(), "&Next");
    // Numbers outside the six slots change nothing.
    EXPECT_FALSE(ui::SetActiveLanguage(7));
    EXPECT_FALSE(ui::SetActiveLanguage(0));
    EXPECT_EQ(ui::ActiveLanguage(), 1);
}

TEST_F(LanguageTest, OnlyTheFileAndLanguageMenusAreVisible) {
    TfrmVNMain& window = OpenWindow();
    EXPECT_TRUE(Control<QMenu>(&window, "File1")->menuAction()->isVisible());
    EXPECT_TRUE(Control<QMenu>(&window, "LanguageMenu")->menuAction()->isVisible());
    EXPECT_FALSE(Control<QMenu>(&window, "Options1")->menuAction()->isVisible());
    EXPECT_FALSE(Control<QMenu>(&window, "Help1")->menuAction()->isVisible());
    EXPECT_FALSE(Control<QAction>(&window, "Deblock1")->isVisible());
    QStringList entries;
    for (QAction* action : Control<QMenu>(&window, "File1")->actions()) {
        entries << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    }
    EXPECT_EQ(entries, QStringList({"Open1", "SaveCurrent1", "Export1", "-", "Exit1"}));
    QStringList popup;
    for (QAction* action : Control<QMenu>(&window, "PopupMenu1")->actions()) popup << action->text();
    EXPECT_EQ(popup, QStringList({"1X zoom", "2X zoom", "Var zoom", "&Save Current"}));
}

TEST_F(LanguageTest, HiddenOptionsStillWorkWhenInvoked) {
    TfrmVNMain& window = OpenWindow();
    Control<QAction>(&window, "EmbedTimestamp1")->trigger();
    EXPECT_TRUE(window.prefs.g_bEmbedTime);
    EXPECT_TRUE(Control<QAction>(&window, "EmbedTimestamp1")->isChecked());
    Control<QAction>(&window, "EmbedTimestamp1")->trigger();
    EXPECT_FALSE(window.prefs.g_bEmbedTime);
    Control<QAction>(&window, "Deblock1")->trigger();
    EXPECT_EQ(window.prefs.g_nDeblockMethod, 0);
    EXPECT_FALSE(Control<QAction>(&window, "Deblock1")->isChecked());
    Control<QAction>(&window, "Deblock1")->trigger();
    EXPECT_EQ(window.prefs.g_nDeblockMethod, 2);
    EXPECT_TRUE(Control<QAction>(&window, "Deblock1")->isChecked());
}

// The Language menu names each language in its own words, switches every
// window at once and keeps the choice for the next start.
TEST_F(LanguageTest, TheLanguageMenuSwitchesAtOnceAndIsKept) {
    TfrmVNMain& window = ShownWindow();
    QStringList names;
    for (QAction* action : Control<QMenu>(&window, "LanguageMenu")->actions()) names << action->text();
    EXPECT_EQ(names, QStringList({"English", QString::fromUtf8("繁體中文"), QString::fromUtf8("简体中文"),
                                  QString::fromUtf8("日本語"), QString::fromUtf8("한국어")}));
    EXPECT_TRUE(Control<QAction>(&window, "Language1")->isChecked());

    Control<QAction>(&window, "Language5")->trigger();
    EXPECT_EQ(ui::ActiveLanguage(), 5);
    EXPECT_EQ(Control<QPushButton>(&window, "bSkip")->text(), QString::fromUtf8("다음"));
    EXPECT_EQ(Control<QMenu>(&window, "LanguageMenu")->title(), QString::fromUtf8("언어"));
    EXPECT_TRUE(Control<QAction>(&window, "Language5")->isChecked());
    EXPECT_FALSE(Control<QAction>(&window, "Language1")->isChecked());
    EXPECT_TRUE(SettingsFileText().contains("TestLanguage=5")) << SettingsFileText().toStdString();

    // The next start opens in the language chosen.
    ui::SetActiveLanguage(ui::kEnglish);
    TfrmVNMain& again = OpenWindow();
    EXPECT_EQ(ui::ActiveLanguage(), 5);
    EXPECT_TRUE(Control<QAction>(&again, "Language5")->isChecked());
    Control<QAction>(&again, "Language1")->trigger();
    EXPECT_EQ(Control<QPushButton>(&again, "bSkip")->text(), "&Next");
    EXPECT_TRUE(SettingsFileText().contains("TestLanguage=1"));
}

// Without a setting the system's language is taken when the windows have it.
TEST_F(LanguageTest, WithoutASettingTheLocalePicksTheLanguage) {
    const struct {
        const char* locale;
        int language;
    } cases[] = {{"ja_JP", 4}, {"ko_KR", 5},      {"zh_CN", 3}, {"zh_SG", 3}, {"zh_TW", 2},
                 {"zh_HK", 2}, {"zh_Hant_US", 2}, {"de_DE", 1}, {"en_GB", 1}, {"C", 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(ui::LanguageOfLocale(QLocale(QString::fromLatin1(c.locale))), c.language) << c.locale;
    }
    const QLocale system;
    QLocale::setDefault(QLocale(QStringLiteral("ja_JP")));
    TfrmVNMain& window = OpenWindow();
    EXPECT_EQ(ui::ActiveLanguage(), 4);
    EXPECT_EQ(Control<QGroupBox>(&window, "gbPlayRate")->title(), QString::fromUtf8("再生スピード"));
    // A setting of the user's own wins.
    WriteSettingsFile("[settings]\nTestLanguage=1\n");
    OpenWindow();
    EXPECT_EQ(ui::ActiveLanguage(), ui::kEnglish);
    QLocale::setDefault(system);
}

}  // namespace
}  // namespace vn::app
