#include "diag/message_dialog.h"

#include <QEvent>

#include "platform/controls.h"

namespace vn::diag {

namespace {

// All four messages lie on the same spot: only the selected one is visible.
QLabel* MakeMessageLabel(QWidget* parent, const char* name) {
    auto* label = new ui::Label(parent, name, 16, 12, 328, 84);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->hide();
    return label;
}

}  // namespace

TfrmMyMsg::TfrmMyMsg(QWidget* parent) : QDialog(parent) {
    setObjectName("TfrmMyMsg");
    setModal(true);
    setFixedSize(360, 140);
    lblNoDir = MakeMessageLabel(this, "lblNoDir");
    lblNotFound = MakeMessageLabel(this, "lblNotFound");
    lblUnkFormat = MakeMessageLabel(this, "lblUnkFormat");
    lblNoFrames = MakeMessageLabel(this, "lblNoFrames");
    lblText = MakeMessageLabel(this, "lblText");
    messages_ = {lblNoDir, lblNotFound, lblUnkFormat, lblNoFrames};
    bbOK = new ui::Button(this, "bbOK", 142, 104, 76, 25);
    bbOK->setDefault(true);
    connect(bbOK, &QPushButton::clicked, this, &QDialog::accept);
    Retranslate();
}

void TfrmMyMsg::ShowMessage(int index) {
    nMsgIndex = index;
    exec();
}

void TfrmMyMsg::ShowText(const QString& text) {
    nMsgIndex = -1;
    lblText->setText(text);
    shownMessage_ = lblText;
    lblText->show();
    exec();
}

void TfrmMyMsg::ShowMessageOrText(int index, const QString& text) {
    if (index < 0) {
        ShowText(text);
    } else {
        ShowMessage(index);
    }
}

void TfrmMyMsg::showEvent(QShowEvent* event) {
    if (nMsgIndex >= 0 && nMsgIndex < static_cast<int>(messages_.size())) {
        shownMessage_ = messages_[nMsgIndex];
        shownMessage_->show();
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
    bbOK->setText(tr("OK"));
}

}  // namespace vn::diag
