// The texts of the diagnostics window's camera value labels for the frame on
// screen, and the window over which its focus score is measured.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "decode/camera_record.h"
#include "decode/jpeg_decoder.h"

namespace vn::diag {

// Label name and its text, in the order the labels are written.
using LabelTexts = std::vector<std::pair<const char*, std::string>>;

// lblFWRev .. lblTemp, apart from the focus score; values still unknown
// (-1, or 0 for the battery) give empty texts.
LabelTexts CameraValueTexts(const jpeg::FrameCameraRecord& record);

// lblsig1, lblsig2 and lblcs1 .. lblcs4 as four upper-case hex digits.
LabelTexts ChecksumTexts(const jpeg::FrameCameraRecord& record);

// The focus measure over a 320 x 180 window left of centre and above the
// middle of a 1280 x 720 picture.
int64_t FrameFocusScore(const jpeg::JpegDecoder& decoder);

}  // namespace vn::diag
