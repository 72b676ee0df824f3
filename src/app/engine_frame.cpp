// Playback on the timer and the showing of one frame: the picture with its
// caption, the camera values, the Movie Info panel, the counters and labels,
// the seek bar, and the diagnostics of good and bad frames.
#include <QString>

#include <chrono>

#include "app/player_engine.h"
#include "app/vnmain.h"
#include "diag/diagnostics_window.h"
#include "platform/language.h"
#include "recording/timestamp_caption.h"

namespace vn::app {

namespace {

int MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void PlayerEngine::Timer1Timer() {
    if (state.g_nFileKind != player::kAviRecording || !state.g_bPlaying) return;
    const int step = state.g_nFramesPerTick * state.g_nDirection;
    if (step == 0) return;
    if (recording.StepFrame(step) != avi::StepResult::kMoved) {
        // The start or the end of the recording: on to the neighbouring entry.
        OpenPlayListEntry(playList.g_nPlayListIndex + state.g_nDirection);
    } else {
        ShowCurrentFrame(true);
    }
}

void PlayerEngine::ApplyRate() {
    if (state.ApplyRate(form_.prefs.nFrmRate)) Timer1.setInterval(state.g_nTimerIntervalMs);
}

void PlayerEngine::ShowCurrentFrame(bool moveSeekBar) {
    if (state.g_nFileKind != player::kAviRecording) return;
    // After going to the end of an entry the position is one past its last frame.
    if (recording.currentFrame() >= recording.header.frames) recording.SetFrame(recording.header.frames - 1);
    const int frame = recording.currentFrame();
    const avi::ShownFrame shown = frameShow.Show(frame, g_pFramePicture);
    if (shown.readResult == avi::FrameRead::kOk) {
        form_.dialogs.frmDiags->TakeRtcDumpLines();
        ShowFrameCameraValues();
        movieInfo.FillMovieInfo(recording, decoder.camera);
        form_.ApplyMovieInfo(movieInfo);
    }
    if (shown.presented) {
        AnnotateFrame(shown);
        form_.PresentPicture(g_pFramePicture);
        LogFrameDiagnostics(shown);
        ShowFrameTimes(shown);
    } else {
        // The last good picture stays on screen.
        ReportBadFrame(frame, shown.offset);
    }
    state.g_nFrameWorkMs = MillisecondsSince(shown.readDone);
    form_.StatusBar1->SetPanelText(3, Text(player::FramePanelText(frame)));
    ShowElapsed(shown);
    if (moveSeekBar) MoveSeekBar(frame);
}

void PlayerEngine::AnnotateFrame(const avi::ShownFrame& shown) {
    form_.lblDate->SetCaption(Text(shown.date));
    form_.lblTime->SetCaption(Text(shown.time));
    form_.lblCapIntervalTitle->setVisible(recording.showCaptureInterval);
    form_.lblCapInterval->setVisible(recording.showCaptureInterval);
    if (recording.showCaptureInterval && recording.asap) form_.lblCapInterval->SetCaption(QStringLiteral("ASAP"));
    form_.lblElapsedTimeTitle->setVisible(recording.showElapsedTime);
    form_.lblElapsedTime->setVisible(recording.showElapsedTime);
    if (form_.prefs.g_bEmbedTime) avi::DrawTimestamp(g_pFramePicture, shown.date, shown.time);
}

void PlayerEngine::ShowElapsed(const avi::ShownFrame& shown) {
    // Captions the code writes stay in English; other languages keep theirs.
    if (ui::IsEnglish()) {
        form_.lblElapsedTimeTitle->SetCaption(recording.hasEvents ? QStringLiteral("Event Number")
                                                                  : QStringLiteral("Elapsed Time"));
    }
    form_.lblElapsedTime->SetCaption(Text(shown.elapsedText));
}

void PlayerEngine::MoveSeekBar(int frame) {
    state.g_bSeekLock = true;
    form_.tbWhere->SetPosition(frame);
    form_.pbWhere->SetPosition(frame);
    state.g_bSeekLock = false;
}

bool PlayerEngine::DiagnosticsVisible() const { return form_.dialogs.frmDiags->isVisible(); }

void PlayerEngine::ShowFrameCameraValues() {
    // A breakpoint met by this frame's camera values stops playback on it.
    if (form_.dialogs.frmDiags->ShowFrameCameraValues() && state.g_bPlaying) PausePlay();
}

void PlayerEngine::ReportBadFrame(int frame, uint32_t offset) {
    if (!DiagnosticsVisible() || frame >= recording.header.frames) return;
    form_.dialogs.frmDiags->AddBadFrameLine(diag::BadFrameLine(frame, offset));
}

void PlayerEngine::LogFrameDiagnostics(const avi::ShownFrame& shown) {
    diag::TfrmDiags& diags = *form_.dialogs.frmDiags;
    if (form_.prefs.ShowDiags == 0 || !(diags.bShowExpo || diags.bShowTimes) || !diags.isVisible()) return;
    diags.AppendLines(diagnosticsLog_.LogFrameDiagnostics(shown.frame, decoder.camera, shown.frmIntMs,
                                                          shown.frmIntKnown, diags.bShowTimes, diags.bShowExpo));
}

void PlayerEngine::ShowFrameTimes(const avi::ShownFrame& shown) {
    if (!DiagnosticsVisible()) return;
    const auto decodeMs = std::chrono::duration_cast<std::chrono::milliseconds>(shown.decodeDone - shown.readDone);
    form_.dialogs.frmDiags->ShowFrameTimes(static_cast<int>(decodeMs.count()), MillisecondsSince(shown.decodeDone));
}

}  // namespace vn::app
