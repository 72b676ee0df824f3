#include "recording/windows/about_box.h"

#include <QEvent>

namespace vn {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("TAboutBox");
    Retranslate();
}

void TAboutBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDialog::changeEvent(event);
}

void TAboutBox::Retranslate() {
    setWindowTitle(tr("About"));
}

}  // namespace vn
