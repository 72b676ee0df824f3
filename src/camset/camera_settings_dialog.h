// The camera settings dialog: composes the settings file on the camera's card.
#pragma once

#include <QDialog>

namespace vn {

class TfrmSetCamReg : public QDialog {
    Q_OBJECT

public:
    explicit TfrmSetCamReg(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
};

}  // namespace vn
