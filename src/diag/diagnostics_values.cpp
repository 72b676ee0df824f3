// The diagnostics window's camera values: the labels of the frame on
// screen, the focus score, the checksums and the breakpoint.
#include "decode/jpeg_decoder.h"
#include "diag/diagnostics_window.h"
#include "platform/controls.h"

namespace vn::diag {

namespace {

// A value label with its title to the left, in one of two groups laid out
// in columns and rows; a row without a title shows a second value.
struct ValueRow {
    const char* label;
    const char* title;
    bool inChecksums;  // else in gbCamera
    int column, row;
};

struct ValueGrid {
    int left[2];
    int top, rowHeight, titleWidth, valueWidth;
};

constexpr ValueGrid kCameraGrid = {{8, 326}, 20, 20, 120, 180};
constexpr ValueGrid kChecksumGrid = {{8, 72}, 42, 22, 24, 36};

constexpr ValueRow kValueRows[] = {
    {"lblFWRev", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "FW Rev"), false, 0, 0},
    {"lblFPGARev", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "FPGA Rev"), false, 0, 1},
    {"lblAWBSamples", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "AWB Samples"), false, 0, 2},
    {"lblFocusScore", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Focus Score"), false, 0, 3},
    {"lblRGBAvg", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "R,G,B Avg"), false, 0, 4},
    {"lblRGBGain", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "R,G,B Gain"), false, 0, 5},
    {"lblTemp", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Temp:"), false, 0, 6},
    {"lblBatt", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Min Batt"), false, 0, 7},
    {"lblBatt2", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Batt"), false, 0, 8},
    {"lblLuma", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Luma"), false, 1, 0},
    {"lblLuma1", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Luma 1"), false, 1, 1},
    {"lblLuma2", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Luma 2"), false, 1, 2},
    {"lblRawExpo", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Raw Expo"), false, 1, 3},
    {"lblPhysExpo", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Phys Exp"), false, 1, 4},
    {"lblAEGain", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "AE Gain"), false, 1, 5},
    {"lblFRC", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Retries"), false, 1, 6},
    {"lblExpType", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Exp Type (TTL Only)"), false, 1, 7},
    {"lblWBMode", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "WB Mode"), false, 1, 8},
    {"lblsig1", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Sig"), true, 0, 0},
    {"lblsig2", nullptr, true, 1, 0},
    {"lblcs1", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "cs1"), true, 0, 1},
    {"lblcs2", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "cs2"), true, 1, 1},
    {"lblcs3", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "cs3"), true, 0, 2},
    {"lblcs4", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "cs4"), true, 1, 2},
};

// Title labels are named after the value they stand beside.
QByteArray TitleName(const char* label) { return QByteArray(label) + "Title"; }

}  // namespace

void TfrmDiags::DesignCameraValues() {
    gbCamera = new ui::GroupBox(this, "GroupBox1", 8, 340, 644, 212);
    for (const ValueRow& row : kValueRows) {
        QWidget* group = row.inChecksums ? static_cast<QWidget*>(gbChecksums) : gbCamera;
        const ValueGrid& grid = row.inChecksums ? kChecksumGrid : kCameraGrid;
        const int left = grid.left[row.column];
        const int top = grid.top + row.row * grid.rowHeight;
        const int titleWidth = row.title != nullptr ? grid.titleWidth : 0;
        if (row.title != nullptr) {
            valueTitles_.push_back(new ui::Label(group, TitleName(row.label).constData(), left, top, titleWidth, 17));
        }
        valueLabels_[row.label] = new ui::Label(group, row.label, left + titleWidth + 4, top, grid.valueWidth, 17);
    }
    lblFocusScore = valueLabels_.at("lblFocusScore");
    // Hidden: the score follows every shown frame.
    bGetFocusScore = new ui::Button(gbCamera, "bGetFocusScore", 250, 78, 64, 20);
    bGetFocusScore->hide();
    connect(bGetFocusScore, &QPushButton::clicked, this, &TfrmDiags::bGetFocusScoreClick);
}

void TfrmDiags::RetranslateCameraValues() {
    gbCamera->setTitle(tr("Camera"));
    size_t title = 0;
    for (const ValueRow& row : kValueRows) {
        if (row.title != nullptr) valueTitles_[title++]->setText(tr(row.title));
    }
    bGetFocusScore->setText(tr("Get Focus Score"));
}

void TfrmDiags::SetLabelTexts(const LabelTexts& texts) {
    for (const auto& [label, text] : texts) {
        valueLabels_.at(label)->setText(QString::fromStdString(text));
    }
}

bool TfrmDiags::ShowFrameCameraValues() {
    if (!isVisible() || decoder_ == nullptr) return false;
    const jpeg::FrameCameraRecord& record = decoder_->camera.frame;
    SetLabelTexts(CameraValueTexts(record));
    bGetFocusScoreClick();
    const bool pause = breakpoint_.Test(record.retries, record.luma);
    if (g_bShowChecksums) SetLabelTexts(ChecksumTexts(record));
    return pause;
}

void TfrmDiags::bGetFocusScoreClick() {
    if (decoder_ != nullptr) lblFocusScore->setText(QString::number(FrameFocusScore(*decoder_)));
}

void TfrmDiags::rgBreakpointClick(int index) {
    breakpoint_.Select(index, edtRetryCount->text().toStdString(), edtChgLuma->text().toStdString());
}

void TfrmDiags::ShowFrameTimes(int decodeMs, int displayMs) {
    if (!isVisible()) return;
    lblDecTime->setText(QString::number(decodeMs));
    lblDispTime->setText(QString::number(displayMs));
}

void TfrmDiags::SelectDeblockMethod(int method) {
    g_nDeblockMethod = method;
    rgDeBlockMethod->SetItemIndex(method);
}

}  // namespace vn::diag
