// The play controls: start, pause and stop, single steps across the play
// list's entries, the speed bar and the seek bar.
#include <QApplication>

#include "app/player_engine.h"
#include "app/vnmain.h"

namespace vn::app {

namespace {

constexpr int kPlayingBarHeight = 16;  // the thin progress bar while playing
constexpr int kSeekBarHeight = 32;

void Enable(std::initializer_list<QWidget*> controls, bool enabled) {
    for (QWidget* control : controls) control->setEnabled(enabled);
}

}  // namespace

void PlayerEngine::EnableBackwardControls(bool enabled) {
    Enable({form_.sbBackward, form_.sbSearchBackward, form_.sbPrevEvent, form_.sbPrevious}, enabled);
}

void PlayerEngine::EnableForwardControls(bool enabled) {
    Enable({form_.sbNext, form_.sbForward, form_.sbNextEvent, form_.sbSearchForward}, enabled);
}

// The seek bar while stopped, or the thin progress bar while playing.
void PlayerEngine::ShowSeekBar(bool seekable) {
    form_.pbWhere->setVisible(!seekable);
    form_.tbWhere->setVisible(seekable);
    form_.pnlWhere->resize(form_.pnlWhere->width(), seekable ? kSeekBarHeight : kPlayingBarHeight);
}

void PlayerEngine::StartPlay(int direction) {
    state.g_nDirection = direction;
    form_.sbBackward->setEnabled(direction != -1);
    form_.sbForward->setEnabled(direction == -1);
    ShowSeekBar(false);
    Enable({form_.sbNext, form_.sbPrevious, form_.sbSearchForward, form_.sbSearchBackward, form_.sbStopSearch,
            form_.sbPrevEvent, form_.sbNextEvent},
           false);
    Enable({form_.sbPause, form_.sbStop}, true);
    Timer1.start();
    state.g_bPlaying = true;
    if (!form_.isActiveWindow()) {
        form_.raise();
        form_.activateWindow();
    }
    state.g_bPaused = false;
}

void PlayerEngine::PausePlay() {
    state.g_bPaused = true;
    if (state.g_nFileKind == player::kAviRecording) {
        ShowSeekBar(true);
        const int frame = recording.currentFrame();
        EnableBackwardControls(frame != 0);
        EnableForwardControls(recording.header.frames != frame + 1);
    }
    Enable({form_.sbStopSearch, form_.sbPause}, false);
    state.g_bPlaying = false;
}

void PlayerEngine::StopPlay() {
    if (state.g_bPlaying) {
        state.g_bPlaying = false;
        PausePlay();
    }
    Enable({form_.sbBackward, form_.sbPrevious, form_.sbSearchForward, form_.sbSearchBackward, form_.sbStopSearch},
           false);
    if (state.g_nFileKind == player::kAviRecording) {
        recording.SetFrame(0);
        ShowCurrentFrame(true);
        Enable({form_.sbPrevEvent, form_.sbNextEvent, form_.sbForward, form_.sbNext}, true);
        form_.sbStop->setEnabled(false);
    }
}

void PlayerEngine::DisablePlayControls() {
    if (state.g_bPlaying) PausePlay();
    Enable({form_.sbPause, form_.sbBackward, form_.sbPrevious, form_.sbForward, form_.sbNext, form_.sbStop,
            form_.sbPrevEvent, form_.sbNextEvent},
           false);
    state.g_bPlaying = false;
    form_.tbWhere->hide();
}

void PlayerEngine::sbNextClick() {
    if (state.g_nFileKind != player::kAviRecording) return;
    state.g_bSeekLock = true;
    const int last = recording.header.frames - 1;
    if (recording.currentFrame() == last && playList.g_nPlayListIndex < playList.g_nPlayListCount() - 1) {
        const int next = playList.g_nPlayListIndex + 1;
        playList.g_nPlayListIndex = next;
        if (!OpenRecordingFile(playList.Path(next), next)) {
            state.g_bSeekLock = false;
            DisablePlayControls();
            return;
        }
        recording.SetFrame(0);
    } else {
        recording.StepFrame(1);
        if (recording.currentFrame() == 1) form_.sbPrevious->setEnabled(true);
        if (recording.currentFrame() == last) form_.sbNext->setEnabled(false);
    }
    ShowCurrentFrame(true);
}

void PlayerEngine::sbPreviousClick() {
    if (state.g_nFileKind != player::kAviRecording) return;
    if (recording.currentFrame() != 0 || playList.g_nPlayListIndex == 0) {
        recording.StepFrame(-1);
        const int frame = recording.currentFrame();
        if (frame == 0 && playList.g_nPlayListIndex == 0) Enable({form_.sbPrevious, form_.sbBackward}, false);
        if (recording.header.frames == frame + 2) Enable({form_.sbNext, form_.sbForward}, true);
    } else {
        // A list replaced while playing may be shorter than the open index.
        const int previous = playList.Wrap(playList.g_nPlayListIndex - 1);
        playList.g_nPlayListIndex = previous;
        if (!OpenRecordingFile(playList.Path(previous), previous)) {
            DisablePlayControls();
            return;
        }
        recording.GoToEnd();
    }
    ShowCurrentFrame(true);
}

void PlayerEngine::tbRateChange() {
    if (state.g_bLoading) return;
    form_.prefs.nFrmRate = player::RateForSpeedBarPosition(form_.tbRate->Position());
    form_.lblRate->SetCaption(QString::number(form_.prefs.nFrmRate));
    ApplyRate();
}

void PlayerEngine::tbWhereChange() {
    if (state.g_bSeekLock || !state.g_bSeekFocused || state.g_bLoading) return;
    if (state.g_nFileKind != player::kAviRecording) return;
    state.g_bSeekLock = true;
    const int frame = form_.tbWhere->Position();
    recording.SetFrame(frame);
    ShowCurrentFrame(false);
    Enable({form_.sbNext, form_.sbForward, form_.sbSearchForward}, frame != recording.header.frames - 1);
    Enable({form_.sbBackward, form_.sbSearchBackward, form_.sbPrevious}, frame != 0);
    state.g_bSeekLock = false;
}

}  // namespace vn::app
