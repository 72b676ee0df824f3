// The engine's life and its part of the window's close, the state of the
// controls handed to the window, the keys that step frames and the focus of
// the speed and seek bars.
#include "app/player_engine.h"

#include <QKeyEvent>
#include <QThread>

namespace vn::app {

using player::Control;

PlayerEngine::PlayerEngine(PlayerView& view, player::Preferences& prefs, diag::FrameDiagnosticsView& diagnostics)
    : view_(view), prefs_(prefs), diagnostics_(diagnostics) {
    Timer1.setObjectName(QStringLiteral("Timer1"));
    // 33 ms ticks must not be rounded to the coarse timer's 5 %.
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &PlayerEngine::Timer1Timer);
    decoder.InitJpegDecoder();
}

PlayerEngine::~PlayerEngine() {
    Timer1.stop();
    view_.HidePicture();
}

void PlayerEngine::CloseWindow() {
    if (PutOffWhileScanning([this] { CloseWindow(); })) return;
    if (state.g_bPlaying) {
        StopPlay();
        QThread::msleep(100);
    }
    CloseCurrentFile();
    view_.HidePicture();
    g_pFramePicture.Release();
}

void PlayerEngine::ApplyControls() {
    const bool locked = state.g_bSeekLock;
    state.g_bSeekLock = true;
    view_.ApplyControls(controls_);
    state.g_bSeekLock = locked;
}

player::PlayerPosition PlayerEngine::Position() const {
    return {state.g_nFileKind, recording.currentFrame(), recording.header.frames, playList.g_nPlayListIndex};
}

player::RecordingFacts PlayerEngine::Facts() const {
    return {recording.header.width,          recording.header.height,  recording.header.frames,
            recording.elapsedIntervalSecs(), recording.asap,           recording.hasEvents,
            recording.showCaptureInterval,   recording.showElapsedTime};
}

void PlayerEngine::MoveSeekBar(int frame) {
    state.g_bSeekLock = true;
    view_.MoveSeekBar(frame);
    state.g_bSeekLock = false;
}

void PlayerEngine::tbRateEnter() { state.g_bSeekLock = true; }

void PlayerEngine::tbRateExit() { state.g_bSeekLock = false; }

void PlayerEngine::tbWhereEnter() { state.g_bSeekFocused = true; }

void PlayerEngine::tbWhereExit() { state.g_bSeekFocused = false; }

// An arrow key steps when it is released; its press is kept from the
// focused control too, which would otherwise move a bar as well.
void PlayerEngine::KeyPreviewPress(QKeyEvent* event) {
    const bool forward = controls_.IsEnabled(Control::sbNext);
    const bool backward = controls_.IsEnabled(Control::sbPrevious);
    const QString typed = event->text();
    if (typed == QStringLiteral("+") && forward) {
        sbNextClick();
        event->accept();
    } else if (typed == QStringLiteral("-") && backward) {
        sbPreviousClick();
        event->accept();
    } else if ((event->key() == Qt::Key_Right && forward) || (event->key() == Qt::Key_Left && backward)) {
        event->accept();
    }
}

void PlayerEngine::KeyPreviewRelease(QKeyEvent* event) {
    if (event->key() == Qt::Key_Right && controls_.IsEnabled(Control::sbNext)) {
        sbNextClick();
        event->accept();
    } else if (event->key() == Qt::Key_Left && controls_.IsEnabled(Control::sbPrevious)) {
        sbPreviousClick();
        event->accept();
    }
}

}  // namespace vn::app
