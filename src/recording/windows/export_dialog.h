// The export dialog: range, step and format of an exported segment.
#pragma once

#include <QDialog>

class QFileDialog;

namespace vn::ui {
class Button;
class Edit;
class Label;
class RadioGroup;
}  // namespace vn::ui

namespace vn::recording_windows {

class TfrmExtract : public QDialog {
    Q_OBJECT

public:
    explicit TfrmExtract(QWidget* parent = nullptr);

    // The range proposed for the recording just opened: its first and last
    // frames, 1-based.
    void SetFrameRange(int first, int last);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();

    ui::Label* lblStart;
    ui::Edit* edtExtractFirst;
    ui::Label* lblLast;
    ui::Edit* edtExtractLast;
    ui::Label* lblSkip;
    ui::Edit* edtExtractSkip;
    ui::Label* lblFilename;
    ui::Edit* edtExtractFile;
    ui::Button* bSetFilename;
    ui::RadioGroup* rgExportAs;
    ui::Button* bbOK;
    ui::Button* bbCancel;
    QFileDialog* SaveDialog1;
};

}  // namespace vn::recording_windows
