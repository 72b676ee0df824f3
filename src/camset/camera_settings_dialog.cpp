#include "camset/camera_settings_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QSpinBox>

#include <algorithm>
#include <ctime>

#include "camset/settings_file.h"
#include "platform/controls.h"
#include "platform/hints.h"
#include "platform/ini_file.h"
#include "platform/volumes.h"
#include "player/preferences.h"

namespace vn::camset {

namespace {

// The message dialog's "Could not create directory for Camera Settings ...".
constexpr int kNoDirMessage = 0;
constexpr int kFlickerValues[] = {kFlickerNone, kFlicker60Hz, kFlicker50Hz};

// The arrows of an up-down beside its field; the field holds the value.
QSpinBox* UpDown(QWidget* parent, const char* name, int left, int top, int maximum) {
    auto* upDown = new QSpinBox(parent);
    ui::Design(upDown, name, left, top, 18, 21);
    upDown->setRange(0, maximum);
    upDown->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    return upDown;
}

QComboBox* ComboBox(QWidget* parent, const char* name, int left, int top, int width) {
    auto* box = new QComboBox(parent);
    ui::Design(box, name, left, top, width, 21);
    return box;
}

int FieldValue(const QLineEdit* field) { return ui::LeadingInteger(field->text()); }

}  // namespace

TfrmSetCamReg::TfrmSetCamReg(player::Preferences& prefs, QWidget* parent) : QDialog(parent), prefs_(prefs) {
    setObjectName("TfrmSetCamReg");
    setFixedSize(400, 310);
    lblFlashDrive = new ui::Label(this, "lblFlashDrive", 12, 14, 90, 17);
    cbDrive = ComboBox(this, "cbDrive", 110, 12, 278);
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
    rgSwitch->SetItemIndex(0);
    ConnectControls();
}

void TfrmSetCamReg::ConnectControls() {
    for (QObject* watched :
         {static_cast<QObject*>(edtHours), static_cast<QObject*>(edtMinutes), static_cast<QObject*>(edtSeconds),
          static_cast<QObject*>(udHours), static_cast<QObject*>(udMinutes), static_cast<QObject*>(udSeconds)}) {
        watched->installEventFilter(this);
    }
    connect(edtHours, &QLineEdit::textEdited, this, &TfrmSetCamReg::edtHoursChange);
    connect(edtMinutes, &QLineEdit::textEdited, this, [this] { interval_.minutes = FieldValue(edtMinutes); });
    connect(edtSeconds, &QLineEdit::textEdited, this, [this] { interval_.seconds = FieldValue(edtSeconds); });
    connect(edtMinutes, &QLineEdit::editingFinished, this, &TfrmSetCamReg::ShowFieldsCarried);
    connect(edtSeconds, &QLineEdit::editingFinished, this, &TfrmSetCamReg::ShowFieldsCarried);
    connect(udHours, &QSpinBox::valueChanged, this, &TfrmSetCamReg::udHoursClick);
    connect(udMinutes, &QSpinBox::valueChanged, this, [this](int p) { udMinSecClick(udMinutes, p); });
    connect(udSeconds, &QSpinBox::valueChanged, this, [this](int p) { udMinSecClick(udSeconds, p); });
    connect(rgSwitch, &ui::RadioGroup::Clicked, this, &TfrmSetCamReg::rgSwitchClick);
    connect(rgFlicker, &ui::RadioGroup::Clicked, this, [this](int i) { prefs_.nFlicker = kFlickerValues[i]; });
    connect(cbLoop, &QCheckBox::clicked, this,
            [this](bool on) { prefs_.wCamMode = on ? prefs_.wCamMode | kLooping : prefs_.wCamMode & ~kLooping; });
    connect(cbExpoLock, &QCheckBox::clicked, this, [this](bool on) {
        prefs_.wCamMode = on ? prefs_.wCamMode | kExposureLock : prefs_.wCamMode & ~kExposureLock;
    });
    connect(cbDrive, &QComboBox::activated, this,
            [this](int index) { currentDrive_ = cbDrive->itemData(index).toString(); });
    connect(rgResolutionSelect, &ui::RadioGroup::Clicked, this, [this](int index) {
        for (int& resolution : prefs_.nResolution) resolution = index;
    });
    connect(bOK, &QPushButton::clicked, this, &TfrmSetCamReg::bOKClick);
    connect(bCancel, &QPushButton::clicked, this, &TfrmSetCamReg::reject);
}

void TfrmSetCamReg::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TfrmSetCamReg::FormShow() {
    bLoading = true;
    w[0] = prefs_.nInt1;
    w[1] = prefs_.nInt2;
    w[2] = prefs_.nInt3;
    interval_ = SplitInterval(w[nSwitch]);
    ShowInterval();
    savedAVIQuant_ = prefs_.nAVIQuant;
    savedFlicker_ = prefs_.nFlicker;
    savedCamMode_ = prefs_.wCamMode;
    currentDrive_ = QString::fromStdString(prefs_.cDrive);
    const auto flicker = std::find(std::begin(kFlickerValues), std::end(kFlickerValues), prefs_.nFlicker);
    if (flicker != std::end(kFlickerValues)) rgFlicker->SetItemIndex(static_cast<int>(flicker - kFlickerValues));
    cbExpoLock->setChecked((prefs_.wCamMode & kExposureLock) != 0);
    cbLoop->setChecked((prefs_.wCamMode & kLooping) != 0);
    FillDrives();
    rgResolutionSelect->SetItemIndex(prefs_.nResolution[0]);
    bLoading = false;
}

// The mounted volumes, and the card chosen before when it is a folder that
// is not one of them (a card mounted in a folder of its own).
void TfrmSetCamReg::FillDrives() {
    cbDrive->clear();
    for (const ui::Volume& volume : ui::MountedVolumes()) cbDrive->addItem(volume.DisplayText(), volume.rootPath);
    const bool chosenFolder = QDir::isAbsolutePath(currentDrive_) && QFileInfo(currentDrive_).isDir();
    if (chosenFolder && cbDrive->findData(currentDrive_) < 0) cbDrive->addItem(currentDrive_, currentDrive_);
    cbDrive->setCurrentIndex(cbDrive->findData(currentDrive_));
}

void TfrmSetCamReg::ShowInterval() {
    const bool loading = bLoading;
    bLoading = true;
    edtHours->setText(QString::number(interval_.hours));
    edtMinutes->setText(QString::number(interval_.minutes));
    edtSeconds->setText(QString::number(interval_.seconds));
    udHours->setMaximum(HoursUpDownMaximum(nSwitch));
    udHours->setValue(UpDownFromHours(interval_.hours));
    udMinutes->setValue(interval_.minutes);
    udSeconds->setValue(interval_.seconds);
    bLoading = loading;
}

// A typed hour beyond the rules beeps and gives way to the previous one.
void TfrmSetCamReg::edtHoursChange() {
    if (bLoading) return;
    const int hours = FieldValue(edtHours);
    if (!HoursAccepted(hours, nSwitch)) {
        ui::Beep();
        ShowInterval();
        return;
    }
    interval_ = WithHours(interval_, hours);
    // The field keeps what is being typed (nothing, while it is retyped).
    const QString typed = edtHours->text();
    ShowInterval();
    edtHours->setText(typed);
}

void TfrmSetCamReg::udHoursClick(int position) {
    if (bLoading) return;
    interval_ = WithHours(interval_, HoursFromUpDown(position));
    ShowInterval();
}

void TfrmSetCamReg::udMinSecClick(QSpinBox* upDown, int position) {
    if (bLoading) return;
    if (interval_.WholeHoursOnly()) {
        ui::Beep();
        ShowInterval();
        return;
    }
    // What was typed goes on first, then the field takes the arrows' value.
    interval_ = CarrySeconds(interval_);
    (upDown == udMinutes ? interval_.minutes : interval_.seconds) = position;
    interval_ = CarrySeconds(interval_);
    ShowInterval();
}

void TfrmSetCamReg::ShowFieldsCarried() {
    if (bLoading) return;
    interval_ = CarrySeconds(interval_);
    ShowInterval();
}

void TfrmSetCamReg::rgSwitchClick(int position) {
    if (bLoading || position == nSwitch) return;
    w[nSwitch] = CarrySeconds(interval_).Total();
    nSwitch = position;
    KeepIncreasing(w);
    interval_ = SplitInterval(w[nSwitch]);
    ShowInterval();
}

bool TfrmSetCamReg::eventFilter(QObject* watched, QEvent* event) {
    // The arrows under the mouse take their field's value and its focus.
    if (event->type() == QEvent::Enter) {
        if (watched == udHours) edtHours->setFocus();
        if (watched == udMinutes) edtMinutes->setFocus();
        if (watched == udSeconds) edtSeconds->setFocus();
        if (watched == udHours || watched == udMinutes || watched == udSeconds) ShowFieldsCarried();
    }
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field != nullptr && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        return IntervalKey(field, key->key(), key->text());
    }
    return QDialog::eventFilter(watched, event);
}

// Enter goes on to the next field; characters other than digits beep (and
// digits too while the hours are 24, which take no minutes or seconds).
bool TfrmSetCamReg::IntervalKey(QLineEdit* field, int key, const QString& text) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        ShowFieldsCarried();
        (field == edtHours ? edtMinutes : field == edtMinutes ? edtSeconds : edtHours)->setFocus();
        return true;
    }
    if (text.isEmpty() || !text.at(0).isPrint()) return false;  // Backspace, arrows, Tab
    if (text.at(0).isDigit() && interval_.hours != 24) return false;
    ui::Beep();
    return true;
}

void TfrmSetCamReg::bOKClick() {
    w[nSwitch] = CarrySeconds(interval_).Total();
    prefs_.cDrive = currentDrive_.toStdString();
    prefs_.nInt1 = w[0];
    prefs_.nInt2 = w[1];
    prefs_.nInt3 = w[2];
    CameraSettings settings{prefs_.nInt1, prefs_.nInt2, prefs_.nInt3, prefs_.nFlicker, prefs_.wCamMode, {}};
    std::copy(std::begin(prefs_.nResolution), std::end(prefs_.nResolution), settings.nResolution);
    DosDateTime now;
    LocalDosDateTime(std::time(nullptr), now);
    const DateTimeFields clock = CardClock(now, static_cast<ClockChoice>(std::max(cbTime->currentIndex(), 0)));
    const auto bytes = ComposeSettingsFile(settings, clock, !rgResolutionSelect->isHidden());
    std::string reason;
    switch (WriteSettingsFile(prefs_.cDrive, bytes, &reason)) {
        case WriteSettingsResult::kWritten:
            accept();
            return;
        case WriteSettingsResult::kNoDirectory:
            emit MessageWanted(kNoDirMessage, {});
            return;
        case WriteSettingsResult::kWriteFailed:
            emit MessageWanted(-1, tr("The camera settings could not be written to %1: %2")
                                       .arg(currentDrive_, QString::fromStdString(reason)));
            return;
    }
}

// Cancel, or Escape: what the dialog changed at once goes back.
void TfrmSetCamReg::reject() {
    prefs_.nAVIQuant = savedAVIQuant_;
    prefs_.nFlicker = savedFlicker_;
    prefs_.wCamMode = savedCamMode_;
    QDialog::reject();
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
