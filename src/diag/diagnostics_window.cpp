#include "diag/diagnostics_window.h"

#include <QEvent>
#include <QFileDialog>
#include <QFont>
#include <QMenu>

#include "decode/jpeg_decoder.h"
#include "platform/controls.h"
#include "platform/ini_file.h"

namespace vn::diag {

namespace {

constexpr int kDesignLeft = 700;
constexpr int kDesignTop = 90;
constexpr int kWidth = 660;
constexpr int kHeight = 560;

// The window's check boxes, each copying its state into its switch.
struct SwitchBox {
    const char* name;
    const char* caption;
    bool TfrmDiags::*flag;
    bool inChecksums;  // else on the window itself
    int left, top, width;
    bool hidden;
};

constexpr SwitchBox kSwitchBoxes[] = {
    {"cbShowExpo", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Show &Expo"), &TfrmDiags::bShowExpo, false, 348, 8, 150,
     false},
    {"cbShowTimes", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Show &Times"), &TfrmDiags::bShowTimes, false, 348, 30,
     150, false},
    {"cbDumpRTCData", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Dump RTC Data"), &TfrmDiags::bDumpRTCData, false, 348,
     52, 150, false},
    {"cbShowBadFrames", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Display Bad Frames"), &TfrmDiags::g_bShowBadFrames,
     false, 348, 74, 150, false},
    {"cbReportAllFrames", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Report Good Frames"), &TfrmDiags::bReportAllFrames,
     false, 348, 96, 150, false},
    {"cbCheckSpuriousEOI", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "JPEG EOI Check"), &TfrmDiags::bCheckSpuriousEOI,
     false, 348, 118, 150, false},
    {"cbForceBW", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Force &B&&W"), &TfrmDiags::g_bForceBW, false, 348, 140, 150,
     false},
    {"cbShowQuant", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Show QScale"), &TfrmDiags::bShowQuant, false, 504, 8, 148,
     true},
    {"cbPauseOnStop", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "MVM Pause on Stop (don't reset movie)"),
     &TfrmDiags::bPauseOnStop, false, 504, 30, 148, true},
    {"cbEnableMVMSingleStep", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Enable MVM Single Step"),
     &TfrmDiags::bEnableMVMSingleStep, false, 504, 52, 148, true},
    // Inside gbChecksums (its geometry is the group's).
    {"cbShowChecksums", QT_TRANSLATE_NOOP("vn::diag::TfrmDiags", "Show Checksums"), &TfrmDiags::g_bShowChecksums, true,
     8, 18, 132, false},
};

// A label in a hidden corner, kept for the movie side's timings.
void HiddenLabel(QWidget* parent, const char* name, int left, int top) {
    (new ui::Label(parent, name, left, top, 70, 17))->hide();
}

}  // namespace

TfrmDiags::TfrmDiags(QWidget* parent, ui::IniFile& settings) : QDialog(parent), settings_(settings) {
    setObjectName("TfrmDiags");
    setModal(false);
    setFixedSize(kWidth, kHeight);
    move(kDesignLeft, kDesignTop);
    DesignControls();
    DesignCameraValues();
    Retranslate();
    FormCreate();
}

TfrmDiags::~TfrmDiags() { FormDestroy(); }

void TfrmDiags::DesignControls() {
    ListBox1 = new ui::ListBox(this, "ListBox1", 8, 8, 330, 290);
    ListBox1->setFont(QFont("Courier New", 9));
    ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    ListBox1->viewport()->installEventFilter(this);
    bClearList = new ui::Button(this, "Button1", 8, 304, 75, 25);
    lblBadFrms = new ui::Label(this, "lblBadFrms", 96, 308, 60, 17);
    lblBadFrameCount = new ui::Label(this, "lblBadFrameCount", 160, 308, 80, 17);
    lblBadFrameCount->setText("0");

    listMenu = new QMenu(this);
    listMenu->setObjectName("PopupMenu1");
    Clear1 = listMenu->addAction(QString());
    Clear1->setObjectName("Clear1");
    Cancel1 = listMenu->addAction(QString());
    Cancel1->setObjectName("Cancel1");
    SaveDialog1 = new QFileDialog(this);
    SaveDialog1->setObjectName("SaveDialog1");
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);

    gbChecksums = new ui::GroupBox(this, "gbChecksums", 508, 166, 144, 112);
    for (const SwitchBox& s : kSwitchBoxes) {
        QWidget* boxParent = s.inChecksums ? static_cast<QWidget*>(gbChecksums) : this;
        auto* box = new ui::CheckBox(boxParent, s.name, s.left, s.top, s.width, 20);
        box->setHidden(s.hidden);
        connect(box, &QCheckBox::clicked, this, [this, flag = s.flag](bool checked) {
            this->*flag = checked;
            ApplySwitches();
        });
        switchBoxes_.push_back(box);
    }

    rgBreakpoint = new ui::RadioGroup(this, "rgBreakpoint", 348, 166, 154, 104);
    edtRetryCount = new ui::Edit(this, "edtRetryCount", 460, 203, 38, 20);
    edtRetryCount->setText("0");
    edtChgLuma = new ui::Edit(this, "edtChgLuma", 460, 223, 38, 20);
    edtChgLuma->setText("10");
    connect(rgBreakpoint, &ui::RadioGroup::Clicked, this, &TfrmDiags::rgBreakpointClick);

    rgDeBlockMethod = new ui::RadioGroup(this, "rgDeBlockMethod", 504, 76, 148, 84);
    rgDeBlockMethod->hide();
    connect(rgDeBlockMethod, &ui::RadioGroup::Clicked, this, [this](int index) { g_nDeblockMethod = index; });
    bMVMRestart = new ui::Button(this, "bMVMRestart", 504, 140, 100, 22);
    bMVMRestart->hide();
    connect(bMVMRestart, &QPushButton::clicked, this, &TfrmDiags::MvmRestartClicked);

    lblDecTime = new ui::Label(this, "lblDecTime", 348, 280, 70, 17);
    lblDecTime->hide();
    lblDispTime = new ui::Label(this, "lblDispTime", 422, 280, 70, 17);
    lblDispTime->hide();
    HiddenLabel(this, "lblSkip", 348, 300);
    HiddenLabel(this, "lblQDisp", 422, 300);
    HiddenLabel(this, "lblQNum", 496, 300);

    connect(bClearList, &QPushButton::clicked, this, &TfrmDiags::Button1Click);
    connect(Clear1, &QAction::triggered, this, &TfrmDiags::Clear1Click);
    connect(ListBox1, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { listMenu->popup(ListBox1->viewport()->mapToGlobal(at)); });
}

void TfrmDiags::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDialog::changeEvent(event);
}

void TfrmDiags::Retranslate() {
    setWindowTitle(tr("Diagnostics"));
    bClearList->setText(tr("&Clear"));
    lblBadFrms->setText(tr("Bad Frms:"));
    Clear1->setText(tr("&Clear"));
    Cancel1->setText(tr("C&ancel"));
    for (size_t i = 0; i < switchBoxes_.size(); ++i) {
        switchBoxes_[i]->setText(tr(kSwitchBoxes[i].caption));
    }
    gbChecksums->setTitle(tr("Checksums"));
    rgBreakpoint->setTitle(tr("Breakpoint"));
    rgBreakpoint->SetItems({tr("None"), tr("Retries > n"), tr("chg luma > n"), tr("tbd")});
    rgDeBlockMethod->setTitle(tr("DeBlock Method"));
    rgDeBlockMethod->SetItems({tr("0 - None"), tr("1 - Buffer-wide LPF"), tr("2 - MVC Filter")});
    bMVMRestart->setText(tr("MVM Restart"));
    RetranslateCameraValues();
}

void TfrmDiags::FormCreate() {
    const int left = settings_.ReadInteger("window", "nDiagWinX", -1);
    const int top = settings_.ReadInteger("window", "nDiagWinY", -1);
    move(left >= 0 ? left : x(), top >= 0 ? top : y());
    bShowExpo = settings_.ReadInteger("settings", "bShowExpo", 0) != 0;
    bShowTimes = settings_.ReadInteger("settings", "bShowTimes", 0) != 0;
    bDumpRTCData = settings_.ReadInteger("settings", "bDumpRTCData", 0) != 0;
    // The main window loads these two as well; reading them here sets the
    // boxes whichever window is created first.
    g_bShowChecksums = settings_.ReadInteger("settings", "g_bShowChecksums", 0) != 0;
    g_nDeblockMethod = settings_.ReadInteger("settings", "g_nDeblockMethod", 2);

    const int showDiagsWindow = settings_.ReadInteger("window", "ShowDiags", 0);
    if (settings_.ReadInteger("settings", "ShowDiags", showDiagsWindow) != 0) {
        show();
        g_bShowBadFrames = settings_.ReadInteger("settings", "g_bShowBadFrames", 0) != 0;
        bReportAllFrames = settings_.ReadInteger("settings", "bReportAllFrames", 0) != 0;
        bCheckSpuriousEOI = settings_.ReadInteger("settings", "bCheckSpuriousEOI", 0) != 0;
        diagnosticSwitchesRead_ = true;
    }
    for (size_t i = 0; i < switchBoxes_.size(); ++i) {
        switchBoxes_[i]->SetChecked(this->*kSwitchBoxes[i].flag);
    }
    gbChecksums->setVisible(g_bShowChecksums);
    rgBreakpoint->SetItemIndex(Breakpoint::None);
    rgDeBlockMethod->SetItemIndex(g_nDeblockMethod);
}

void TfrmDiags::FormDestroy() {
    settings_.WriteInteger("window", "nDiagWinX", x());
    settings_.WriteInteger("window", "nDiagWinY", y());
    if (diagnosticSwitchesRead_) {
        settings_.WriteInteger("settings", "g_bShowBadFrames", g_bShowBadFrames);
        settings_.WriteInteger("settings", "bReportAllFrames", bReportAllFrames);
        settings_.WriteInteger("settings", "bCheckSpuriousEOI", bCheckSpuriousEOI);
    }
}

void TfrmDiags::SetDecoder(jpeg::JpegDecoder* decoder) {
    decoder_ = decoder;
    ApplySwitches();
}

void TfrmDiags::ApplySwitches() {
    if (decoder_ == nullptr) return;
    decoder_->bCheckSpuriousEOI = bCheckSpuriousEOI;
    decoder_->g_bForceBW = g_bForceBW;
    decoder_->camera.bDumpRTCData = bDumpRTCData;
}

}  // namespace vn::diag
