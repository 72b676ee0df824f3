// The camera settings dialog: composes the settings file on the camera's
// memory card.
#pragma once

#include <QDialog>

class QComboBox;
class QSpinBox;

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
    explicit TfrmSetCamReg(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();

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
