// What the main window shows of the player: the state of every control the
// engine governs. The engine keeps one ControlState, changes it by the rules
// below as its commands run, and hands it to the window, which applies it
// whole, in one place.
//
// The rules follow the player's commands. Each command enables and disables
// the controls it names; what it does not name stays as an earlier command
// left it. That is why the state is kept and changed rather than computed
// afresh from the position: a stop, then a step to frame 1, leaves "Play
// Backward" disabled where a pause on frame 1 enables it.
//
// A new command (the searches, movie playback) adds its rule here; a
// control not governed yet becomes a Control, or a field where it is more
// than enabled and shown.
#pragma once

#include <array>
#include <bitset>
#include <initializer_list>
#include <string>

#include "player/player_state.h"

namespace vn::player {

// The controls the engine enables or disables and shows or hides, named as
// the window names them (their objectName).
enum class Control : int {
    // Play controls.
    sbBackward,
    sbPrevious,
    sbPause,
    sbStop,
    sbNext,
    sbForward,
    sbPrevEvent,
    sbNextEvent,
    // Motion search.
    sbSearchBackward,
    sbStopSearch,
    sbSearchForward,
    // The groups an AVI recording shows; a movie hides them, and a raw
    // movie the play list as well.
    gbPlayRate,
    gbStats,
    gbMotion,
    lblRate,
    gbPlayList,
    // Statistics rows that a recording shows or hides.
    lblCapIntervalTitle,
    lblCapInterval,
    lblElapsedTimeTitle,
    lblElapsedTime,
    // Menu entries.
    CameraSettings1,
    EmbedTimestamp1,
    Deblock1,
    // Commands that take the open recording out or change it: the File
    // menu, saving the frame (also in the picture's pop-up menu), the
    // segment marks and export of the seek bar's pop-up menu, and the play
    // list.
    Open1,
    SaveCurrent1,
    Export1,
    SaveCurrent2,
    SaveStart,
    SaveEnd,
    SaveSegment1,
    lbPlayList,
    bPrevious,
    bSkip,
    bClearPlayList,
};
constexpr int kControlCount = static_cast<int>(Control::bClearPlayList) + 1;

// The window's name of a control ("sbForward").
const char* ControlName(Control control);

// The strip under the picture: the seek bar while paused or stopped, the
// thin progress bar while playing, neither before the first recording or
// once the play controls were disabled.
enum class SeekArea { Neither, SeekBar, ProgressBar };

// Where the player stands: the open file, its frame and the play list entry.
struct PlayerPosition {
    int fileKind = 0;  // g_nFileKind
    int frame = 0;     // the reader's current index, 0-based
    int frames = 0;    // the open recording's frame count
    int entry = 0;     // the open play-list entry
    // An MPEG-4 stream or raw movie read to its end (g_nStreamPos 0 or less).
    bool streamEnded = false;

    bool AtFirstFrame() const { return frame == 0; }
    bool AtLastFrame() const { return frames == frame + 1; }
};

// What the controls show of an open AVI recording.
struct RecordingFacts {
    int width = 0;
    int height = 0;
    int frames = 0;
    int intervalSecs = 0;  // the capture interval lblCapInterval shows
    bool asap = false;     // captured as fast as possible
    bool hasEvents = false;
    bool showCaptureInterval = true;
    bool showElapsedTime = true;
};

// What the controls show of an open MPEG-4 stream or raw movie.
struct MovieFacts {
    int fileKind = 0;
    int width = 0;
    int height = 0;
    int length = 0;  // in 1024-byte positions
};

// What the controls show of one frame shown.
struct FrameFacts {
    int frame = 0;
    // Read and decoded; otherwise the last good picture stays on screen,
    // and so do its date, time and rows.
    bool presented = false;
    std::string elapsedText;  // elapsed time, or "k of n" for event recordings
    std::string date;
    std::string time;
};

// Captions the engine writes. The titles are written only while the
// interface language is English, so that the other languages keep their
// translations; an empty title has not been written yet.
struct Captions {
    std::string lblRate;
    std::string lblCapInterval;
    std::string lblElapsedTime;
    std::string lblDate;
    std::string lblTime;
    std::string lblCapIntervalTitle;
    std::string lblElapsedTimeTitle;
};

// The search status labels, numbered as ShowSearchLabel numbers them.
enum class SearchLabel : int { Inactive = 0, Forward = 1, Backward = 2, Found = 3 };

struct ControlState {
    // As the window is designed: no play or search button enabled, no bar
    // under the picture, the Options menu's entries but "Deblock".
    ControlState();

    bool IsEnabled(Control control) const { return enabled[Index(control)]; }
    bool IsShown(Control control) const { return shown[Index(control)]; }
    void Enable(std::initializer_list<Control> controls, bool enable);
    void Show(std::initializer_list<Control> controls, bool show);

    // The rules, named after the commands whose controls they set.
    // Movies play forwards only.
    void StartPlay(int direction, int fileKind = kAviRecording);
    void PausePlay(const PlayerPosition& at);
    // After the pause that a stop while playing makes.
    void StopPlay(const PlayerPosition& at);
    void DisablePlayControls();
    // After a step within the recording (not across entries), at the frame
    // the step reached.
    void StepForward(const PlayerPosition& at);
    void StepBackward(const PlayerPosition& at);
    // The user moved the seek bar to the frame `at`.
    void Seek(const PlayerPosition& at);
    // "&Clear", after the play list was cleared.
    void Clear();
    // Any file being opened, by its name with extension.
    void OpenFile(const std::string& name);
    void OpenAviRecording(const RecordingFacts& recording);
    // An MPEG-4 stream or raw movie: the compact window, the bars in
    // stream positions (the raw movie's seek bar in steps of 16).
    void OpenMovie(const MovieFacts& movie);
    // An MPEG-4 stream's picture shown, by its 0-based number.
    void ShowStreamPicture(int frame);
    // A raw movie back on its first picture, stopped: the progress bar shows.
    void RewindRawMovie();
    // The seek bar moved a raw movie to an intra picture.
    void SeekRawMovie();
    void ShowFrame(const RecordingFacts& recording, const FrameFacts& frame);
    void ShowRate(int framesPerSecond);
    // An export runs: it reads the open recording, so nothing that would
    // change it (open, step, play, seek, search, the play list, a drop)
    // runs meanwhile. EndExport gives back what was enabled before.
    void BeginExport();
    void EndExport();
    // Every search first shows the progress bar under the picture, where
    // the scan's progress shows.
    void PrepareSearch();
    // A motion search (direction +1 or -1) with a usable threshold: the
    // play controls wait, only Stop Search stays open.
    void StartMotionSearch(int direction);
    // Next Event (+1) and Prev Event (-1); after a Prev Event "Stop" stays
    // usable.
    void StartEventSearch(int direction);
    void ShowSearchLabel(SearchLabel label) { searchLabel = static_cast<int>(label); }
    // An entry that could not be opened ended a motion search: none runs.
    void EndSearchWithoutFile();

    std::bitset<kControlCount> enabled;
    std::bitset<kControlCount> shown;
    SeekArea seekArea = SeekArea::Neither;
    // The last position of tbWhere and of pbWhere (the progress bar's own
    // range until a recording sets theirs) and tbWhere's tick marks.
    int seekMax = 100;
    int progressMax = 100;
    int seekTickInterval = 1;
    // The event buttons at the end of pnlPlayCtrl; the panel cuts them off
    // for recordings without events.
    bool eventButtonsShown = true;
    // The one search status label shown: 0 "Search Inactive", 1 "Search
    // Forward", 2 "Search Backward", 3 "Found".
    int searchLabel = 0;
    std::string windowTitle;                  // empty: the window's own caption
    std::array<std::string, 4> statusPanels;  // StatusBar1's panels 0 to 3; panel 4 is the zoom's
    Captions captions;
    // An export runs: the seek bar takes no moves, files dropped on the
    // window are refused, and the window's close stops the export first.
    bool exporting = false;

private:
    static size_t Index(Control control) { return static_cast<size_t>(control); }
    void EnableBackward(bool enable);
    void EnableForward(bool enable);
    // The second step of a search's preparation.
    void DisablePlayForSearch();
    // Saving and exporting the frames of the open AVI recording.
    void EnableTakingOut(bool enable);

    std::bitset<kControlCount> enabledBeforeExport_;
};

// pnlWhere's height for the bar it shows.
int SeekAreaHeight(SeekArea area);

}  // namespace vn::player
