// The playback engine of the main window: the player's state, the one timer
// that moves playback on, the showing of each frame with its counters and
// labels, the play, pause, stop, step, seek and speed commands, the play
// list with the opening of its entries, and the searches over it. It owns
// the open recording, its decoder and the picture shown.
//
// The engine knows no widget. Its commands change the player's state and the
// state of the controls (player/control_state.h, whose rules decide what the
// window shows); it hands that to the window through PlayerView and tells
// the diagnostics window about each frame through FrameDiagnosticsView. The
// window calls the commands from its controls.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/player_view.h"
#include "common/picture.h"
#include "decode/jpeg_decoder.h"
#include "diag/frame_diagnostics.h"
#include "diag/movie_diagnostics.h"
#include "movie/audio_output.h"
#include "movie/movie_file.h"
#include "player/control_state.h"
#include "player/play_list.h"
#include "player/play_list_search.h"
#include "player/player_state.h"
#include "player/preferences.h"
#include "player/raw_movie_playback.h"
#include "player/stream_movie_playback.h"
#include "recording/frame_show.h"
#include "recording/movie_info.h"
#include "recording/recording.h"
#include "recording/segment_export.h"

class QKeyEvent;

namespace vn::app {

class PlayerEngine : public QObject, private player::RawMovieView {
    Q_OBJECT
public:
    // The preferences are the window's (it loads and saves them); the engine
    // reads the rate, the time stamp and the logging switch there and keeps
    // the rate it plays at.
    PlayerEngine(PlayerView& view, player::Preferences& prefs, diag::FrameDiagnosticsView& diagnostics,
                 diag::MovieDiagnosticsView& movieDiagnostics);
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
    // The speed bar moved to `position`. While it holds the focus, changes
    // of the seek bar are not seeks.
    void tbRateChange(int position);
    void tbRateEnter();
    void tbRateExit();
    // The seek bar moved to `position`; a seek only while it holds the focus.
    void tbWhereChange(int position);
    void tbWhereEnter();
    void tbWhereExit();
    // Keystrokes before the focused control: "+" and "-" step as typed
    // characters, the arrow keys when released, each while its button is
    // enabled. An event acted on (or an arrow's press) is accepted, and the
    // focused control does not see it.
    void KeyPreviewPress(QKeyEvent* event);
    void KeyPreviewRelease(QKeyEvent* event);
    // The rate of the preferences just loaded, on the speed bar.
    void ShowPreferredRate();

    // The play list and the open file.
    player::AddResult AddPlayListFile(const QString& path);
    // Files added together; those the list cannot take are told once.
    void AddPlayListFiles(const QStringList& paths);
    void ShowPlayList();
    void ClearPlayList();
    // Opens the entry, or the next one in the direction of play that can
    // be played; entries refused before are passed by unless `retry`
    // names the first one as the user's choice.
    void OpenPlayListEntry(int index, bool retry = false);
    bool OpenRecordingFile(const std::string& path, int index);
    void CloseCurrentFile();
    // The files chosen in "&Open"'s dialog: a new play list.
    void ReplacePlayList(const QStringList& paths);
    void FilesDropped(const QStringList& paths);
    void bPreviousClick();
    void bSkipClick();
    void bClearPlayListClick();
    void lbPlayListDblClick(int selected);
    // The command line's files, added at the window's creation.
    void AddCommandLine(const QStringList& paths);
    // At the window's first show: plays entry 0 forwards.
    void PlayFirstEntry();
    // At the window's close: stops playing, closes the file and lets go of
    // the picture.
    void CloseWindow();

    // MPEG-4 streams and raw movies (engine_movie.cpp).
    // Message 1281 from the raw movies' sound output, taken on the window thread.
    void AudioMessage(const movie::AudioNotice& notice);
    // The diagnostics window's "MVM Restart": a paused raw movie back to its start.
    void bMVMRestartClick();

    // The searches (engine_search.cpp). A motion search reads the threshold
    // from the text of the threshold field.
    void sbSearchForwardClick(const std::string& thresholdText);
    void sbSearchBackwardClick(const std::string& thresholdText);
    // "Stop Search" of the motion search and of the PIR panel.
    void sbStopSearchClick();
    void sbNextEventClick();
    void sbPrevEventClick();
    // PIR Seek: the trigger sensor in the open recording, event frames in
    // the entries after (before) it.
    void sbPIRSeekFwdClick();
    void sbPIRSeekRevClick();
    // A search runs; window events run between its frames.
    bool scanning() const { return scanning_; }

    // Taking the open recording out. An export holds every command that
    // would change the recording until it ends; the progress watcher may
    // stop it. The frame on screen is saved as its JPEG bytes (a movie's
    // picture as a bitmap); false with the system's reason when it cannot be
    // written.
    avi::ExportSummary ExportSegment(const avi::ExportRequest& request, avi::ExportProgress& progress);
    std::string OpenFilePath() const;
    std::string ProposedFrameName(bool fromFileMenu) const;
    bool SaveCurrentFrame(const std::string& path, std::string& reason);

    const player::ControlState& controls() const { return controls_; }

    player::PlayerState state;
    player::PlayList playList;
    QTimer Timer1;

    jpeg::JpegDecoder decoder;
    avi::Recording recording{decoder};
    Picture g_pFramePicture;
    avi::FrameShow frameShow{recording};
    avi::MovieInfoPanel movieInfo;

    movie::AudioOutput audio;
    movie::MovieFile movieFile{&audio.ring};
    player::StreamMoviePlayback streamPlayback{movieFile};
    player::RawMoviePlayback rawPlayback{movieFile, audio, *this};

private:
    // Hands the state of the controls to the window; the bars' ranges it
    // may change are no seeks.
    void ApplyControls();
    player::PlayerPosition Position() const;
    player::RecordingFacts Facts() const;
    void MoveSeekBar(int frame);

    // Parts of showing one frame.
    void ShowFrameCameraValues();
    void ShowFrameTimes(const avi::ShownFrame& shown);

    bool OpenAviRecording(const std::string& path, int index);
    void TakeRateFromRecording();
    void ShowRate();
    // Refuses the file of entry `index` with message number `message` and
    // the reason, and marks the entry.
    bool RefuseFile(int index, const std::string& path, int message, const std::string& reason);
    // After an entry opened: goes on playing in the direction of play, or
    // searching where a search was stopped by opening it.
    void ContinueWithOpenEntry();

    // The movie kinds' part of opening, closing and the commands.
    bool IsMovie() const;
    bool OpenMovie(const std::string& path, int index);
    void CloseMovie();
    void StreamTick();
    void StartRawMovie(bool resume);
    void PauseRawMovie();
    void StopMovie();
    void MovieStepForward();
    void RawStepBackward();
    void RawSeekBar(int position);
    void ShowQuantiser(int quantiser);
    void LogMovie(const std::vector<std::string>& lines) { movieDiagnostics_.LogMovieLines(lines); }
    // RawMovieView: what raw-movie playback shows.
    void PresentRawPicture(const Picture& picture, const player::RawPictureShown& shown) override;
    void RawPictureRead(const player::MoviePicture& read) override;
    void LogRawMovie(const std::vector<std::string>& lines) override { LogMovie(lines); }
    void RawMovieEnded() override;

    // Parts of the searches.
    enum class ScanShows { Thumbnail, MovieInfo };
    void MotionSearchCommand(int direction, const std::string& thresholdText);
    void MotionSearch(int direction, int threshold);
    void EventSearch(int direction, bool trigger);
    player::SearchEnd RunSearch(ScanShows shows,
                                const std::function<player::SearchEnd(player::PlayListSearch&)>& search);
    bool OpenForSearch(int entry);
    // After each frame scanned: its progress painted at the screen's pace,
    // and the window's events, which is how Stop Search reaches the scan.
    void ShowScanProgress(int frame, ScanShows shows);
    void PaintScanProgress(int frame, ScanShows shows);
    void ShowSearchEnd(const player::SearchEnd& end);
    // In an entry just opened, the stopped motion search goes on from its
    // first (last) frame.
    void ContinueSearch();
    // A command that would open or close a file while a search runs stops
    // the search and runs once the search has ended; true when put off.
    bool PutOffWhileScanning(std::function<void()> command);
    void RunCommandsPutOff();

    PlayerView& view_;
    player::Preferences& prefs_;
    diag::FrameDiagnosticsView& diagnostics_;
    diag::MovieDiagnosticsView& movieDiagnostics_;
    player::ControlState controls_;
    bool scanning_ = false;
    std::vector<std::function<void()>> putOff_;
    std::chrono::steady_clock::time_point lastScanPaint_;
    int unpaintedScanFrame_ = -1;  // the last frame scanned, while not yet painted
};

}  // namespace vn::app
