// The search commands over the play list, without a window: the motion
// search and the event search run the recording's scanning loops from the
// current frame and cross into the following entries (or the ones before)
// until they find a frame or run out of entries. The window's commands and
// vnplay-tool's search run this same code, so they end on the same frame.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "player/control_state.h"
#include "player/play_list.h"
#include "recording/recording.h"

namespace vn::player {

// Where a search ended.
struct SearchEnd {
    bool opened = true;  // false: entry could not be opened, which ended the search
    int entry = 0;       // the open entry
    int frame = 0;       // the frame to show
    bool found = false;  // a frame found, or the one a stop was noticed at: "Found"
    int64_t framesScanned = 0;
};

// The threshold field's text as the motion search reads it: the leading
// decimal number after an optional sign; 0 when the text does not begin
// with one (which refuses the search).
int ReadMotionThreshold(const std::string& text);

class PlayListSearch {
public:
    // open(i) opens play-list entry i into the recording; false when it
    // cannot be played. Entries that are no AVI recordings have no frames
    // to scan and are passed over without being opened.
    PlayListSearch(avi::Recording& recording, const PlayList& playList, std::function<bool(int)> open)
        : recording_(recording), playList_(playList), open_(std::move(open)) {}

    // From the recording's current frame in entry `entry`, forward
    // (direction 1) or backward (-1), to the first frame with motion. Found
    // nothing: the last frame of the last recording, or frame 0 of the first.
    SearchEnd MotionSearch(int entry, int direction, int threshold);

    // From the frame after (before) the current one to the next (previous)
    // event frame; with trigger, the open recording is walked for the
    // trigger sensor instead, the entries crossed into are searched for
    // event frames. A previous-event search never looks at a frame 0.
    SearchEnd EventSearch(int entry, int direction, bool trigger);

private:
    // The loop's result, counting the frames it fetched.
    int Run(const std::function<int(avi::FrameScanner&)>& loop);
    // Moves to the next recording in direction and opens it. False when
    // there is none (entry is left alone) or it cannot be opened (opened_
    // is cleared).
    bool OpenNext(int& entry, int direction);
    int LastFrame() const { return recording_.header.frames - 1; }
    SearchEnd End(int entry, int frame, bool found) const;

    avi::Recording& recording_;
    const PlayList& playList_;
    std::function<bool(int)> open_;
    bool opened_ = true;
    int64_t framesScanned_ = 0;
};

}  // namespace vn::player
