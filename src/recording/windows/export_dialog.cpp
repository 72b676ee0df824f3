#include "recording/windows/export_dialog.h"

#include <QEvent>
#include <QFileDialog>

#include "platform/controls.h"

namespace vn::recording_windows {

TfrmExtract::TfrmExtract(QWidget* parent) : QDialog(parent) {
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
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setDefaultSuffix("avi");
    Retranslate();
    rgExportAs->SetItemIndex(0);
}

void TfrmExtract::SetFrameRange(int first, int last) {
    edtExtractFirst->setText(QString::number(first));
    edtExtractLast->setText(QString::number(last));
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
