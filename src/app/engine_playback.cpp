// The play controls: start, pause and stop, single steps across the play
// list's entries, the speed bar and the seek bar.
#include "app/player_engine.h"

namespace vn::app {

void PlayerEngine::StartPlay(int direction) {
    // Movies are read forwards only.
    if (IsMovie()) direction = 1;
    const bool resume = state.g_bPaused;
    state.g_nDirection = direction;
    controls_.StartPlay(direction, state.g_nFileKind);
    ApplyControls();
    // A raw movie's pictures follow its sound, not the timer.
    if (state.g_nFileKind != player::kRawMovie) Timer1.start();
    state.g_bPlaying = true;
    view_.BringToFront();
    state.g_bPaused = false;
    if (state.g_nFileKind == player::kRawMovie) StartRawMovie(resume);
}

void PlayerEngine::PausePlay() {
    state.g_bPaused = true;
    if (state.g_nFileKind == player::kRawMovie) PauseRawMovie();
    controls_.PausePlay(Position());
    ApplyControls();
    state.g_bPlaying = false;
}

void PlayerEngine::StopPlay() {
    if (state.g_bPlaying) {
        state.g_bPlaying = false;
        PausePlay();
    }
    controls_.StopPlay(Position());
    if (state.g_nFileKind == player::kAviRecording) {
        recording.SetFrame(0);
        ShowCurrentFrame(true);
    }
    if (IsMovie()) StopMovie();
    ApplyControls();
}

void PlayerEngine::DisablePlayControls() {
    if (state.g_bPlaying) PausePlay();
    controls_.DisablePlayControls();
    ApplyControls();
    state.g_bPlaying = false;
}

void PlayerEngine::sbNextClick() {
    if (IsMovie()) {
        MovieStepForward();
        return;
    }
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
        controls_.StepForward(Position());
    }
    ShowCurrentFrame(true);
}

void PlayerEngine::sbPreviousClick() {
    if (state.g_nFileKind == player::kRawMovie) RawStepBackward();
    if (state.g_nFileKind != player::kAviRecording) return;
    if (recording.currentFrame() != 0 || playList.g_nPlayListIndex == 0) {
        recording.StepFrame(-1);
        controls_.StepBackward(Position());
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

void PlayerEngine::tbRateChange(int position) {
    if (state.g_bLoading) return;
    prefs_.nFrmRate = player::RateForSpeedBarPosition(position);
    ShowRate();
    ApplyRate();
}

void PlayerEngine::tbWhereChange(int position) {
    if (state.g_bSeekLock || !state.g_bSeekFocused || state.g_bLoading) return;
    if (state.g_nFileKind == player::kRawMovie) {
        state.g_bSeekLock = true;
        RawSeekBar(position);
        state.g_bSeekLock = false;
        return;
    }
    if (state.g_nFileKind != player::kAviRecording) return;
    state.g_bSeekLock = true;
    recording.SetFrame(position);
    controls_.Seek(Position());
    ShowCurrentFrame(false);
    state.g_bSeekLock = false;
}

}  // namespace vn::app
