// The engine's part in taking the open recording out: an export while the
// commands that would change the recording are held, and saving the frame
// on screen.
#include "app/player_engine.h"
#include "common/output_file.h"
#include "player/saved_frame.h"
#include "recording/bitmap_file.h"

namespace vn::app {

avi::ExportSummary PlayerEngine::ExportSegment(const avi::ExportRequest& request, avi::ExportProgress& progress) {
    controls_.BeginExport();
    ApplyControls();
    const avi::ExportSummary summary = avi::ExportSegment(recording, request, progress);
    controls_.EndExport();
    ApplyControls();
    return summary;
}

std::string PlayerEngine::OpenFilePath() const {
    const int entry = playList.g_nPlayListIndex;
    if (state.g_nFileKind == player::kNoFile || entry < 0 || entry >= playList.g_nPlayListCount()) return {};
    return playList.Path(entry);
}

// Movies give the number of their own picture once they play here.
std::string PlayerEngine::ProposedFrameName(bool fromFileMenu) const {
    const int cursor = recording.currentFrame();
    return player::ProposedFrameName(state.g_nFileKind,
                                     player::SavedFrameNumber(fromFileMenu, state.g_nFileKind, cursor, cursor + 1));
}

// A recording's frame is fetched again, so that the file holds the frame
// the proposed name numbers even after a frame that could not be read.
bool PlayerEngine::SaveCurrentFrame(const std::string& path, std::string& reason) {
    if (state.g_nFileKind != player::kAviRecording) return avi::WriteBitmapFile(path, g_pFramePicture, &reason);
    if (recording.ReadFrame(recording.currentFrame()) != avi::FrameRead::kOk) {
        reason = "the frame cannot be read from the recording";
        return false;
    }
    return WriteWholeFile(path, recording.LastFrameBytes(), &reason);
}

}  // namespace vn::app
