// The About box: the product line, the program's version and a notice.
#pragma once

#include <QDialog>

namespace vn::ui {
class Button;
class Label;
class Panel;
}  // namespace vn::ui

namespace vn::recording_windows {

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();

    ui::Panel* pnlInfo;
    ui::Label* ProductName;
    ui::Label* Version;
    ui::Label* Notice;
    ui::Label* lblIcon;
    ui::Button* OKButton;
};

}  // namespace vn::recording_windows
