// Captions in the five languages: the language chosen in the settings file
// re-labels the windows; hints and untranslated rows stay English.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include "app/window_test_support.h"

namespace vn::app {
namespace {

using LanguageTest = test::MainWindowTest;

TEST_F(LanguageTest, WindowStartsInEnglishWithTheDesignCaptions) {
    TfrmVNMain& window = OpenWindow();
    EXPECT_TRUE(ui::IsEnglish());
    EXPECT_EQ(window.windowTitle(), "MVC AVI Player");
    EXPECT_EQ(window.File1->title(), "&File");
    EXPECT_EQ(window.Exit1->text(), "E&xit");
    EXPECT_EQ(window.gbPlayList->title(), "PlayList");
    EXPECT_EQ(window.lblElapsedTimeTitle->Caption(), "Elapsed Time");
    EXPECT_EQ(window.lblCamModelTitle->Caption(), "Camera Model:  ");
    EXPECT_EQ(window.lblCamModel->Caption(), "[]");
    EXPECT_EQ(window.sbSearchBackward->toolTip(), "Search Baclward");
}

TEST_F(LanguageTest, TestLanguage3StartsInSimplifiedChinese) {
    WriteSettingsFile("[settings]\nTestLanguage=3\n");
    TfrmVNMain& window = OpenWindow();
    EXPECT_EQ(ui::ActiveLanguage(), 3);
    EXPECT_FALSE(ui::IsEnglish());
    EXPECT_EQ(window.File1->title(), QString::fromUtf8("档案"));
    EXPECT_EQ(window.Open1->text(), QString::fromUtf8("开启旧档"));
    EXPECT_EQ(window.EmbedTimestamp1->text(), QString::fromUtf8("嵌入时间标示"));
    EXPECT_EQ(window.gbPlayRate->title(), QString::fromUtf8("播放速度"));
    EXPECT_EQ(window.lblElapsedTimeTitle->Caption(), QString::fromUtf8("拍摄积累时间"));
    EXPECT_EQ(window.lblSearchFound->Caption(), "<<>>");
    EXPECT_EQ(window.bClearPlayList->text(), QString::fromUtf8("清除"));
    // Hints and rows without a translation show the English text.
    EXPECT_EQ(window.sbSearchForward->toolTip(), "Search Forward");
    EXPECT_EQ(window.lblSearchForward->Caption(), ">>>");
    EXPECT_EQ(window.About1->text(), "&About");
    EXPECT_EQ(window.Zoom1X1->text(), "1X zoom");
    EXPECT_EQ(window.windowTitle(), "MVC AVI Player");
}

TEST_F(LanguageTest, RowsWithoutAJapaneseTranslationStayEnglish) {
    WriteSettingsFile("[settings]\nTestLanguage=4\n");
    TfrmVNMain& window = OpenWindow();
    EXPECT_EQ(window.CameraSettings1->text(), QString::fromUtf8("撮影設定"));
    EXPECT_EQ(window.EmbedTimestamp1->text(), "&Embed Timestamp");
}

TEST_F(LanguageTest, SwitchingRelabelsEveryOpenWindowAtOnce) {
    TfrmVNMain& window = OpenWindow();
    ASSERT_TRUE(ui::SetActiveLanguage(5));
    EXPECT_EQ(window.bSkip->text(), QString::fromUtf8("다음"));
    ASSERT_TRUE(ui::SetActiveLanguage(2));
    EXPECT_EQ(window.bSkip->text(), QString::fromUtf8("下一個檔案"));
    ASSERT_TRUE(ui::SetActiveLanguage(1));
    EXPECT_EQ(window.bSkip->text(), "&Next");
    // Numbers outside the six slots change nothing.
    EXPECT_FALSE(ui::SetActiveLanguage(7));
    EXPECT_FALSE(ui::SetActiveLanguage(0));
    EXPECT_EQ(ui::ActiveLanguage(), 1);
}

TEST_F(LanguageTest, OnlyTheFileMenuIsVisible) {
    TfrmVNMain& window = OpenWindow();
    EXPECT_TRUE(window.File1->menuAction()->isVisible());
    EXPECT_FALSE(window.Options1->menuAction()->isVisible());
    EXPECT_FALSE(window.Help1->menuAction()->isVisible());
    EXPECT_FALSE(window.Deblock1->isVisible());
    QStringList entries;
    for (QAction* action : window.File1->actions()) {
        entries << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    }
    EXPECT_EQ(entries, QStringList({"Open1", "SaveCurrent1", "Export1", "-", "Exit1"}));
    QStringList popup;
    for (QAction* action : window.PopupMenu1->actions()) popup << action->text();
    EXPECT_EQ(popup, QStringList({"1X zoom", "2X zoom", "Var zoom", "&Save Current"}));
}

TEST_F(LanguageTest, HiddenOptionsStillWorkWhenInvoked) {
    TfrmVNMain& window = OpenWindow();
    window.EmbedTimestamp1->trigger();
    EXPECT_TRUE(window.prefs.g_bEmbedTime);
    EXPECT_TRUE(window.EmbedTimestamp1->isChecked());
    window.EmbedTimestamp1->trigger();
    EXPECT_FALSE(window.prefs.g_bEmbedTime);
    window.Deblock1->trigger();
    EXPECT_EQ(window.prefs.g_nDeblockMethod, 0);
    EXPECT_FALSE(window.Deblock1->isChecked());
    window.Deblock1->trigger();
    EXPECT_EQ(window.prefs.g_nDeblockMethod, 2);
    EXPECT_TRUE(window.Deblock1->isChecked());
}

}  // namespace
}  // namespace vn::app
