// The Movie Info panel's contents, computed without a window: the camera's
// settings from the recording's movie record or, without one, from the
// current frame's camera record. The window applies the state to the
// controls of the same names.
#pragma once

#include <map>
#include <string>

#include "decode/camera_record.h"
#include "recording/recording.h"

namespace vn::avi {

class MovieInfoPanel {
public:
    // Refreshes the panel for the frame parsed last. A camera kind above 5
    // is taken as 0 and stored back into the record.
    void FillMovieInfo(const Recording& recording, jpeg::CameraRecords& camera);

    // Everything written since the panel was made (made anew for each
    // recording); a run leaves the rows it does not touch as they were.
    std::map<std::string, std::string> text;
    std::map<std::string, bool> visible;
    std::map<std::string, std::string> colour;  // "black" or "red"

private:
    void FromMovieRecord(const MovieRecord& record);
    void FromFrameSettings(const jpeg::FrameCameraRecord& frame, int wrdCaptureMode);
    void Show(const char* control, bool shown) { visible[control] = shown; }
    void Set(const char* control, std::string value) { text[control] = std::move(value); }
};

// "+%d" above 0, "%d" otherwise.
std::string SignedText(int value);

}  // namespace vn::avi
