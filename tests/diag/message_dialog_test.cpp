#include "diag/message_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "dialog_test_support.h"
#include "platform/language.h"

namespace vn::diag {
namespace {

using test::Control;

constexpr const char* kMessages[] = {"lblNoDir", "lblNotFound", "lblUnkFormat", "lblNoFrames", "lblCannotOpen"};

// Shows the dialog with the index and returns the labels visible while it
// is up; OK closes it as the user would.
QStringList VisibleMessages(TfrmMyMsg& dialog, int index) {
    QStringList visible;
    test::WhenModalOpens([&](QWidget* modal) {
        EXPECT_EQ(modal, &dialog);
        for (const char* name : kMessages) {
            if (Control(&dialog, name)->isVisible()) visible << name;
        }
        QTest::mouseClick(Control<QPushButton>(&dialog, "bbOK"), Qt::LeftButton);
    });
    dialog.ShowMessage(index);
    EXPECT_FALSE(dialog.isVisible());
    return visible;
}

TEST(MessageDialog, ShowsOnlyTheSelectedMessageEachTime) {
    TfrmMyMsg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Error");
    EXPECT_EQ(VisibleMessages(dialog, NotFound), QStringList{"lblNotFound"});
    EXPECT_EQ(VisibleMessages(dialog, NoFrames), QStringList{"lblNoFrames"});
    EXPECT_EQ(VisibleMessages(dialog, NoDir), QStringList{"lblNoDir"});
    for (const char* name : kMessages) EXPECT_FALSE(Control(&dialog, name)->isVisibleTo(&dialog));
}

// The detail line names the file and says what is wrong with it, as given,
// and goes with its showing.
TEST(MessageDialog, ShowsTheDetailUnderTheMessage) {
    TfrmMyMsg dialog;
    QString shown;
    test::WhenModalOpens([&](QWidget*) {
        shown = Control<QLabel>(&dialog, "lblDetail")->text();
        EXPECT_TRUE(Control(&dialog, "lblCannotOpen")->isVisible());
        dialog.accept();
    });
    dialog.ShowMessage(CannotOpen, "a<b>.avi: not a recording");
    EXPECT_EQ(shown, "a<b>.avi: not a recording");
    EXPECT_EQ(Control<QLabel>(&dialog, "lblDetail")->textFormat(), Qt::PlainText);
}

TEST(MessageDialog, AnIndexOutsideTheMessagesShowsNone) {
    TfrmMyMsg dialog;
    EXPECT_TRUE(VisibleMessages(dialog, 5).isEmpty());
    EXPECT_TRUE(VisibleMessages(dialog, -1).isEmpty());
    EXPECT_EQ(VisibleMessages(dialog, UnkFormat), QStringList{"lblUnkFormat"});
}

QString Text(const TfrmMyMsg& dialog, const char* name) { return Control<QLabel>(&dialog, name)->text(); }

TEST(MessageDialog, SpeaksTheChosenLanguage) {
    TfrmMyMsg dialog;
    ASSERT_TRUE(ui::SetActiveLanguage(3));
    EXPECT_EQ(dialog.windowTitle(), "错误");
    EXPECT_EQ(Text(dialog, "lblNotFound"), "档案未发现");
    EXPECT_EQ(Text(dialog, "lblNoFrames"), "档案未包含任何画面资料");
    EXPECT_EQ(Text(dialog, "lblNoDir"), "请确认SD卡所在位置以及是否已于电脑的卸除式装置中");
    EXPECT_EQ(Text(dialog, "lblUnkFormat"), "未知格式");
    EXPECT_EQ(Control<QPushButton>(&dialog, "bbOK")->text(), "确认");
    ASSERT_TRUE(ui::SetActiveLanguage(5));
    EXPECT_EQ(dialog.windowTitle(), "실패");
    ASSERT_TRUE(ui::SetActiveLanguage(ui::kEnglish));
    EXPECT_EQ(Text(dialog, "lblNotFound"), "File Not Found");
    EXPECT_EQ(Control<QPushButton>(&dialog, "bbOK")->text(), "OK");
}

}  // namespace
}  // namespace vn::diag
