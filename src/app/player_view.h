// The main window as the playback engine sees it: where pictures go, the
// state of the controls the engine decides, and the few controls that the
// user moves too. The window implements it; the engine knows no widget.
#pragma once

#include <string>
#include <vector>

#include "common/picture.h"
#include "player/control_state.h"

namespace vn::avi {
class MovieInfoPanel;
}  // namespace vn::avi

namespace vn::app {

class PlayerView {
public:
    // The picture is shown without a copy: it must stay alive while shown,
    // or be withdrawn with HidePicture.
    virtual void PresentPicture(const Picture& picture) = 0;
    virtual void HidePicture() = 0;
    // The size of the pictures about to be shown; the zoom follows it.
    virtual void SizePicture(int width, int height) = 0;

    // Every control the engine governs, as decided.
    virtual void ApplyControls(const player::ControlState& controls) = 0;
    virtual void ApplyMovieInfo(const avi::MovieInfoPanel& panel) = 0;

    // Controls that the user moves as well. A move made here changes the
    // control as a user's would; the engine makes it under the guard that
    // tells the two apart (g_bSeekLock, g_bLoading).
    virtual void MoveSeekBar(int position) = 0;   // tbWhere and pbWhere
    virtual void MoveSpeedBar(int position) = 0;  // tbRate
    virtual void ShowPlayList(const std::vector<std::string>& names) = 0;
    virtual void SelectPlayListEntry(int index) = 0;

    // A frame the motion search scanned, one pixel per 8 x 8 block, in the
    // search's thumbnail panel; the progress bar moves to the frame.
    virtual void ShowSearchThumbnail(const Picture* thumbnail, int frameIndex) = 0;
    // The threshold field's text is no threshold: the warning beep, and the
    // focus back in the field.
    virtual void RefuseMotionThreshold() = 0;

    // One of the message dialog's prepared messages, modally.
    virtual void ShowMessage(int message) = 0;
    virtual void BringToFront() = 0;
    // The range the export dialog proposes: the open recording's frames.
    virtual void ProposeExportRange(int first, int last) = 0;

protected:
    ~PlayerView() = default;
};

}  // namespace vn::app
