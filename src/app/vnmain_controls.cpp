// Construction of the main window's controls at their designed places.
// Captions and hints are set by Retranslate.
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTransform>
#include <QVBoxLayout>

#include "app/vnmain.h"
#include "platform/controls.h"
#include "platform/image.h"

namespace vn::app {
namespace {

using ui::Button;
using ui::Edit;
using ui::GroupBox;
using ui::Label;
using ui::Panel;
using ui::SpeedButton;
using ui::TrackBar;

constexpr int kButtonWidth = 32;
constexpr int kButtonHeight = 28;
constexpr int kButtonPitch = 34;
constexpr int kRowHeight = 16;
constexpr int kRowPitch = 17;

QIcon StandardIcon(QStyle::StandardPixmap pixmap) { return QApplication::style()->standardIcon(pixmap); }

// The play icon turned to point left.
QIcon BackwardIcon() {
    const QPixmap forward = StandardIcon(QStyle::SP_MediaPlay).pixmap(24, 24);
    return QIcon(forward.transformed(QTransform().scale(-1, 1)));
}

SpeedButton* MakeSpeedButton(QWidget* parent, const char* name, int left, int top, const QIcon& icon) {
    auto* button = new SpeedButton(parent, name, left, top, kButtonWidth, kButtonHeight);
    button->setIcon(icon);
    return button;
}

// A control that fills its panel, as the panel's size changes.
void FillWith(QWidget* panel, std::initializer_list<QWidget*> controls) {
    auto* fill = new QVBoxLayout(panel);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->setSpacing(0);
    for (QWidget* control : controls) fill->addWidget(control);
}

// A title label and its value label on one row of a group; the value
// labels are kept in `values`.
struct RowMaker {
    QWidget* parent;
    int titleWidth;
    int valueWidth;
    int top;
    std::vector<Label*>& values;

    void Row(Label*& title, const char* titleName, Label*& value, const char* valueName) {
        title = new Label(parent, titleName, 8, top, titleWidth, kRowHeight);
        value = new Label(parent, valueName, 8 + titleWidth + 4, top, valueWidth, kRowHeight);
        value->setText(QStringLiteral("[]"));
        values.push_back(value);
        top += kRowPitch;
    }
};

}  // namespace

void TfrmVNMain::CreatePictureArea(QWidget* client) {
    ScrollBox1 = new QScrollArea(client);
    ui::Design(ScrollBox1, "ScrollBox1", 4, 4, 773, 640);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->horizontalScrollBar()->setTracking(true);
    ScrollBox1->verticalScrollBar()->setTracking(true);
    imageCanvas_ = new QWidget;
    imageCanvas_->setObjectName(QStringLiteral("ScrollBox1Canvas"));
    ScrollBox1->setWidget(imageCanvas_);
    Image1 = new ui::Image(imageCanvas_, "Image1", 0, 0, 640, 480);
    Image1->hide();
}

void TfrmVNMain::CreatePlayControls(QWidget* client) {
    pnlPlayCtrl = new Panel(client, "pnlPlayCtrl", 250, 648, 285, 36);
    int left = 4;
    const auto next = [&left](int gap = 0) {
        const int at = left + gap;
        left = at + kButtonPitch;
        return at;
    };
    sbBackward = MakeSpeedButton(pnlPlayCtrl, "sbBackward", next(), 4, BackwardIcon());
    sbPrevious = MakeSpeedButton(pnlPlayCtrl, "sbPrevious", next(), 4, StandardIcon(QStyle::SP_MediaSkipBackward));
    sbPause = MakeSpeedButton(pnlPlayCtrl, "sbPause", next(), 4, StandardIcon(QStyle::SP_MediaPause));
    sbStop = MakeSpeedButton(pnlPlayCtrl, "sbStop", next(), 4, StandardIcon(QStyle::SP_MediaStop));
    sbNext = MakeSpeedButton(pnlPlayCtrl, "sbNext", next(), 4, StandardIcon(QStyle::SP_MediaSkipForward));
    sbForward = MakeSpeedButton(pnlPlayCtrl, "sbForward", next(), 4, StandardIcon(QStyle::SP_MediaPlay));
    // The event buttons sit apart at the right end, where the panel's width
    // cuts them off for recordings without events.
    sbPrevEvent = MakeSpeedButton(pnlPlayCtrl, "sbPrevEvent", next(6), 4, StandardIcon(QStyle::SP_MediaSeekBackward));
    sbNextEvent = MakeSpeedButton(pnlPlayCtrl, "sbNextEvent", next(), 4, StandardIcon(QStyle::SP_MediaSeekForward));
}

void TfrmVNMain::CreateSpeedAndSeek(QWidget* client) {
    gbSeek = new GroupBox(client, "gbSeek", 4, 688, 773, 56);
    pnlWhere = new Panel(gbSeek, "pnlWhere", 4, 18, 765, 32);
    tbWhere = new TrackBar(pnlWhere, "tbWhere", Qt::Horizontal, 0, 0, 765, 32);
    pbWhere = new ui::ProgressBar(pnlWhere, "pbWhere", 0, 0, 765, 16);
    FillWith(pnlWhere, {tbWhere, pbWhere});

    gbPlayRate = new GroupBox(client, "gbPlayRate", 781, 4, kSpeedColumnWidth, 640);
    tbRate = new TrackBar(gbPlayRate, "tbRate", Qt::Vertical, 12, 20, 28, 612);
    tbRate->setRange(0, 29);
    tbRate->setInvertedAppearance(true);
    tbRate->setInvertedControls(true);
    auto* fill = new QVBoxLayout(gbPlayRate);
    fill->setContentsMargins(10, 20, 10, 8);
    fill->addWidget(tbRate, 0, Qt::AlignHCenter);
    lblRate = new Label(client, "lblRate", 781, 648, kSpeedColumnWidth, 20);
}

void TfrmVNMain::CreateStatistics(QWidget* client) {
    gbStats = new GroupBox(client, "gbStats", 837, 4, 150, 180);
    const int width = 134;
    lblCapIntervalTitle = new Label(gbStats, "lblCapIntervalTitle", 8, 20, width, kRowHeight);
    lblCapInterval = new Label(gbStats, "lblCapInterval", 8, 38, width, kRowHeight);
    lblElapsedTimeTitle = new Label(gbStats, "lblElapsedTimeTitle", 8, 62, width, kRowHeight);
    lblElapsedTime = new Label(gbStats, "lblElapsedTime", 8, 80, width, 2 * kRowHeight);
    lblElapsedTime->setWordWrap(true);
    lblElapsedTime->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDateTimeTitle = new Label(gbStats, "Label6", 8, 118, width, kRowHeight);
    lblDate = new Label(gbStats, "lblDate", 8, 136, width, kRowHeight);
    lblTime = new Label(gbStats, "lblTime", 8, 154, width, kRowHeight);
}

void TfrmVNMain::CreateMotionSearch(QWidget* client) {
    gbMotion = new GroupBox(client, "gbMotion", 991, 4, 150, 180);
    pnlSearch = new ui::Image(gbMotion, "pnlSearch", 35, 20, 80, 60);
    lblThresholdTitle = new Label(gbMotion, "Thresh", 8, 90, 76, kRowHeight);
    edtMotionThreshold = new Edit(gbMotion, "edtMotionThreshold", 88, 88, 44, 20);
    edtMotionThreshold->setText(QStringLiteral("00"));
    sbSearchBackward = MakeSpeedButton(gbMotion, "sbSearchBackward", 24, 114, StandardIcon(QStyle::SP_ArrowLeft));
    sbStopSearch =
        MakeSpeedButton(gbMotion, "sbStopSearch", 24 + kButtonPitch, 114, StandardIcon(QStyle::SP_BrowserStop));
    sbSearchForward =
        MakeSpeedButton(gbMotion, "sbSearchForward", 24 + 2 * kButtonPitch, 114, StandardIcon(QStyle::SP_ArrowRight));
    // The four status labels share one place; one of them shows.
    const char* names[4] = {"lblSrchMsg", "lblSearchForward", "lblSearchBackward", "lblSearchFound"};
    for (size_t i = 0; i < searchLabels_.size(); ++i) {
        searchLabels_[i] = new Label(gbMotion, names[i], 8, 152, 134, kRowHeight);
        searchLabels_[i]->setAlignment(Qt::AlignCenter);
    }
}

void TfrmVNMain::CreatePlayList(QWidget* client) {
    gbPlayList = new GroupBox(client, "gbPlayList", 837, 188, 304, 200);
    lbPlayList = new ui::ListBox(gbPlayList, "lbPlayList", 8, 18, 288, 124);
    lblFilePath = new Label(gbPlayList, "lblFilePath", 8, 146, 288, kRowHeight);
    lblFilePath->hide();  // kept for the hint timing and the layout, not shown
    pnlPLControls = new Panel(gbPlayList, "pnlPLControls", 8, 166, 288, 30);
    bPrevious = new Button(pnlPLControls, "bPrevious", 0, 2, 92, 26);
    bSkip = new Button(pnlPLControls, "bSkip", 98, 2, 92, 26);
    bClearPlayList = new Button(pnlPLControls, "bClearPlayList", 196, 2, 92, 26);
}

void TfrmVNMain::CreateMovieInfo(QWidget* client) {
    gbMovieInfo = new GroupBox(client, "gbMovieInfo", 837, 388, 304, 349);
    gbMovieInfo->hide();
    RowMaker rows{gbMovieInfo, 118, 166, 18, movieInfoValues_};
    rows.Row(lblCamModelTitle, "lblCamModelTitle", lblCamModel, "lblCamModel");
    rows.Row(lblQTitle, "lblQTitle", lblQuant, "lblQuant");
    rows.Row(lblFlickerTitle, "lblFlickerTitle", lblFlicker, "lblFlicker");
    rows.Row(lblSceneTitle, "lblSceneTitle", lblScene, "lblScene");
    rows.Row(lblExpoTitle, "lblExpoTitle", lblCustomExpo, "lblCustomExpo");
    rows.Row(lblSSStartTitle, "lblSSStartTitle", lblSSStart, "lblSSStart");
    rows.Row(lblSSStopTitle, "lblSSStopTitle", lblSSStop, "lblSSStop");
    rows.Row(lblSSDaysTitle, "Label4", lblSSDays, "lblSSDays");
    rows.Row(lblLEDTitle, "lblLEDTitle", lblLED, "lblLED");
    rows.Row(lblLowLightTitle, "lblLowLightTitle", lblLowLight, "lblLowLight");
    rows.Row(lblTimeStampTitle, "lblTimeStampTitle", lblTimeStamp, "lblTimeStamp");
    rows.Row(lblFWTitle, "lblFWTitle", lblFW, "lblFW");
    rows.Row(lblModeTitle, "lblModeTitle", lblMode, "lblMode");
    rows.Row(lblFPGATitle, "lblFPGATitle", lblFPGA, "lblFPGA");
    lblFPGATitle->hide();
    lblFPGA->hide();

    const int panelTop = rows.top;
    pnlMaxInfo = new Panel(gbMovieInfo, "pnlMaxInfo", 0, panelTop, 304, 5 * kRowPitch + 4);
    RowMaker maxRows{pnlMaxInfo, 118, 166, 0, movieInfoValues_};
    maxRows.Row(lblWBModeTitle, "lblWBModeTitle", lblWBMode, "lblWBMode");
    maxRows.Row(lblContrastTitle, "lblContrastTitle", lblContrast, "lblContrast");
    maxRows.Row(lblSharpnessTitle, "lblSharpnessTitle", lblSharpness, "lblSharpness");
    maxRows.Row(lblSaturationTitle, "lblSaturationTitle", lblSaturation, "lblSaturation");
    maxRows.Row(lblHDRRangeTitle, "Label16", lblHDRRange, "lblHDRRange");
    pnlMaxInfo->hide();

    pnlWRDInfo = new Panel(gbMovieInfo, "pnlWRDInfo", 0, panelTop, 304, 5 * kRowPitch + 4);
    RowMaker wrdRows{pnlWRDInfo, 118, 166, 0, movieInfoValues_};
    wrdRows.Row(lblPIRTriggerTitle, "lblPIRTriggerTitle", lblPIRTrigger, "lblPIRTrigger");
    pnlSeek = new Panel(pnlWRDInfo, "pnlSeek", 8, wrdRows.top + 2, 288, 36);
    pnlSeek->setFrameShape(QFrame::StyledPanel);
    lblPIRSeek = new Label(pnlSeek, "lblPIRSeek", 6, 10, 110, kRowHeight);
    sbPIRSeekRev = MakeSpeedButton(pnlSeek, "sbPIRSeekRev", 150, 4, StandardIcon(QStyle::SP_MediaSeekBackward));
    sbStopPIRSearch =
        MakeSpeedButton(pnlSeek, "sbStopPIRSearch", 150 + kButtonPitch, 4, StandardIcon(QStyle::SP_BrowserStop));
    sbPIRSeekFwd =
        MakeSpeedButton(pnlSeek, "sbPIRSeekFwd", 150 + 2 * kButtonPitch, 4, StandardIcon(QStyle::SP_MediaSeekForward));
    pnlWRDInfo->hide();
}

}  // namespace vn::app
