#include "diag/diagnostics_window.h"

#include <QEvent>

namespace vn {

TfrmDiags::TfrmDiags(QWidget* parent, ui::IniFile& settings)
    : QDialog(parent), settings_(settings) {
    setObjectName("TfrmDiags");
    Retranslate();
}

void TfrmDiags::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDialog::changeEvent(event);
}

void TfrmDiags::Retranslate() {
    setWindowTitle(tr("Diagnostics"));
}

}  // namespace vn
