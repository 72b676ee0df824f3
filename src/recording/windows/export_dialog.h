// The export dialog: range, step and format of an exported segment.
#pragma once

#include <QDialog>

namespace vn {

class TfrmExtract : public QDialog {
    Q_OBJECT

public:
    explicit TfrmExtract(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
};

}  // namespace vn
