// The export progress window.
#pragma once

#include <QDialog>

namespace vn {

namespace ui {
class Label;
class ProgressBar;
}  // namespace ui

class TfrmExtProgress : public QDialog {
    Q_OBJECT

public:
    explicit TfrmExtProgress(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();

    ui::ProgressBar* ProgressBar1;
    ui::Label* lblProgress;
};

}  // namespace vn
