// Opening and closing the file of a play-list entry: the kind chosen by the
// extension, and an AVI recording's preparation of the window.
#include "app/player_engine.h"
#include "diag/message_number.h"

namespace vn::app {

namespace {

// Rows below the picture for the time-stamp caption.
constexpr int kCaptionBandRows = 16;

}  // namespace

bool PlayerEngine::OpenRecordingFile(const std::string& path, int index) {
    CloseCurrentFile();
    controls_.OpenFile(player::FileNameOf(path));
    ApplyControls();
    state.g_nFileKind = player::FileKindForPath(path);
    switch (state.g_nFileKind) {
        case player::kAviRecording:
            return OpenAviRecording(path, index);
        default:
            // MPEG-4 streams and raw movies do not play in this window yet.
            return RefuseFile(diag::UnkFormat);
    }
}

bool PlayerEngine::RefuseFile(int message) {
    // Nothing is open: the timer's ticks find nothing to play while the
    // message waits for the user.
    state.g_nFileKind = player::kNoFile;
    view_.ShowMessage(message);
    return false;
}

void PlayerEngine::CloseCurrentFile() {
    if (state.g_nFileKind == player::kAviRecording) recording.CloseRecording();
    state.g_nFileKind = player::kNoFile;
}

bool PlayerEngine::OpenAviRecording(const std::string& path, int index) {
    decoder.camera.ForgetRecords();
    if (recording.OpenRecording(path) != avi::OpenResult::kOpened) {
        const int frames = recording.header.frames;
        recording.CloseRecording();
        return RefuseFile(frames != 0 ? diag::NotFound : diag::NoFrames);
    }
    frameShow.Reset();
    const int width = recording.header.width;
    const int height = recording.header.height + (prefs_.g_bEmbedTime ? kCaptionBandRows : 0);
    // One picture serves every recording; it changes only with the size.
    if ((g_pFramePicture.width() != width || g_pFramePicture.height() != height) &&
        !g_pFramePicture.Reset(width, height)) {
        recording.CloseRecording();
        state.g_nFileKind = player::kNoFile;
        return false;
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
