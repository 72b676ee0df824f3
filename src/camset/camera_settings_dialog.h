// The camera settings dialog: the card's volume, three capture intervals
// (one per position of the camera's mode switch), the banding filter,
// looping, exposure lock and the time the camera's clock is set to. OK
// writes the settings file onto the card; the choices are the program's
// preferences, kept in its settings file.
#pragma once

#include <QDialog>
#include <QString>

#include "camset/interval_rules.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace vn::player {
struct Preferences;
}  // namespace vn::player

namespace vn::ui {
class Button;
class CheckBox;
class Edit;
class Label;
class RadioGroup;
}  // namespace vn::ui

namespace vn::camset {

class TfrmSetCamReg : public QDialog {
    Q_OBJECT

public:
    TfrmSetCamReg(player::Preferences& prefs, QWidget* parent = nullptr);

    // Cancel, or Escape: what the dialog changed at once goes back.
    void reject() override;

signals:
    // A message for the message dialog: a prepared one by its number, or,
    // with the number -1, the text.
    void MessageWanted(int message, const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Retranslate();
    void ConnectControls();
    void FormShow();
    void FillDrives();
    void ShowInterval();
    void edtHoursChange();
    void udHoursClick(int position);
    void udMinSecClick(QSpinBox* upDown, int position);
    void ShowFieldsCarried();
    void rgSwitchClick(int position);
    void bOKClick();
    // Keys in the interval fields; true when the key is dealt with.
    bool IntervalKey(QLineEdit* field, int key, const QString& text);

    player::Preferences& prefs_;

    // Working state while the dialog is open.
    int w[3] = {1, 2, 5};      // the intervals being edited, in seconds
    int nSwitch = 0;           // the position being edited
    IntervalFields interval_;  // its hours, minutes and seconds
    QString currentDrive_;     // the chosen volume's mount point
    bool bLoading = false;     // the dialog fills its own controls
    int savedAVIQuant_ = 0;    // restored by Cancel, with the flicker
    int savedFlicker_ = 0;     // and the mode bits
    int savedCamMode_ = 0;

    ui::Label* lblFlashDrive;
    QComboBox* cbDrive;
    ui::Label* lblSetTime;
    QComboBox* cbTime;
    ui::RadioGroup* rgSwitch;
    ui::Label* lblHours;
    ui::Edit* edtHours;
    QSpinBox* udHours;
    ui::Label* lblMinutes;
    ui::Edit* edtMinutes;
    QSpinBox* udMinutes;
    ui::Label* lblSeconds;
    ui::Edit* edtSeconds;
    QSpinBox* udSeconds;
    ui::RadioGroup* rgFlicker;
    ui::CheckBox* cbLoop;
    ui::CheckBox* cbExpoLock;
    ui::CheckBox* cbIgnoreDark;
    ui::RadioGroup* rgResolutionSelect;
    ui::Button* bOK;
    ui::Button* bCancel;
};

}  // namespace vn::camset
