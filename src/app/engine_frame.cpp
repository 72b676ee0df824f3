// Playback on the timer and the showing of one frame: the picture with its
// caption, the camera values, the Movie Info panel, the counters and labels,
// the seek bar, and the diagnostics of good and bad frames.
#include <chrono>

#include "app/player_engine.h"
#include "recording/timestamp_caption.h"

namespace vn::app {

namespace {

int MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
}

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
    if (state.ApplyRate(prefs_.nFrmRate)) Timer1.setInterval(state.g_nTimerIntervalMs);
}

void PlayerEngine::ShowCurrentFrame(bool moveSeekBar) {
    if (state.g_nFileKind != player::kAviRecording) return;
    // After going to the end of an entry the position is one past its last frame.
    if (recording.currentFrame() >= recording.header.frames) recording.SetFrame(recording.header.frames - 1);
    const int frame = recording.currentFrame();
    const avi::ShownFrame shown = frameShow.Show(frame, g_pFramePicture);
    if (shown.readResult == avi::FrameRead::kOk) {
        diagnostics_.TakeRtcDumpLines();
        ShowFrameCameraValues();
        movieInfo.FillMovieInfo(recording, decoder.camera);
        view_.ApplyMovieInfo(movieInfo);
    }
    if (shown.presented) {
        if (prefs_.g_bEmbedTime) avi::DrawTimestamp(g_pFramePicture, shown.date, shown.time);
        view_.PresentPicture(g_pFramePicture);
        if (prefs_.ShowDiags != 0) diagnostics_.LogFrameDiagnostics(frame, shown.frmIntMs, shown.frmIntKnown);
        ShowFrameTimes(shown);
    } else if (frame < recording.header.frames) {
        // The last good picture stays on screen.
        diagnostics_.ReportBadFrame(frame, shown.offset);
    }
    state.g_nFrameWorkMs = MillisecondsSince(shown.readDone);
    controls_.ShowFrame(Facts(), {frame, shown.presented, shown.elapsedText, shown.date, shown.time});
    ApplyControls();
    if (moveSeekBar) MoveSeekBar(frame);
}

void PlayerEngine::ShowFrameCameraValues() {
    // A breakpoint met by this frame's camera values stops playback on it.
    if (diagnostics_.ShowFrameCameraValues() && state.g_bPlaying) PausePlay();
}

void PlayerEngine::ShowFrameTimes(const avi::ShownFrame& shown) {
    const auto decodeMs = std::chrono::duration_cast<std::chrono::milliseconds>(shown.decodeDone - shown.readDone);
    diagnostics_.ShowFrameTimes(static_cast<int>(decodeMs.count()), MillisecondsSince(shown.decodeDone));
}

}  // namespace vn::app
