// The export progress window.
#pragma once

#include <QDialog>

namespace vn::ui {
class Label;
class ProgressBar;
}  // namespace vn::ui

namespace vn::recording_windows {

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

}  // namespace vn::recording_windows
