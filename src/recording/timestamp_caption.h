// The time-stamp caption drawn into the bottom band of a picture: white
// glyphs of the caption font on black, right-aligned.
#pragma once

#include <string>

#include "common/picture.h"

namespace vn::avi {

// The time alone for pictures up to 160 pixels wide, else the date, two
// spaces and the time.
std::string CaptionText(int pictureWidth, const std::string& date, const std::string& time);

// Blacks out the picture's bottom 16 rows and draws text with its glyph rows
// from row y down, starting at column x but never left of column 8 and never
// past the right edge. Characters outside the font draw as blanks.
void DrawCaptionText(Picture& picture, int x, const std::string& text, int y);

// The caption of a frame's capture date and time, placed in its band.
void DrawTimestamp(Picture& picture, const std::string& date, const std::string& time);

}  // namespace vn::avi
