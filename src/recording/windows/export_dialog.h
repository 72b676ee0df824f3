// The export dialog: range, step and format of an exported segment, and the
// file it goes to, confirmed in a save dialog. The folder of the last export
// is kept in the settings file ("extraction"/"dir").
#pragma once

#include <QDialog>
#include <QString>

#include "recording/segment_export.h"

class QFileDialog;

namespace vn::ui {
class Button;
class Edit;
class IniFile;
class Label;
class RadioGroup;
}  // namespace vn::ui

namespace vn::recording_windows {

class TfrmExtract : public QDialog {
    Q_OBJECT

public:
    explicit TfrmExtract(ui::IniFile& settings, QWidget* parent = nullptr);

    // The range proposed for the recording just opened: its first and last
    // frames, 1-based.
    void SetFrameRange(int first, int last);
    // The marks of the seek bar's pop-up menu, 1-based.
    void MarkFirst(int frame);
    void MarkLast(int frame);

    // Shows the dialog for the recording at recordingPath until the user
    // confirms a file name or cancels; true when a name was confirmed.
    bool Run(const QString& recordingPath);
    // What the user chose: 0-based frames, the step, the mode and the file.
    avi::ExportRequest Request() const;

    // 0 "AVI movie", 1 "JPG sequence"; the program keeps it in its settings.
    int g_nExportMode = 0;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
    void FormShow();
    void FormHide();
    void rgExportAsClick(int index);
    void bbOKClick();
    void BitBtn1Click();
    void ComposeProposedName();

    ui::IniFile& settings_;
    QString recordingPath_;
    QString exportFolder_;  // with a trailing separator
    QString proposedName_;
    bool confirmed_ = false;

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
