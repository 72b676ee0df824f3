// The main window's commands that take the open recording out: the seek
// bar's pop-up menu with the segment marks, export through its dialog and
// progress window, and saving the frame on screen.
#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

#include "app/player_engine.h"
#include "app/vnmain.h"
#include "diag/message_dialog.h"
#include "platform/controls.h"
#include "recording/windows/export_dialog.h"
#include "recording/windows/export_progress.h"

namespace vn::app {

void TfrmVNMain::ConnectTakingOut() {
    // A right click anywhere on the seek group, its bar included.
    gbSeek->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(gbSeek, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { PopupMenu2->popup(gbSeek->mapToGlobal(at)); });
    connect(SaveStart, &QAction::triggered, this, &TfrmVNMain::SaveStartClick);
    connect(SaveEnd, &QAction::triggered, this, &TfrmVNMain::SaveEndClick);
    connect(SaveSegment1, &QAction::triggered, this, &TfrmVNMain::Export1Click);
    connect(Export1, &QAction::triggered, this, &TfrmVNMain::Export1Click);
    connect(SaveCurrent1, &QAction::triggered, this, [this] { SaveCurrentFrame(true); });
    connect(pictureSaveCurrentAction, &QAction::triggered, this, [this] { SaveCurrentFrame(false); });
}

void TfrmVNMain::SaveStartClick() {
    if (engine_ != nullptr) dialogs.frmExtract->MarkFirst(engine_->recording.currentFrame() + 1);
}

void TfrmVNMain::SaveEndClick() {
    if (engine_ != nullptr) dialogs.frmExtract->MarkLast(engine_->recording.currentFrame() + 1);
}

void TfrmVNMain::Export1Click() {
    if (engine_ == nullptr || !engine_->controls().IsEnabled(player::Control::Export1)) return;
    engine_->StopPlay();
    recording_windows::TfrmExtract& dialog = *dialogs.frmExtract;
    dialog.g_nExportMode = prefs.g_nExportMode;
    const bool confirmed = dialog.Run(QString::fromStdString(engine_->OpenFilePath()));
    prefs.g_nExportMode = dialog.g_nExportMode;
    if (confirmed) ReportExport(engine_->ExportSegment(dialog.Request(), *dialogs.frmExtProgress));
}

void TfrmVNMain::CancelExport() { dialogs.frmExtProgress->RequestCancel(); }

void TfrmVNMain::ReportExport(const avi::ExportSummary& summary) {
    if (summary.result == avi::ExportResult::kRangeRefused) {
        QMessageBox box(QMessageBox::Critical, tr("Note"), tr("End frame cannot come before start frame"),
                        QMessageBox::Ok, this);
        box.exec();
        return;
    }
    const QString problem = recording_windows::TfrmExtProgress::ProblemText(summary);
    if (!problem.isEmpty()) dialogs.frmMyMsg->ShowText(problem);
}

// Proposed in the program's folder, as a recording's frames always were.
void TfrmVNMain::SaveCurrentFrame(bool fromFileMenu) {
    if (engine_ == nullptr || !engine_->controls().IsEnabled(player::Control::SaveCurrent1)) return;
    if (SaveDialog1 == nullptr) {
        SaveDialog1 = new QFileDialog(this);
        SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
        SaveDialog1->setOption(QFileDialog::DontUseNativeDialog);
        SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
        SaveDialog1->setNameFilter(QStringLiteral("JPG (*.JPG *.jpg)"));
        SaveDialog1->setDefaultSuffix(QStringLiteral("jpg"));
    }
    SaveDialog1->setDirectory(QCoreApplication::applicationDirPath());
    SaveDialog1->selectFile(QString::fromStdString(engine_->ProposedFrameName(fromFileMenu)));
    if (SaveDialog1->exec() != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty()) return;
    const QString path = SaveDialog1->selectedFiles().first();
    std::string reason;
    if (!engine_->SaveCurrentFrame(path.toStdString(), reason)) {
        dialogs.frmMyMsg->ShowText(tr("%1 could not be saved: %2").arg(path, QString::fromStdString(reason)));
    }
}

}  // namespace vn::app
