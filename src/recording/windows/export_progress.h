// The export progress window: how many of the frames are done, and a Cancel
// button that stops the export (the writer then removes its partial file).
// It is the export writer's progress watcher; between frames it lets window
// events run, which keeps Cancel and the windows alive.
#pragma once

#include <QDialog>

#include "recording/segment_export.h"

namespace vn::ui {
class Button;
class Label;
class ProgressBar;
}  // namespace vn::ui

namespace vn::recording_windows {

class TfrmExtProgress : public QDialog, public avi::ExportProgress {
    Q_OBJECT

public:
    explicit TfrmExtProgress(QWidget* parent = nullptr);

    // The export writer's calls.
    void Begin(int total) override;
    void WritingIndex() override;
    bool Step(int done) override;
    void Finish() override;

    // The export stops after the frame it is writing.
    void RequestCancel();

    // What went wrong, naming the file and frame, for the message dialog;
    // empty for an export that went through or was cancelled.
    static QString ProblemText(const avi::ExportSummary& summary);

    // Escape cancels the export rather than hiding the window.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
    void ShowCount();

    int nTotal = 0;
    int nDone = 0;
    bool cancelRequested_ = false;

    ui::ProgressBar* ProgressBar1;
    ui::Label* lblProgress;
    ui::Button* bbCancel;
};

}  // namespace vn::recording_windows
