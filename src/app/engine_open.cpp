// Opening and closing the file of a play-list entry: the kind chosen by the
// extension, and an AVI recording's preparation of the window.
#include "app/player_engine.h"
#include "diag/message_number.h"

namespace vn::app {

namespace {

// Rows below the picture for the time-stamp caption.
constexpr int kCaptionBandRows = 16;

// The prepared message that is true of a recording that failed to open;
// the reason says the rest.
int MessageForFailure(const std::string& reason) {
    if (reason == avi::kNoSuchFile) return diag::NotFound;
    if (reason == avi::kNoFrames) return diag::NoFrames;
    return diag::CannotOpen;
}

}  // namespace

bool PlayerEngine::OpenRecordingFile(const std::string& path, int index) {
    CloseCurrentFile();
    controls_.OpenFile(player::FileNameOf(path));
    ApplyControls();
    state.g_nFileKind = player::FileKindForPath(path);
    switch (state.g_nFileKind) {
        case player::kAviRecording:
            return OpenAviRecording(path, index);
        case player::kMpeg4Stream:
        case player::kRawMovie:
            return OpenMovie(path, index);
        default:
            return RefuseFile(index, path, diag::UnkFormat, "not a kind of file this player plays");
    }
}

bool PlayerEngine::RefuseFile(int index, const std::string& path, int message, const std::string& reason) {
    // Nothing is open: the timer's ticks find nothing to play while the
    // message waits for the user, and the last picture is another file's.
    state.g_nFileKind = player::kNoFile;
    view_.HidePicture();
    if (index >= 0 && index < playList.g_nPlayListCount()) {
        playList.Refuse(index, reason);
        view_.MarkPlayListEntry(index, reason);
    }
    view_.ShowMessage(message, player::FileNameOf(path) + ": " + reason);
    return false;
}

void PlayerEngine::CloseCurrentFile() {
    if (state.g_nFileKind == player::kAviRecording) recording.CloseRecording();
    if (IsMovie()) CloseMovie();
    state.g_nFileKind = player::kNoFile;
}

bool PlayerEngine::OpenAviRecording(const std::string& path, int index) {
    decoder.camera.ForgetRecords();
    if (recording.OpenRecording(path) != avi::OpenResult::kOpened) {
        const std::string reason = recording.openFailure;
        recording.CloseRecording();
        return RefuseFile(index, path, MessageForFailure(reason), reason);
    }
    frameShow.Reset();
    movieInfo = avi::MovieInfoPanel{};
    const int width = recording.header.width;
    const int height = recording.header.height + (prefs_.g_bEmbedTime ? kCaptionBandRows : 0);
    // One picture serves every recording; it changes only with the size.
    if ((g_pFramePicture.width() != width || g_pFramePicture.height() != height) &&
        !g_pFramePicture.Reset(width, height)) {
        recording.CloseRecording();
        return RefuseFile(index, path, diag::CannotOpen, "not enough memory for its pictures");
    }
    state.g_bLoading = true;
    TakeRateFromRecording();
    // The first recording's zoom lays the window out with the play controls
    // as they were; the event buttons are cut off after.
    view_.SizePicture(width, height);
    controls_.OpenAviRecording(Facts());
    ApplyControls();
    view_.SelectPlayListEntry(index);
    state.g_bLoading = false;
    view_.ProposeExportRange(1, recording.header.frames);
    return true;
}

// Every recording plays at its own rate, whatever the speed bar showed.
void PlayerEngine::TakeRateFromRecording() {
    prefs_.nFrmRate = player::RateFromRecording(recording.header.rate, recording.header.interval);
    view_.MoveSpeedBar(player::SpeedBarPositionForRate(prefs_.nFrmRate));
    ShowRate();
    ApplyRate();
}

void PlayerEngine::ShowPreferredRate() {
    state.g_bLoading = true;
    view_.MoveSpeedBar(player::SpeedBarPositionForRate(prefs_.nFrmRate));
    ShowRate();
    state.g_bLoading = false;
}

void PlayerEngine::ShowRate() {
    controls_.ShowRate(prefs_.nFrmRate);
    ApplyControls();
}

}  // namespace vn::app
