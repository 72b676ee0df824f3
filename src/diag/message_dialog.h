// The program's one error box: one of the prepared messages, a line of
// detail under it (the file and what is wrong with it) and OK.
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

    // Selects the message of the next showing (a Message); outside 0..4
    // none is shown.
    int nMsgIndex = 0;

    // Sets the index and the detail line and shows the dialog modally until
    // OK or close.
    // With an index outside the prepared messages (-1) the detail alone is
    // the message: what went wrong with which file, composed by the caller.
    void ShowMessage(int index, const QString& detail = {});
    void ShowText(const QString& text);

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
    QLabel* lblCannotOpen;
    QLabel* lblDetail;
    QPushButton* bbOK;
    std::array<QLabel*, 5> messages_;
    QLabel* shownMessage_ = nullptr;  // hidden again on hide, whatever the index is then
};

}  // namespace vn::diag
