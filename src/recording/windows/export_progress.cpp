#include "recording/windows/export_progress.h"

#include <QEvent>

namespace vn {

TfrmExtProgress::TfrmExtProgress(QWidget* parent) : QDialog(parent) {
    setObjectName("TfrmExtProgress");
    Retranslate();
}

void TfrmExtProgress::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDialog::changeEvent(event);
}

void TfrmExtProgress::Retranslate() {
    setWindowTitle(tr("Extracting ..."));
}

}  // namespace vn
