// The playback engine of the main window: the player's state, the one timer
// that moves playback on, the showing of each frame with its counters and
// labels, the play, pause, stop, step, seek and speed controls, and the play
// list with the opening of its entries. It drives the window's controls and
// owns the open recording, its decoder and the picture shown.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <string>

#include "common/picture.h"
#include "decode/jpeg_decoder.h"
#include "diag/frame_diagnostics.h"
#include "player/play_list.h"
#include "player/player_state.h"
#include "recording/frame_show.h"
#include "recording/movie_info.h"
#include "recording/recording.h"

class QFileDialog;
class QKeyEvent;

namespace vn::app {

class TfrmVNMain;

class PlayerEngine : public QObject {
    Q_OBJECT
public:
    // Connects to the window's controls and takes over their behaviour. The
    // window's dialogs must exist before the first command arrives.
    explicit PlayerEngine(TfrmVNMain& form);
    ~PlayerEngine() override;

    // Playback.
    void Timer1Timer();
    void ApplyRate();
    void ShowCurrentFrame(bool moveSeekBar);
    void StartPlay(int direction);
    void PausePlay();
    void StopPlay();
    void DisablePlayControls();
    void sbNextClick();
    void sbPreviousClick();
    void tbRateChange();
    void tbWhereChange();

    // The play list and the open file.
    void AddPlayListFile(const QString& path);
    void ShowPlayList();
    void ClearPlayList();
    void OpenPlayListEntry(int index);
    bool OpenRecordingFile(const std::string& path, int index);
    void CloseCurrentFile();
    void Open1Click();
    void FilesDropped(const QStringList& paths);
    void bPreviousClick();
    void bSkipClick();
    void bClearPlayListClick();
    void lbPlayListDblClick();
    // The command line's files, added at the window's creation.
    void AddCommandLine(const QStringList& paths);
    // At the window's first show: plays entry 0 forwards.
    void PlayFirstEntry();

    player::PlayerState state;
    player::PlayList playList;
    QTimer Timer1;

    jpeg::JpegDecoder decoder;
    avi::Recording recording{decoder};
    Picture g_pFramePicture;
    avi::FrameShow frameShow{recording};
    avi::MovieInfoPanel movieInfo;

    // "&Open"'s dialog, made once and kept so that its folder is remembered.
    QFileDialog* OpenDialog1 = nullptr;

private:
    void ConnectControls();
    void KeyPreviewPress(QKeyEvent* event);
    void KeyPreviewRelease(QKeyEvent* event);
    void lbPlayListMouseMove(QPoint position);

    // Parts of showing one frame.
    void AnnotateFrame(const avi::ShownFrame& shown);
    void ShowElapsed(const avi::ShownFrame& shown);
    void MoveSeekBar(int frame);
    void ReportBadFrame(int frame, uint32_t offset);
    void LogFrameDiagnostics(const avi::ShownFrame& shown);
    void ShowFrameCameraValues();
    void ShowFrameTimes(const avi::ShownFrame& shown);
    bool DiagnosticsVisible() const;

    // Button states around a position of the open recording.
    void EnableBackwardControls(bool enabled);
    void EnableForwardControls(bool enabled);
    void ShowSeekBar(bool seekable);

    bool OpenAviRecording(const std::string& path, int index);
    void ShowRecordingFacts();
    void TakeRateFromRecording();
    // Refuses the file being opened with message number `message`.
    bool RefuseFile(int message);
    // After an entry opened: goes on playing in the direction of play.
    void ContinueWithOpenEntry();

    TfrmVNMain& form_;
    diag::FrameDiagnosticsLog diagnosticsLog_;
};

}  // namespace vn::app
