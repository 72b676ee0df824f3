#include "recording/windows/about_box.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>

#include "platform/controls.h"
#include "version/version.h"

namespace vn::recording_windows {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("TAboutBox");
    setFixedSize(300, 232);
    pnlInfo = new ui::Panel(this, "Panel1", 8, 8, 284, 176);
    pnlInfo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblIcon = new ui::Label(pnlInfo, "Image1", 8, 8, 64, 64);
    lblIcon->setPixmap(QApplication::windowIcon().pixmap(64, 64));
    ProductName = new ui::Label(pnlInfo, "ProductName", 88, 16, 188, 17);
    Version = new ui::Label(pnlInfo, "Version", 8, 88, 268, 17);
    Version->setAlignment(Qt::AlignCenter);
    // The build's version: project()'s in the top CMakeLists.txt.
    Version->setText(
        QString::asprintf("Version %d.%d.%d.%d", version::kMajor, version::kMinor, version::kPatch, version::kTweak));
    Notice = new ui::Label(pnlInfo, "Notice", 8, 116, 268, 52);
    Notice->setWordWrap(true);
    OKButton = new ui::Button(this, "OKButton", 112, 196, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    Retranslate();
}

void TAboutBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QDialog::changeEvent(event);
}

void TAboutBox::Retranslate() {
    setWindowTitle(tr("About"));
    ProductName->setText(tr("Viewer for MVC Cameras"));
    Notice->setText(tr("Plays and inspects the recordings of time-lapse cameras."));
    OKButton->setText(tr("OK"));
}

}  // namespace vn::recording_windows
