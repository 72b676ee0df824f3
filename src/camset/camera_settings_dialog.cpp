#include "camset/camera_settings_dialog.h"

#include <QComboBox>
#include <QEvent>
#include <QSpinBox>

#include "platform/controls.h"

namespace vn::camset {

namespace {

// The arrows of an up-down beside its field; the field holds the value.
QSpinBox* UpDown(QWidget* parent, const char* name, int left, int top, int maximum) {
    auto* upDown = new QSpinBox(parent);
    ui::Design(upDown, name, left, top, 18, 21);
    upDown->setRange(0, maximum);
    return upDown;
}

QComboBox* ComboBox(QWidget* parent, const char* name, int left, int top, int width) {
    auto* box = new QComboBox(parent);
    ui::Design(box, name, left, top, width, 21);
    return box;
}

}  // namespace

TfrmSetCamReg::TfrmSetCamReg(QWidget* parent) : QDialog(parent) {
    setObjectName("TfrmSetCamReg");
    setFixedSize(400, 310);
    lblFlashDrive = new ui::Label(this, "lblFlashDrive", 12, 14, 90, 17);
    cbDrive = ComboBox(this, "cbDrive", 110, 12, 160);
    lblFlashDrive->setBuddy(cbDrive);
    lblSetTime = new ui::Label(this, "lblSetTime", 12, 42, 90, 17);
    cbTime = ComboBox(this, "cbTime", 110, 40, 160);
    lblSetTime->setBuddy(cbTime);

    rgSwitch = new ui::RadioGroup(this, "rgSwitch", 12, 72, 120, 84);
    lblHours = new ui::Label(this, "lblHours", 150, 72, 60, 17);
    edtHours = new ui::Edit(this, "edtHours", 150, 90, 40, 21);
    udHours = UpDown(this, "udHours", 190, 90, 12);
    lblMinutes = new ui::Label(this, "lblMinutes", 216, 72, 60, 17);
    edtMinutes = new ui::Edit(this, "edtMinutes", 216, 90, 40, 21);
    udMinutes = UpDown(this, "udMinutes", 256, 90, 60);
    lblSeconds = new ui::Label(this, "lblSeconds", 282, 72, 60, 17);
    edtSeconds = new ui::Edit(this, "edtSeconds", 282, 90, 40, 21);
    udSeconds = UpDown(this, "udSeconds", 322, 90, 60);
    lblHours->setBuddy(edtHours);
    lblMinutes->setBuddy(edtMinutes);
    lblSeconds->setBuddy(edtSeconds);

    rgFlicker = new ui::RadioGroup(this, "rgFlicker", 12, 168, 120, 84);
    cbLoop = new ui::CheckBox(this, "cbLoop", 150, 172, 120, 20);
    cbExpoLock = new ui::CheckBox(this, "cbExpoLock", 150, 194, 120, 20);
    cbIgnoreDark = new ui::CheckBox(this, "cbIgnoreDark", 150, 216, 140, 20);
    cbIgnoreDark->hide();
    rgResolutionSelect = new ui::RadioGroup(this, "rgResolutionSelect", 270, 168, 120, 84);
    rgResolutionSelect->hide();

    bOK = new ui::Button(this, "bOK", 110, 270, 80, 25);
    bOK->setDefault(true);
    bCancel = new ui::Button(this, "bCancel", 210, 270, 80, 25);
    Retranslate();
    cbTime->setCurrentIndex(0);
}

void TfrmSetCamReg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QDialog::changeEvent(event);
}

void TfrmSetCamReg::Retranslate() {
    setWindowTitle(tr("Camera Settings"));
    lblFlashDrive->setText(tr("&Flash Drive"));
    lblSetTime->setText(tr("Set &Time to"));
    const int timeChoice = cbTime->currentIndex();
    cbTime->clear();
    cbTime->addItems({tr("System Time"), tr("System Time + 1 Min."), tr("System Time + 5 Min.")});
    cbTime->setCurrentIndex(timeChoice);
    rgSwitch->setTitle(tr("Switch"));
    rgSwitch->SetItems({tr("&1"), tr("&2"), tr("&3")});
    lblHours->setText(tr("&Hours"));
    lblMinutes->setText(tr("&Minutes"));
    lblSeconds->setText(tr("&Seconds"));
    rgFlicker->setTitle(tr("Banding Filter"));
    rgFlicker->SetItems({tr("&None"), tr("&60 Hz"), tr("&50 Hz")});
    cbLoop->setText(tr("&Looping"));
    cbExpoLock->setText(tr("&Exposure Lock"));
    cbIgnoreDark->setText(tr("Ignore Dark Frames"));
    rgResolutionSelect->setTitle(tr("Resolution"));
    rgResolutionSelect->SetItems({"1280 x 1024", "640 x 480", "320 x 240"});
    bOK->setText(tr("&OK"));
    bCancel->setText(tr("&Cancel"));
}

}  // namespace vn::camset
