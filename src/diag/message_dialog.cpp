#include "diag/message_dialog.h"

#include <QEvent>

#include "platform/controls.h"

namespace vn::diag {

namespace {

// All messages lie on the same spot: only the selected one is visible.
QLabel* MakeMessageLabel(QWidget* parent, const char* name) {
    auto* label = new ui::Label(parent, name, 16, 12, 328, 64);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->hide();
    return label;
}

}  // namespace

TfrmMyMsg::TfrmMyMsg(QWidget* parent) : QDialog(parent) {
    setObjectName("TfrmMyMsg");
    setModal(true);
    setFixedSize(360, 170);
    lblNoDir = MakeMessageLabel(this, "lblNoDir");
    lblNotFound = MakeMessageLabel(this, "lblNotFound");
    lblUnkFormat = MakeMessageLabel(this, "lblUnkFormat");
    lblNoFrames = MakeMessageLabel(this, "lblNoFrames");
    lblCannotOpen = MakeMessageLabel(this, "lblCannotOpen");
    messages_ = {lblNoDir, lblNotFound, lblUnkFormat, lblNoFrames, lblCannotOpen};
    // The file's name and the reason are the file's own: never translated.
    lblDetail = new ui::Label(this, "lblDetail", 16, 80, 328, 36);
    lblDetail->setWordWrap(true);
    lblDetail->setAlignment(Qt::AlignCenter);
    lblDetail->setTextFormat(Qt::PlainText);
    bbOK = new ui::Button(this, "bbOK", 142, 134, 76, 25);
    bbOK->setDefault(true);
    connect(bbOK, &QPushButton::clicked, this, &QDialog::accept);
    Retranslate();
}

void TfrmMyMsg::ShowMessage(int index, const QString& detail) {
    nMsgIndex = index;
    lblDetail->setText(detail);
    exec();
}

void TfrmMyMsg::ShowText(const QString& text) { ShowMessage(-1, text); }

void TfrmMyMsg::showEvent(QShowEvent* event) {
    if (nMsgIndex >= 0 && nMsgIndex < static_cast<int>(messages_.size())) {
        shownMessage_ = messages_[nMsgIndex];
        shownMessage_->show();
    }
    // Without a prepared message the detail is the whole message and takes
    // its place.
    if (shownMessage_ == nullptr) {
        lblDetail->setGeometry(16, 12, 328, 104);
    } else {
        lblDetail->setGeometry(16, 80, 328, 36);
    }
    QDialog::showEvent(event);
}

void TfrmMyMsg::hideEvent(QHideEvent* event) {
    if (shownMessage_ != nullptr) {
        shownMessage_->hide();
        shownMessage_ = nullptr;
    }
    QDialog::hideEvent(event);
}

void TfrmMyMsg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDialog::changeEvent(event);
}

void TfrmMyMsg::Retranslate() {
    setWindowTitle(tr("Error"));
    lblNoDir->setText(
        tr("Could not create directory for Camera Settings.  Please make sure you have selected "
           "the USB flash drive and connected it to the PC"));
    lblNotFound->setText(tr("File Not Found"));
    lblUnkFormat->setText(tr("Unknown Format"));
    lblNoFrames->setText(tr("File Does Not Contain Any Frames"));
    lblCannotOpen->setText(tr("File Cannot Be Played"));
    bbOK->setText(tr("OK"));
}

}  // namespace vn::diag
