#include "camset/camera_settings_dialog.h"

#include <QEvent>

namespace vn {

TfrmSetCamReg::TfrmSetCamReg(QWidget* parent) : QDialog(parent) {
    setObjectName("TfrmSetCamReg");
    Retranslate();
}

void TfrmSetCamReg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDialog::changeEvent(event);
}

void TfrmSetCamReg::Retranslate() {
    setWindowTitle(tr("Camera Settings"));
}

}  // namespace vn
