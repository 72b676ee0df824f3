#include "recording/windows/export_progress.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include "platform/controls.h"

namespace vn::recording_windows {

namespace {

// How long "Done" stays before the window goes.
constexpr int kDoneShownMs = 1000;

}  // namespace

TfrmExtProgress::TfrmExtProgress(QWidget* parent) : QDialog(parent) {
    setObjectName("TfrmExtProgress");
    // A single border without the title bar's buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(300, 104);
    ProgressBar1 = new ui::ProgressBar(this, "ProgressBar1", 12, 12, 276, 20);
    ProgressBar1->setRange(0, 100);
    lblProgress = new ui::Label(this, "lblProgress", 12, 42, 276, 17);
    lblProgress->setAlignment(Qt::AlignCenter);
    bbCancel = new ui::Button(this, "bbCancel", 112, 68, 76, 25);
    connect(bbCancel, &QPushButton::clicked, this, &TfrmExtProgress::RequestCancel);
    Retranslate();
}

void TfrmExtProgress::Begin(int total) {
    nTotal = total;
    nDone = 0;
    cancelRequested_ = false;
    bbCancel->setEnabled(true);
    ProgressBar1->setRange(0, total);
    ProgressBar1->SetPosition(0);
    Retranslate();
    show();
    ShowCount();
}

void TfrmExtProgress::WritingIndex() {
    lblProgress->setText(tr("Writing index"));
    QApplication::processEvents();
}

bool TfrmExtProgress::Step(int done) {
    nDone = done;
    ProgressBar1->SetPosition(done);
    ShowCount();
    return !cancelRequested_;
}

void TfrmExtProgress::ShowCount() {
    lblProgress->setText(tr("%1 of %2").arg(nDone).arg(nTotal));
    QApplication::processEvents();
}

void TfrmExtProgress::Finish() {
    bbCancel->setEnabled(false);
    lblProgress->setText(tr("Done"));
    QEventLoop pause;
    QTimer::singleShot(kDoneShownMs, &pause, &QEventLoop::quit);
    pause.exec();
    hide();
}

void TfrmExtProgress::RequestCancel() {
    cancelRequested_ = true;
    bbCancel->setEnabled(false);
}

void TfrmExtProgress::reject() { RequestCancel(); }

QString TfrmExtProgress::ProblemText(const avi::ExportSummary& s) {
    const QString file = QString::fromStdString(s.failedFile);
    const QString reason = s.failedFrame >= 0 ? tr("frame %1 cannot be read from the recording").arg(s.failedFrame + 1)
                                              : QString::fromStdString(s.reason);
    switch (s.result) {
        case avi::ExportResult::kExported:
        case avi::ExportResult::kCancelled:
        case avi::ExportResult::kRangeRefused:
            return {};
        case avi::ExportResult::kNoMemory:
            return tr("There is not enough memory to export %1.").arg(file);
        case avi::ExportResult::kHeaderUnusable:
            return tr("The recording's header cannot be copied; %1 was not written.").arg(file);
        case avi::ExportResult::kOutputNotCreated:
            return tr("%1 could not be created: %2").arg(file, reason);
        case avi::ExportResult::kFrameNotRead:
        case avi::ExportResult::kWriteFailed:
            return tr("%1 could not be written: %2. Nothing of it was kept.").arg(file, reason);
        case avi::ExportResult::kPicturesNotWritten:
            return tr("%1 of %2 pictures could not be written; the first is %3: %4")
                .arg(s.picturesNotWritten)
                .arg(s.picturesNotWritten + s.framesWritten)
                .arg(file, reason);
    }
    return {};
}

void TfrmExtProgress::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QDialog::changeEvent(event);
}

void TfrmExtProgress::Retranslate() {
    // "Extracting ..." until the first export begins.
    setWindowTitle(nTotal == 0 ? tr("Extracting ...") : tr("Exporting %1 frames").arg(nTotal));
    bbCancel->setText(tr("Cancel"));
}

}  // namespace vn::recording_windows
