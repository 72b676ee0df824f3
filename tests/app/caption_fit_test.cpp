// Every caption fits its control in every language: the labels, group
// titles, buttons, check boxes and radio buttons of each window, as a user
// meets them with a recording open, measured with the font the control draws
// with and the style's margins.
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include "app/engine_test_support.h"
#include "platform/controls.h"

namespace vn::app {
namespace {

// The text as drawn: "&&" is an ampersand, a single "&" marks the
// accelerator and takes no room.
QString DrawnText(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

int WidestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

struct Fit {
    int needed = 0;
    int available = 0;
};

Fit LabelFit(const QLabel& label) {
    const int margins = 2 * label.margin() + std::max(label.indent(), 0);
    if (label.wordWrap()) {
        // A wrapped caption is clipped at the bottom.
        return {label.heightForWidth(label.width()), label.height()};
    }
    return {WidestLine(label.fontMetrics(), DrawnText(label.text())) + margins, label.contentsRect().width()};
}

Fit GroupTitleFit(const QGroupBox& group) { return {ui::TitleWidth(group), group.width()}; }

Fit ButtonFit(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    int margins = button.style()->pixelMetric(QStyle::PM_ButtonMargin, &option, &button);
    if (qobject_cast<const QCheckBox*>(&button) != nullptr) {
        contents = QStyle::SE_CheckBoxContents;
        margins = 0;
    } else if (qobject_cast<const QRadioButton*>(&button) != nullptr) {
        contents = QStyle::SE_RadioButtonContents;
        margins = 0;
    }
    if (!button.icon().isNull()) margins += button.iconSize().width() + 4;
    const QRect room = button.style()->subElementRect(contents, &option, &button);
    return {WidestLine(button.fontMetrics(), DrawnText(button.text())) + margins, room.width()};
}

// Items of a radio group have no name of their own.
QString ControlName(const QWidget& control) {
    if (!control.objectName().isEmpty()) return control.objectName();
    return control.parentWidget()->objectName() + QStringLiteral(" item");
}

// Every visible caption of the window that does not fit, named by the
// window, the language, the control and its text.
QStringList ClippedCaptions(const QWidget& window, const QString& language) {
    QStringList clipped;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->window() != &window || !control->isVisibleTo(&window)) continue;
        Fit fit;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            text = label->text();
            if (text.isEmpty() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(text)) continue;
            fit = LabelFit(*label);
        } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
            text = group->title();
            if (text.isEmpty()) continue;
            fit = GroupTitleFit(*group);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            text = button->text();
            if (text.isEmpty()) continue;
            fit = ButtonFit(*button);
        } else {
            continue;
        }
        if (fit.needed > fit.available) {
            clipped << QStringLiteral("%1 [%2] %3 \"%4\": needs %5, has %6")
                           .arg(window.objectName(), language, ControlName(*control), text)
                           .arg(fit.needed)
                           .arg(fit.available);
        }
    }
    return clipped;
}

class CaptionFitTest : public test::EngineTest {
protected:
    // Checks the window as shown now, in the active language.
    void Check(QWidget& window) {
        QTest::qWait(0);
        const QString language = ui::IsEnglish() ? QStringLiteral("en") : ui::LanguageSuffix(ui::ActiveLanguage());
        clipped_ << ClippedCaptions(window, language);
    }

    void CheckShown(QWidget& window) {
        window.show();
        Check(window);
        window.hide();
    }

    QStringList clipped_;
};

TEST_F(CaptionFitTest, EveryCaptionOfEveryWindowFitsInEveryLanguage) {
    // Without glyphs for the languages every caption would be a row of
    // equal boxes, and the measure would say nothing.
    for (auto system : {QFontDatabase::Japanese, QFontDatabase::Korean, QFontDatabase::SimplifiedChinese,
                        QFontDatabase::TraditionalChinese}) {
        ASSERT_FALSE(QFontDatabase::families(system).isEmpty())
            << "no font for " << QFontDatabase::writingSystemName(system).toStdString();
    }
    TfrmVNMain& window = Player();
    OpenCopyOf(VN_AVI_FIXTURES "/xprmax.avi");
    PlayerProgram& program = *program_;
    for (int language = ui::kEnglish; language <= 5; ++language) {
        ASSERT_TRUE(ui::SetActiveLanguage(language));
        Check(window);
        CheckShown(program.frmDiags);
        CheckShown(program.frmSetCamReg);
        CheckShown(program.AboutBox);
        CheckShown(program.frmExtract);
        program.frmExtProgress.Begin(100);
        Check(program.frmExtProgress);
        program.frmExtProgress.Finish();
        program.frmExtProgress.hide();
        for (int message = 0; message <= 4; ++message) {
            program.frmMyMsg.nMsgIndex = message;
            CheckShown(program.frmMyMsg);
        }
    }
    EXPECT_TRUE(clipped_.isEmpty()) << clipped_.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace vn::app
