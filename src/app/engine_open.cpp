// Opening and closing the file of a play-list entry: the kind chosen by the
// extension, and an AVI recording's preparation of the window.
#include <QAction>
#include <QFile>

#include "app/player_engine.h"
#include "app/vnmain.h"
#include "common/text_format.h"
#include "diag/message_dialog.h"
#include "platform/language.h"
#include "recording/windows/export_dialog.h"

namespace vn::app {

namespace {

// Rows below the picture for the time-stamp caption.
constexpr int kCaptionBandRows = 16;

QString ClockText(int seconds) {
    return QString::fromStdString(Format("%2.2d:%2.2d:%2.2d", seconds / 3600, seconds % 3600 / 60, seconds % 60));
}

}  // namespace

bool PlayerEngine::OpenRecordingFile(const std::string& path, int index) {
    CloseCurrentFile();
    const QString name = QFile::decodeName(player::FileNameOf(path).c_str());
    form_.setWindowTitle(name);
    form_.StatusBar1->SetPanelText(0, name);
    state.g_nFileKind = player::FileKindForPath(path);
    switch (state.g_nFileKind) {
        case player::kAviRecording:
            return OpenAviRecording(path, index);
        default:
            // MPEG-4 streams and raw movies do not play in this window yet.
            return RefuseFile(diag::TfrmMyMsg::UnkFormat);
    }
}

bool PlayerEngine::RefuseFile(int message) {
    // Nothing is open: the timer's ticks find nothing to play while the
    // message waits for the user.
    state.g_nFileKind = player::kNoFile;
    form_.dialogs.frmMyMsg->ShowMessage(message);
    return false;
}

void PlayerEngine::CloseCurrentFile() {
    if (state.g_nFileKind == player::kAviRecording) recording.CloseRecording();
    state.g_nFileKind = player::kNoFile;
}

bool PlayerEngine::OpenAviRecording(const std::string& path, int index) {
    decoder.camera.ForgetRecords();
    if (recording.OpenRecording(path) != avi::OpenResult::kOpened) {
        const int frames = recording.header.frames;
        recording.CloseRecording();
        return RefuseFile(frames != 0 ? diag::TfrmMyMsg::NotFound : diag::TfrmMyMsg::NoFrames);
    }
    frameShow.Reset();
    const int width = recording.header.width;
    const int height = recording.header.height + (form_.prefs.g_bEmbedTime ? kCaptionBandRows : 0);
    // One picture serves every recording; it changes only with the size.
    if ((g_pFramePicture.width() != width || g_pFramePicture.height() != height) &&
        !g_pFramePicture.Reset(width, height)) {
        recording.CloseRecording();
        state.g_nFileKind = player::kNoFile;
        return false;
    }
    form_.SetPictureSize(width, height);

    form_.CameraSettings1->setVisible(false);
    form_.EmbedTimestamp1->setVisible(false);
    form_.Deblock1->setVisible(true);
    state.g_bLoading = true;
    form_.EmbedTimestamp1->setEnabled(false);
    for (QWidget* group : {static_cast<QWidget*>(form_.gbPlayRate), static_cast<QWidget*>(form_.gbStats),
                           static_cast<QWidget*>(form_.gbMotion), static_cast<QWidget*>(form_.lblRate)}) {
        group->show();
    }
    ShowRecordingFacts();
    TakeRateFromRecording();
    form_.ApplyInitialZoom();

    const int frames = recording.header.frames;
    form_.pbWhere->SetMax(frames - 1);
    form_.tbWhere->SetMax(frames - 1);
    form_.tbWhere->SetFrequency(std::max(frames / 100, 1));
    // The event buttons are cut off where they have no use.
    const QWidget* lastButton = recording.hasEvents ? form_.sbNextEvent : form_.sbForward;
    form_.pnlPlayCtrl->resize(lastButton->x() + lastButton->width() + 5, form_.pnlPlayCtrl->height());
    if (ui::IsEnglish()) {
        form_.lblCapIntervalTitle->SetCaption(recording.hasEvents ? QStringLiteral("Shutdown Delay")
                                                                  : QStringLiteral("Capture Interval"));
    }
    form_.lbPlayList->SetItemIndex(index);
    state.g_bLoading = false;
    form_.dialogs.frmExtract->SetFrameRange(1, frames);
    return true;
}

void PlayerEngine::ShowRecordingFacts() {
    if (!recording.asap) form_.lblCapInterval->SetCaption(ClockText(recording.elapsedIntervalSecs()));
    form_.StatusBar1->SetPanelText(1, QStringLiteral("%1x%2").arg(recording.header.width).arg(recording.header.height));
    form_.StatusBar1->SetPanelText(2, QStringLiteral("Frames = %1").arg(recording.header.frames));
}

// Every recording plays at its own rate, whatever the speed bar showed.
void PlayerEngine::TakeRateFromRecording() {
    form_.prefs.nFrmRate = player::RateFromRecording(recording.header.rate, recording.header.interval);
    form_.tbRate->SetPosition(player::SpeedBarPositionForRate(form_.prefs.nFrmRate));
    form_.lblRate->SetCaption(QString::number(form_.prefs.nFrmRate));
    ApplyRate();
}

}  // namespace vn::app
