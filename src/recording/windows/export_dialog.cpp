#include "recording/windows/export_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>

#include "platform/controls.h"
#include "platform/ini_file.h"

namespace vn::recording_windows {

namespace {

constexpr char kSection[] = "extraction";
constexpr char kFolderKey[] = "dir";

QString WithSeparator(const QString& folder) { return folder.endsWith('/') ? folder : folder + '/'; }

int FieldNumber(const ui::Edit* field) { return ui::LeadingInteger(field->text()); }

}  // namespace

TfrmExtract::TfrmExtract(ui::IniFile& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
    setObjectName("TfrmExtract");
    // A fixed dialog border without the title bar's buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(320, 168);
    lblStart = new ui::Label(this, "lblStart", 12, 14, 50, 17);
    edtExtractFirst = new ui::Edit(this, "edtExtractFirst", 64, 12, 80, 21);
    edtExtractFirst->setText("1");
    lblLast = new ui::Label(this, "Label1", 12, 42, 50, 17);
    edtExtractLast = new ui::Edit(this, "edtExtractLast", 64, 40, 80, 21);
    edtExtractLast->setText("100");
    lblSkip = new ui::Label(this, "Label2", 12, 70, 50, 17);
    edtExtractSkip = new ui::Edit(this, "edtExtractSkip", 64, 68, 80, 21);
    edtExtractSkip->setText("0");
    lblFilename = new ui::Label(this, "Label3", 12, 100, 50, 17);
    lblFilename->hide();
    edtExtractFile = new ui::Edit(this, "edtExtractFile", 64, 98, 164, 21);
    edtExtractFile->setText("extracted.avi");
    edtExtractFile->hide();
    bSetFilename = new ui::Button(this, "bSetFilename", 232, 97, 76, 23);
    bSetFilename->hide();
    rgExportAs = new ui::RadioGroup(this, "rgExportAs", 160, 8, 148, 84);
    bbOK = new ui::Button(this, "bbOK", 64, 130, 80, 27);
    bbOK->setDefault(true);
    bbCancel = new ui::Button(this, "BitBtn1", 160, 130, 80, 27);
    SaveDialog1 = new QFileDialog(this);
    SaveDialog1->setObjectName("SaveDialog1");
    SaveDialog1->setOption(QFileDialog::DontUseNativeDialog);
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setDefaultSuffix("avi");
    Retranslate();
    rgExportAs->SetItemIndex(0);
    connect(rgExportAs, &ui::RadioGroup::Clicked, this, &TfrmExtract::rgExportAsClick);
    connect(bbOK, &QPushButton::clicked, this, &TfrmExtract::bbOKClick);
    connect(bbCancel, &QPushButton::clicked, this, &TfrmExtract::BitBtn1Click);
}

void TfrmExtract::SetFrameRange(int first, int last) {
    MarkFirst(first);
    MarkLast(last);
}

void TfrmExtract::MarkFirst(int frame) { edtExtractFirst->setText(QString::number(frame)); }

void TfrmExtract::MarkLast(int frame) { edtExtractLast->setText(QString::number(frame)); }

bool TfrmExtract::Run(const QString& recordingPath) {
    recordingPath_ = recordingPath;
    exec();
    return confirmed_;
}

avi::ExportRequest TfrmExtract::Request() const {
    return {FieldNumber(edtExtractFirst) - 1, FieldNumber(edtExtractLast) - 1, FieldNumber(edtExtractSkip) + 1,
            static_cast<avi::ExportMode>(g_nExportMode), edtExtractFile->text().toStdString()};
}

void TfrmExtract::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TfrmExtract::hideEvent(QHideEvent* event) {
    FormHide();
    QDialog::hideEvent(event);
}

// The folder is read at every showing, so that another copy of the program
// exporting meanwhile is followed.
void TfrmExtract::FormShow() {
    confirmed_ = false;
    const QString programFolder = WithSeparator(QCoreApplication::applicationDirPath());
    exportFolder_ = WithSeparator(settings_.ReadString(kSection, kFolderKey, programFolder));
    rgExportAs->SetItemIndex(g_nExportMode);
    ComposeProposedName();
}

void TfrmExtract::FormHide() {
    settings_.WriteString(kSection, kFolderKey, exportFolder_);
    settings_.Flush();
}

void TfrmExtract::rgExportAsClick(int index) {
    g_nExportMode = index;
    ComposeProposedName();
}

void TfrmExtract::ComposeProposedName() {
    const bool pictures = g_nExportMode == static_cast<int>(avi::ExportMode::JpgSequence);
    proposedName_ = QString::fromStdString(
        avi::ProposedExportName(recordingPath_.toStdString(), static_cast<avi::ExportMode>(g_nExportMode),
                                FieldNumber(edtExtractFirst), FieldNumber(edtExtractLast)));
    edtExtractFile->setText(exportFolder_ + proposedName_);
    SaveDialog1->setNameFilter(pictures ? tr("JPEG Pictures") + " (*.jpg)" : tr("AVI Movie") + " (*.avi)");
    SaveDialog1->setDefaultSuffix(pictures ? "jpg" : "avi");
}

// A cancelled save dialog leaves the export dialog open.
void TfrmExtract::bbOKClick() {
    ComposeProposedName();
    SaveDialog1->setDirectory(exportFolder_);
    SaveDialog1->selectFile(proposedName_);
    if (SaveDialog1->exec() != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty()) return;
    const QString chosen = SaveDialog1->selectedFiles().first();
    exportFolder_ = WithSeparator(QFileInfo(chosen).absolutePath());
    edtExtractFile->setText(chosen);
    confirmed_ = true;
    accept();
}

void TfrmExtract::BitBtn1Click() {
    confirmed_ = false;
    reject();
}

void TfrmExtract::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QDialog::changeEvent(event);
}

void TfrmExtract::Retranslate() {
    setWindowTitle(tr("Export"));
    lblStart->setText(tr("First"));
    lblLast->setText(tr("Last"));
    lblSkip->setText(tr("Skip"));
    lblFilename->setText(tr("Filename"));
    bSetFilename->setText(tr("Select"));
    rgExportAs->setTitle(tr("Export As"));
    rgExportAs->SetItems({tr("AVI movie"), tr("JPG sequence")});
    bbOK->setText(tr("OK"));
    bbCancel->setText(tr("Cancel"));
}

}  // namespace vn::recording_windows
