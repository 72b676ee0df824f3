// The program's one error box: one of four prepared messages and OK.
#pragma once

#include <QDialog>

#include <array>

#include "diag/message_number.h"

class QLabel;
class QPushButton;

namespace vn::diag {

class TfrmMyMsg : public QDialog {
    Q_OBJECT

public:
    explicit TfrmMyMsg(QWidget* parent = nullptr);

    // Selects the message of the next showing (a Message); outside 0..3
    // none is shown.
    int nMsgIndex = 0;

    // Sets the index and shows the dialog modally until OK or close.
    void ShowMessage(int index);
    // Shows a message composed by the caller (what went wrong with which
    // file) in the same way.
    void ShowText(const QString& text);
    // A prepared message, or with the index -1 the text.
    void ShowMessageOrText(int index, const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();

    QLabel* lblNoDir;
    QLabel* lblNotFound;
    QLabel* lblUnkFormat;
    QLabel* lblNoFrames;
    QLabel* lblText;
    QPushButton* bbOK;
    std::array<QLabel*, 4> messages_;
    QLabel* shownMessage_ = nullptr;  // hidden again on hide, whatever the index is then
};

}  // namespace vn::diag
