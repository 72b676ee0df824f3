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

// A recording's and an MPEG-4 stream's cursor is the frame shown; the File
// menu names a raw movie's picture by the raw movie's own counter.
std::string PlayerEngine::ProposedFrameName(bool fromFileMenu) const {
    const int cursor = state.g_nFileKind == player::kMpeg4Stream ? streamPlayback.frame : recording.currentFrame();
    return player::ProposedFrameName(
        state.g_nFileKind, player::SavedFrameNumber(fromFileMenu, state.g_nFileKind, cursor, rawPlayback.rawFrameCounter));
}

// A recording's frame is fetched again, so that the file holds the frame
// the proposed name numbers even after a frame that could not be read. A
// movie's picture is the decoded one on screen.
bool PlayerEngine::SaveCurrentFrame(const std::string& path, std::string& reason) {
    switch (state.g_nFileKind) {
        case player::kAviRecording:
            if (recording.ReadFrame(recording.currentFrame()) != avi::FrameRead::kOk) {
                reason = "the frame cannot be read from the recording";
                return false;
            }
            return WriteWholeFile(path, recording.LastFrameBytes(), &reason);
        case player::kMpeg4Stream:
            return avi::WriteBitmapFile(path, streamPlayback.g_pFramePicture, &reason);
        case player::kRawMovie:
            if (rawPlayback.shownPicture() == nullptr) break;
            return avi::WriteBitmapFile(path, *rawPlayback.shownPicture(), &reason);
        default:
            break;
    }
    reason = "no picture is shown";
    return false;
}

}  // namespace vn::app
