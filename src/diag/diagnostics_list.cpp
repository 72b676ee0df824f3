// The diagnostics window's list: lines from the player and the decoder, the
// bad-frame count, clearing, and saving the list as a text file; the lines
// and quantiser of the movies played.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "decode/jpeg_decoder.h"
#include "diag/diagnostics_window.h"
#include "platform/controls.h"

namespace vn::diag {

namespace {

// The list would otherwise grow for as long as playback runs; the oldest
// lines make room.
constexpr int kMaxLines = 100000;

// The proposed log: the program's own path with the extension "log".
QString ProposedLogPath() {
    const QFileInfo program(QCoreApplication::applicationFilePath());
    return program.absolutePath() + '/' + program.completeBaseName() + ".log";
}

}  // namespace

void TfrmDiags::AppendLine(const std::string& line) {
    if (ListBox1->count() >= kMaxLines) delete ListBox1->takeItem(0);
    ListBox1->addItem(QString::fromStdString(line));
}

void TfrmDiags::AppendLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) AppendLine(line);
    // The list is taller than 8 lines, so its end shows the last 8.
    ListBox1->scrollToBottom();
}

void TfrmDiags::AddBadFrameLine(const std::string& line) {
    AppendLine(line);
    ++nBadFrameCount;
    lblBadFrameCount->setText(QString::number(nBadFrameCount));
}

void TfrmDiags::ReportBadFrame(int frame, uint32_t offset) {
    if (isVisible()) AddBadFrameLine(BadFrameLine(frame, offset));
}

void TfrmDiags::LogFrameDiagnostics(int frame, int intervalMs, bool intervalKnown) {
    if (!(bShowExpo || bShowTimes) || !isVisible() || decoder_ == nullptr) return;
    AppendLines(
        frameLog_.LogFrameDiagnostics(frame, decoder_->camera, intervalMs, intervalKnown, bShowTimes, bShowExpo));
}

void TfrmDiags::TakeRtcDumpLines() {
    if (decoder_ == nullptr) return;
    for (const std::string& line : decoder_->camera.rtcDumpLines) AppendLine(line);
    decoder_->camera.rtcDumpLines.clear();
}

void TfrmDiags::Button1Click() {
    ListBox1->clear();
    nBadFrameCount = 0;
    lblBadFrameCount->setText("0");
}

void TfrmDiags::Clear1Click() { ListBox1->clear(); }

bool TfrmDiags::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        ListBox1DblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmDiags::ListBox1DblClick() {
    const QFileInfo proposed(ProposedLogPath());
    SaveDialog1->setDirectory(proposed.absolutePath());
    SaveDialog1->selectFile(proposed.fileName());
    if (SaveDialog1->exec() != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty()) return;
    const QString path = SaveDialog1->selectedFiles().constFirst();
    if (!SaveList(path)) {
        QMessageBox::warning(this, tr("Error"), tr("Error opening %1").arg(path));
    }
}

bool TfrmDiags::SaveList(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
    for (int i = 0; i < ListBox1->count(); ++i) {
        file.write(ListBox1->item(i)->text().toUtf8());
        file.write("\n");
    }
    return file.error() == QFileDevice::NoError && file.flush();
}

void TfrmDiags::LogMovieLines(const std::vector<std::string>& lines) {
    if (isVisible()) AppendLines(lines);
}

void TfrmDiags::ShowQuantiser(int quantiser) {
    if (auto* label = findChild<ui::Label*>(QStringLiteral("lblQNum"))) label->setText(QString::number(quantiser));
}

}  // namespace vn::diag
