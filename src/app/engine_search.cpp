// The search commands: the motion search forward and backward, Next and
// Prev Event, PIR Seek and Stop Search. They run the play-list searches of
// the core inside the command, showing the scan's progress and letting the
// window's events run after each frame, so that Stop Search, the play list
// and the window stay usable while a search runs.
#include <QCoreApplication>

#include "app/player_engine.h"

namespace vn::app {

namespace {

// Painting every scanned frame would cost more than scanning it; the
// thumbnail and the bar follow at about the screen's pace.
constexpr std::chrono::milliseconds kScanPaintInterval{16};

}  // namespace

void PlayerEngine::sbSearchForwardClick(const std::string& thresholdText) { MotionSearchCommand(1, thresholdText); }

void PlayerEngine::sbSearchBackwardClick(const std::string& thresholdText) { MotionSearchCommand(-1, thresholdText); }

void PlayerEngine::sbNextEventClick() { EventSearch(1, false); }

void PlayerEngine::sbPrevEventClick() { EventSearch(-1, false); }

void PlayerEngine::sbPIRSeekFwdClick() { EventSearch(1, true); }

void PlayerEngine::sbPIRSeekRevClick() { EventSearch(-1, true); }

void PlayerEngine::sbStopSearchClick() {
    recording.scanner.RequestScanStop();
    state.g_nSearchDirection = 0;
    state.g_bSearching = false;
    // A running search pauses when it ends, on the frame it stopped at.
    if (!scanning_) PausePlay();
}

void PlayerEngine::MotionSearchCommand(int direction, const std::string& thresholdText) {
    // The PIR buttons stay usable during a search; one search at a time.
    if (scanning_ || state.g_nFileKind != player::kAviRecording) return;
    controls_.PrepareSearch();
    ApplyControls();
    const int threshold = player::ReadMotionThreshold(thresholdText);
    if (threshold == 0) {
        // The last usable threshold is the one kept for the next start.
        view_.RefuseMotionThreshold();
        PausePlay();
        return;
    }
    prefs_.nMotionThreshold = threshold;
    MotionSearch(direction, threshold);
}

void PlayerEngine::MotionSearch(int direction, int threshold) {
    state.g_bSearching = true;
    state.g_nSearchDirection = direction;
    controls_.PrepareSearch();
    controls_.StartMotionSearch(direction);
    ApplyControls();
    const player::SearchEnd end = RunSearch(ScanShows::Thumbnail, [&](player::PlayListSearch& search) {
        return search.MotionSearch(playList.g_nPlayListIndex, direction, threshold);
    });
    // A search that ends by itself ends searching: the entries played after
    // it play. A double click that stopped it searches on as it opens.
    state.g_bSearching = false;
    if (end.opened) {
        ShowSearchEnd(end);
        controls_.ShowSearchLabel(end.found ? player::SearchLabel::Found : player::SearchLabel::Inactive);
        PausePlay();
    } else {
        controls_.EndSearchWithoutFile();
        DisablePlayControls();
    }
    RunCommandsPutOff();
}

void PlayerEngine::EventSearch(int direction, bool trigger) {
    // The PIR buttons stay open while an export reads the recording.
    if (scanning_ || controls_.exporting || state.g_nFileKind != player::kAviRecording) return;
    controls_.StartEventSearch(direction);
    ApplyControls();
    const player::SearchEnd end = RunSearch(ScanShows::MovieInfo, [&](player::PlayListSearch& search) {
        return search.EventSearch(playList.g_nPlayListIndex, direction, trigger);
    });
    if (end.opened) {
        ShowSearchEnd(end);
        PausePlay();
    } else {
        DisablePlayControls();
    }
    RunCommandsPutOff();
}

player::SearchEnd PlayerEngine::RunSearch(ScanShows shows,
                                          const std::function<player::SearchEnd(player::PlayListSearch&)>& search) {
    // Playback would move the recording under the scan and share its decoder.
    state.g_bPlaying = false;
    scanning_ = true;
    lastScanPaint_ = {};
    unpaintedScanFrame_ = -1;
    recording.scanner.frameScanned = [this, shows](int frame) { ShowScanProgress(frame, shows); };
    player::PlayListSearch overPlayList(recording, playList, [this](int entry) { return OpenForSearch(entry); });
    const player::SearchEnd end = search(overPlayList);
    recording.scanner.frameScanned = nullptr;
    // The scan ends showing the last frame it scanned, as if every one were painted.
    if (unpaintedScanFrame_ >= 0) PaintScanProgress(unpaintedScanFrame_, shows);
    scanning_ = false;
    return end;
}

bool PlayerEngine::OpenForSearch(int entry) {
    playList.g_nPlayListIndex = entry;
    view_.SelectPlayListEntry(entry);
    return OpenRecordingFile(playList.Path(entry), entry);
}

void PlayerEngine::ShowScanProgress(int frame, ScanShows shows) {
    const auto now = std::chrono::steady_clock::now();
    if (now - lastScanPaint_ >= kScanPaintInterval) {
        lastScanPaint_ = now;
        PaintScanProgress(frame, shows);
    } else {
        unpaintedScanFrame_ = frame;
    }
    QCoreApplication::processEvents();
}

void PlayerEngine::PaintScanProgress(int frame, ScanShows shows) {
    unpaintedScanFrame_ = -1;
    if (shows == ScanShows::Thumbnail) {
        view_.ShowSearchThumbnail(&recording.scanner.Thumbnail(), frame);
    } else {
        movieInfo.FillMovieInfo(recording, decoder.camera);
        view_.ApplyMovieInfo(movieInfo);
        MoveSeekBar(frame);
    }
}

void PlayerEngine::ShowSearchEnd(const player::SearchEnd& end) {
    playList.g_nPlayListIndex = end.entry;
    recording.SetFrame(end.frame);
    ShowCurrentFrame(true);
}

bool PlayerEngine::PutOffWhileScanning(std::function<void()> command) {
    if (!scanning_) return false;
    recording.scanner.RequestScanStop();
    putOff_.push_back(std::move(command));
    return true;
}

void PlayerEngine::RunCommandsPutOff() {
    std::vector<std::function<void()>> commands;
    commands.swap(putOff_);
    for (const std::function<void()>& command : commands) command();
}

void PlayerEngine::ContinueSearch() {
    if (state.g_nSearchDirection < 0) {
        recording.GoToEnd();
    } else {
        recording.SetFrame(0);
    }
    MotionSearch(state.g_nSearchDirection, prefs_.nMotionThreshold);
}

}  // namespace vn::app
