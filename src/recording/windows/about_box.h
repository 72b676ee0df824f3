// The About box: product line, the program's version and a notice.
#pragma once

#include <QDialog>

namespace vn {

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
};

}  // namespace vn
