#include "player/control_state.h"

#include <algorithm>

#include "common/text_format.h"
#include "player/player_state.h"

namespace vn::player {

namespace {

using enum Control;

constexpr std::array<const char*, kControlCount> kControlNames = {
    "sbBackward",
    "sbPrevious",
    "sbPause",
    "sbStop",
    "sbNext",
    "sbForward",
    "sbPrevEvent",
    "sbNextEvent",
    "sbSearchBackward",
    "sbStopSearch",
    "sbSearchForward",
    "gbPlayRate",
    "gbStats",
    "gbMotion",
    "lblRate",
    "gbPlayList",
    "lblCapIntervalTitle",
    "lblCapInterval",
    "lblElapsedTimeTitle",
    "lblElapsedTime",
    "CameraSettings1",
    "EmbedTimestamp1",
    "Deblock1",
    "Open1",
    "SaveCurrent1",
    "Export1",
    "SaveCurrent2",
    "SaveStart",
    "SaveEnd",
    "SaveSegment1",
    "lbPlayList",
    "bPrevious",
    "bSkip",
    "bClearPlayList",
};

constexpr int kPlayingBarHeight = 16;  // the thin progress bar
constexpr int kSeekBarHeight = 32;

}  // namespace

const char* ControlName(Control control) { return kControlNames[static_cast<size_t>(control)]; }

int SeekAreaHeight(SeekArea area) { return area == SeekArea::ProgressBar ? kPlayingBarHeight : kSeekBarHeight; }

ControlState::ControlState() {
    shown.set();
    Show({Deblock1}, false);
    enabled.set();
    Enable({sbBackward, sbPrevious, sbPause, sbStop, sbNext, sbForward, sbPrevEvent, sbNextEvent, sbSearchBackward,
            sbStopSearch, sbSearchForward},
           false);
    EnableTakingOut(false);
}

void ControlState::Enable(std::initializer_list<Control> controls, bool enable) {
    for (Control control : controls) enabled[Index(control)] = enable;
}

void ControlState::Show(std::initializer_list<Control> controls, bool show) {
    for (Control control : controls) shown[Index(control)] = show;
}

void ControlState::EnableBackward(bool enable) {
    Enable({sbBackward, sbSearchBackward, sbPrevEvent, sbPrevious}, enable);
}

void ControlState::EnableForward(bool enable) { Enable({sbNext, sbForward, sbNextEvent, sbSearchForward}, enable); }

void ControlState::EnableTakingOut(bool enable) {
    Enable({SaveCurrent1, Export1, SaveCurrent2, SaveStart, SaveEnd, SaveSegment1}, enable);
}

// A press while playing reverses the direction: the other way stays open.
void ControlState::StartPlay(int direction, int fileKind) {
    Enable({sbBackward}, direction != -1 && fileKind == kAviRecording);
    Enable({sbForward}, direction == -1);
    seekArea = SeekArea::ProgressBar;
    Enable({sbNext, sbPrevious, sbSearchForward, sbSearchBackward, sbStopSearch, sbPrevEvent, sbNextEvent}, false);
    Enable({sbPause, sbStop}, true);
}

void ControlState::PausePlay(const PlayerPosition& at) {
    if (at.fileKind == kAviRecording) {
        seekArea = SeekArea::SeekBar;
        EnableBackward(!at.AtFirstFrame());
        EnableForward(!at.AtLastFrame());
    } else if (at.fileKind == kMpeg4Stream || at.fileKind == kRawMovie) {
        // Movies are read forwards; a raw movie steps back by seeking.
        Enable({sbBackward, sbSearchBackward, sbPrevEvent, sbNextEvent, sbSearchForward}, false);
        Enable({sbNext, sbForward}, !at.AtLastFrame());
        Enable({sbPrevious}, at.fileKind == kRawMovie);
    }
    if (at.fileKind == kRawMovie) {
        seekArea = SeekArea::SeekBar;
        // At its end only Stop, which rewinds, goes on.
        if (at.streamEnded) {
            Enable({sbForward, sbNext}, false);
            Enable({sbStop}, true);
        }
    }
    Enable({sbStopSearch, sbPause}, false);
}

void ControlState::StopPlay(const PlayerPosition& at) {
    Enable({sbBackward, sbPrevious, sbSearchForward, sbSearchBackward, sbStopSearch}, false);
    if (at.fileKind == kAviRecording) Enable({sbPrevEvent, sbNextEvent, sbNext}, true);
    // A raw movie leaves its step as the pause left it.
    if (at.fileKind == kMpeg4Stream) Enable({sbNext}, true);
    if (at.fileKind != kNoFile) {
        Enable({sbForward}, true);
        Enable({sbStop}, false);
    }
}

void ControlState::DisablePlayControls() {
    Enable({sbPause, sbBackward, sbPrevious, sbForward, sbNext, sbStop, sbPrevEvent, sbNextEvent}, false);
    if (seekArea == SeekArea::SeekBar) seekArea = SeekArea::Neither;
}

void ControlState::StepForward(const PlayerPosition& at) {
    if (at.frame == 1) Enable({sbPrevious}, true);
    if (at.AtLastFrame()) Enable({sbNext}, false);
}

// At frame 0 of the first entry there is nothing further back; a later
// entry's frame 0 still steps back into the entry before it.
void ControlState::StepBackward(const PlayerPosition& at) {
    if (at.frame == 0 && at.entry == 0) Enable({sbPrevious, sbBackward}, false);
    if (at.frames == at.frame + 2) Enable({sbNext, sbForward}, true);
}

void ControlState::Seek(const PlayerPosition& at) {
    Enable({sbNext, sbForward, sbSearchForward}, !at.AtLastFrame());
    Enable({sbBackward, sbSearchBackward, sbPrevious}, !at.AtFirstFrame());
}

void ControlState::Clear() {
    windowTitle = "[none]";
    statusPanels = {"[none]", "", "", ""};
    // Nothing open has an interval, a time or a date.
    captions.lblCapInterval.clear();
    captions.lblElapsedTime.clear();
    captions.lblDate.clear();
    captions.lblTime.clear();
    seekArea = SeekArea::ProgressBar;
    Enable({sbSearchForward, sbSearchBackward, sbStopSearch}, false);
    Enable({EmbedTimestamp1}, true);
    // The empty list shows, whatever the last file hid.
    Show({gbPlayList}, true);
    EnableTakingOut(false);
}

void ControlState::OpenMovie(const MovieFacts& movie) {
    // A movie's picture saves as a bitmap; only recordings export.
    Enable({SaveCurrent1, SaveCurrent2}, true);
    Show({CameraSettings1, EmbedTimestamp1}, false);
    Show({Deblock1}, true);
    Show({gbMotion, gbStats, gbPlayRate, lblRate}, false);
    Show({gbPlayList}, movie.fileKind != kRawMovie);
    statusPanels[1] = Format("%dx%d", movie.width, movie.height);
    // A movie's pictures are not counted before they are read.
    statusPanels[2].clear();
    statusPanels[3].clear();
    progressMax = movie.length;
    if (movie.fileKind == kRawMovie) {
        seekMax = movie.length / g_nRawSeekStep;
        seekTickInterval = 1;
    }
    eventButtonsShown = false;
}

void ControlState::ShowStreamPicture(int frame) { statusPanels[3] = FramePanelText(frame); }

void ControlState::RewindRawMovie() { seekArea = SeekArea::ProgressBar; }

void ControlState::SeekRawMovie() { Enable({sbNext, sbForward, sbStop}, true); }

void ControlState::OpenFile(const std::string& name) {
    windowTitle = name;
    statusPanels[0] = name;
    EnableTakingOut(false);
}

void ControlState::OpenAviRecording(const RecordingFacts& recording) {
    Show({CameraSettings1, EmbedTimestamp1}, false);
    Show({Deblock1}, true);
    Enable({EmbedTimestamp1}, false);
    Show({gbPlayRate, gbStats, gbMotion, lblRate, gbPlayList}, true);
    if (!recording.asap) {
        const int s = recording.intervalSecs;
        captions.lblCapInterval = Format("%2.2d:%2.2d:%2.2d", s / 3600, s % 3600 / 60, s % 60);
    }
    statusPanels[1] = Format("%dx%d", recording.width, recording.height);
    statusPanels[2] = Format("Frames = %d", recording.frames);
    seekMax = recording.frames - 1;
    progressMax = seekMax;
    seekTickInterval = std::max(recording.frames / 100, 1);
    eventButtonsShown = recording.hasEvents;
    captions.lblCapIntervalTitle = recording.hasEvents ? "Shutdown Delay" : "Capture Interval";
    EnableTakingOut(true);
}

void ControlState::ShowFrame(const RecordingFacts& recording, const FrameFacts& frame) {
    if (frame.presented) {
        captions.lblDate = frame.date;
        captions.lblTime = frame.time;
        Show({lblCapIntervalTitle, lblCapInterval}, recording.showCaptureInterval);
        if (recording.showCaptureInterval && recording.asap) captions.lblCapInterval = "ASAP";
        Show({lblElapsedTimeTitle, lblElapsedTime}, recording.showElapsedTime);
    }
    statusPanels[3] = FramePanelText(frame.frame);
    captions.lblElapsedTimeTitle = recording.hasEvents ? "Event Number" : "Elapsed Time";
    captions.lblElapsedTime = frame.elapsedText;
}

void ControlState::ShowRate(int framesPerSecond) { captions.lblRate = std::to_string(framesPerSecond); }

void ControlState::BeginExport() {
    enabledBeforeExport_ = enabled;
    Enable({sbBackward, sbPrevious, sbPause, sbStop, sbNext, sbForward, sbPrevEvent, sbNextEvent, sbSearchBackward,
            sbStopSearch, sbSearchForward, Open1, lbPlayList, bPrevious, bSkip, bClearPlayList},
           false);
    EnableTakingOut(false);
    exporting = true;
}

void ControlState::EndExport() {
    enabled = enabledBeforeExport_;
    exporting = false;
}

void ControlState::PrepareSearch() { seekArea = SeekArea::ProgressBar; }

void ControlState::DisablePlayForSearch() {
    Enable({sbStop, sbPause, sbBackward, sbPrevious, sbNext, sbForward, sbNextEvent, sbPrevEvent}, false);
}

void ControlState::StartMotionSearch(int direction) {
    DisablePlayForSearch();
    Enable({sbStopSearch}, true);
    Enable({sbSearchForward, sbSearchBackward}, false);
    ShowSearchLabel(direction > 0 ? SearchLabel::Forward : SearchLabel::Backward);
}

void ControlState::EndSearchWithoutFile() {
    Enable({sbStopSearch}, false);
    ShowSearchLabel(SearchLabel::Inactive);
}

void ControlState::StartEventSearch(int direction) {
    PrepareSearch();
    DisablePlayForSearch();
    if (direction < 0) Enable({sbStop}, true);
}

}  // namespace vn::player
