// The engineers' window onto the decoder and the camera.
#pragma once

#include <QDialog>

namespace vn {

namespace ui {
class IniFile;
}

class TfrmDiags : public QDialog {
    Q_OBJECT

public:
    TfrmDiags(QWidget* parent, ui::IniFile& settings);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();

    ui::IniFile& settings_;
};

}  // namespace vn
