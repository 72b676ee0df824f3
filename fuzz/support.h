// What the harnesses share: a decoder put back into one fixed state before
// every input, so that an input always does the same; the picture-size
// bound every harness keeps to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "decode/jpeg_decoder.h"
#include "recording/recording.h"

namespace vn::fuzz {

// Pictures of at most 64 x 64 blocks of 8 x 8 pixels: enough for every code
// path, small enough for thousands of inputs a second.
constexpr int kMaxSide = 64 * 8;

// Opens the recording in input as the player opens a file, read from
// memory through the recording's decoder after StartAfresh; false when the
// header declares a picture larger than kMaxSide or the recording does not
// open. A bad index entry leaves it open with the frames before it.
bool OpenSmallRecording(avi::Recording& recording, jpeg::JpegDecoder& decoder, std::span<const uint8_t> input);

// Forgets what earlier inputs left in the decoder: the standard DC tables
// and fixed quantisers in every slot, no camera records, no clock, every
// switch off, and no debug output.
void StartAfresh(jpeg::JpegDecoder& decoder);

}  // namespace vn::fuzz
