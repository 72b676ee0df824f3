// Writes a picture as a standard 24-bit Windows bitmap: 14-byte file
// header, 40-byte BITMAPINFOHEADER, bottom-up rows padded to 4 bytes.
#pragma once

#include <string>

#include "common/picture.h"

namespace vn::avi {

// False when the picture is empty or the file cannot be written (then
// nothing is left of it, and reason, when given, says why).
bool WriteBitmapFile(const std::string& path, const Picture& picture, std::string* reason = nullptr);

}  // namespace vn::avi
