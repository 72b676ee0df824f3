// Saving the frame on screen: which number names it and the name proposed.
// A recording's frame is saved as its JPEG bytes, a movie's picture as a
// bitmap.
#pragma once

#include <string>

namespace vn::player {

// The number the save commands give: the 1-based cursor, except that the
// File menu's command names a raw movie's picture by its own counter.
int SavedFrameNumber(bool fromFileMenu, int fileKind, int cursor, int rawMovieCounter);

// "mvfrm00012.jpg" for a recording's frame, "mvfrm00012.bmp" for an MPEG-4
// stream's picture, "mvfrm00000c.bmp" (six hexadecimal digits) for a raw
// movie's; empty when no file is open.
std::string ProposedFrameName(int fileKind, int number);

}  // namespace vn::player
