// The export progress window.
#pragma once

#include <QDialog>

namespace vn {

class TfrmExtProgress : public QDialog {
    Q_OBJECT

public:
    explicit TfrmExtProgress(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
};

}  // namespace vn
