// Where the main window's groups go when the window is resized or a file is
// opened. The rectangles of the groups are in client coordinates; those of
// pnlWhere (in gbSeek) and of the play-list controls (in gbPlayList) are in
// their group's coordinates.
#pragma once

#include "common/geometry.h"

namespace vn::player {

struct MainWindowLayout {
    Rect ScrollBox1;
    Rect pnlPlayCtrl;
    Rect gbSeek;
    Rect pnlWhere;
    Rect gbPlayRate;
    Rect lblRate;
    Rect gbStats;
    Rect gbMotion;
    Rect gbPlayList;
    Rect gbMovieInfo;
    Rect lbPlayList;
    Rect lblFilePath;
    Rect pnlPLControls;
    int StatusBar1Height = 0;
    bool operator==(const MainWindowLayout&) const = default;
};

// Moves and sizes the controls for a client area, keeping the designed
// sizes the rules do not change. fileKind is the open file's kind: AVI
// recordings and no file get the full layout, MPEG-4 streams (2) and raw
// movies (3) the compact one.
void LayoutMainWindow(MainWindowLayout& layout, Size client, int fileKind);

// The smallest client area in which the full layout overlaps nothing: the
// play controls fit under the picture, and the right-hand column, with the
// play list at its smallest and Movie Info under it, above the status bar.
Size MinimumClientSize(const MainWindowLayout& layout);

}  // namespace vn::player
