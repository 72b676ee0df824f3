#include "recording/windows/export_dialog.h"

#include <QEvent>

namespace vn {

TfrmExtract::TfrmExtract(QWidget* parent) : QDialog(parent) {
    setObjectName("TfrmExtract");
    Retranslate();
}

void TfrmExtract::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDialog::changeEvent(event);
}

void TfrmExtract::Retranslate() {
    setWindowTitle(tr("Export"));
}

}  // namespace vn
