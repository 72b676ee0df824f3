// The play list's commands: adding files from the open dialog, drops and the
// command line, moving between entries, clearing, and playing on from one
// entry to the next.
#include <QFile>

#include <vector>

#include "app/player_engine.h"
#include "platform/hints.h"

namespace vn::app {

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

player::AddResult PlayerEngine::AddPlayListFile(const QString& path) {
    const int open = playList.g_nPlayListIndex;
    const player::AddResult result = playList.AddPlayListFile(LocalPath(path), state.g_bPlaying);
    if (playList.g_nPlayListIndex != open) view_.SelectPlayListEntry(playList.g_nPlayListIndex);
    return result;
}

void PlayerEngine::AddPlayListFiles(const QStringList& paths) {
    int listFull = 0;
    int pathTooLong = 0;
    for (const QString& path : paths) {
        const player::AddResult result = AddPlayListFile(path);
        listFull += result == player::AddResult::ListFull;
        pathTooLong += result == player::AddResult::PathTooLong;
    }
    const std::string notAdded = player::NotAddedText(listFull, pathTooLong);
    if (!notAdded.empty()) view_.ShowStatusMessage(notAdded);
}

void PlayerEngine::ShowPlayList() {
    std::vector<std::string> names;
    for (const player::PlayListEntry& entry : playList.entries()) names.push_back(player::FileNameOf(entry.path));
    view_.ShowPlayList(names);
    for (int i = 0; i < playList.g_nPlayListCount(); ++i) {
        if (playList.IsRefused(i)) view_.MarkPlayListEntry(i, playList.entries()[static_cast<size_t>(i)].refusal);
    }
    view_.SelectPlayListEntry(playList.g_nPlayListIndex);
}

void PlayerEngine::ClearPlayList() {
    CloseCurrentFile();
    playList.Clear();
    state.g_nDirection = 1;
    DisablePlayControls();
    view_.ShowPlayList({});
}

void PlayerEngine::OpenPlayListEntry(int index, bool retry) {
    // An entry that cannot be opened has said why, once: playing goes on with
    // the next one in the direction of play, later rounds pass it by, and
    // playing stops once every entry failed.
    const int step = state.g_nDirection < 0 ? -1 : 1;
    for (int tried = 0; tried < playList.g_nPlayListCount(); ++tried, index += step) {
        index = playList.Wrap(index);
        if (playList.IsRefused(index) && !(retry && tried == 0)) continue;
        playList.g_nPlayListIndex = index;
        view_.SelectPlayListEntry(index);
        if (OpenRecordingFile(playList.Path(index), index)) {
            ContinueWithOpenEntry();
            return;
        }
    }
    DisablePlayControls();
}

void PlayerEngine::ContinueWithOpenEntry() {
    if (state.g_bSearching && state.g_nSearchDirection != 0) {
        ContinueSearch();
        return;
    }
    // A rate of 0 leaves no direction; the next entry then starts forwards.
    const int direction = state.g_nDirection < 0 && !IsMovie() ? -1 : 1;
    if (direction < 0) recording.GoToEnd();
    StartPlay(direction);
}

void PlayerEngine::ReplacePlayList(const QStringList& paths) {
    if (PutOffWhileScanning([this, paths] { ReplacePlayList(paths); })) return;
    // The open file stays open until another is opened.
    playList.Clear();
    AddPlayListFiles(paths);
    ShowPlayList();
    if (!state.g_bPlaying) OpenPlayListEntry(0);
}

void PlayerEngine::FilesDropped(const QStringList& paths) {
    // An export reads the open recording; it would not survive a new one.
    if (controls_.exporting) return;
    if (PutOffWhileScanning([this, paths] { FilesDropped(paths); })) return;
    AddPlayListFiles(paths);
    ShowPlayList();
    if (!state.g_bPlaying) OpenPlayListEntry(0);
}

void PlayerEngine::AddCommandLine(const QStringList& paths) {
    AddPlayListFiles(paths);
    ShowPlayList();
}

void PlayerEngine::PlayFirstEntry() {
    state.g_nDirection = 1;
    OpenPlayListEntry(0);
}

// "&Previous" and "&Next" do not wrap round the list as playing does.
void PlayerEngine::bPreviousClick() {
    if (PutOffWhileScanning([this] { bPreviousClick(); })) return;
    if (playList.g_nPlayListIndex <= 0) {
        ui::Beep();
        return;
    }
    OpenPlayListEntry(playList.g_nPlayListIndex - 1);
}

void PlayerEngine::bSkipClick() {
    if (PutOffWhileScanning([this] { bSkipClick(); })) return;
    if (playList.g_nPlayListIndex >= playList.g_nPlayListCount() - 1) {
        ui::Beep();
        return;
    }
    OpenPlayListEntry(playList.g_nPlayListIndex + 1);
}

void PlayerEngine::bClearPlayListClick() {
    if (PutOffWhileScanning([this] { bClearPlayListClick(); })) return;
    StopPlay();
    ClearPlayList();
    controls_.Clear();
    ApplyControls();
    view_.HidePicture();
    movieInfo = avi::MovieInfoPanel{};
    view_.ApplyMovieInfo(movieInfo);
}

// During a motion search the clicked entry is searched from its start (its
// end, searching backward); during an event search it plays.
void PlayerEngine::lbPlayListDblClick(int selected) {
    if (selected < 0) return;
    const bool searching = state.g_bSearching;
    const int direction = state.g_nSearchDirection;
    // The user's own choice tries a refused file again.
    const bool putOff = PutOffWhileScanning([this, selected, searching, direction] {
        state.g_bSearching = searching;
        state.g_nSearchDirection = direction;
        OpenPlayListEntry(selected, true);
        // Also where no entry would open and nothing searched on.
        state.g_bSearching = false;
    });
    if (!putOff) OpenPlayListEntry(selected, true);
}

}  // namespace vn::app
