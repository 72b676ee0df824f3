#include "recording/windows/export_progress.h"

#include <QEvent>

#include "platform/controls.h"

namespace vn::recording_windows {

TfrmExtProgress::TfrmExtProgress(QWidget* parent) : QDialog(parent) {
    setObjectName("TfrmExtProgress");
    // A single border without the title bar's buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(300, 72);
    ProgressBar1 = new ui::ProgressBar(this, "ProgressBar1", 12, 12, 276, 20);
    ProgressBar1->setRange(0, 100);
    lblProgress = new ui::Label(this, "lblProgress", 12, 42, 276, 17);
    lblProgress->setAlignment(Qt::AlignCenter);
    Retranslate();
}

void TfrmExtProgress::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QDialog::changeEvent(event);
}

void TfrmExtProgress::Retranslate() { setWindowTitle(tr("Extracting ...")); }

}  // namespace vn::recording_windows
