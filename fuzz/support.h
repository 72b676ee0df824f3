// What the harnesses share: a decoder put back into one fixed state before
// every input, so that an input always does the same; the picture-size
// bound every harness keeps to; little-endian peeks into an input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "decode/jpeg_decoder.h"

namespace vn::fuzz {

// Pictures of at most 64 x 64 blocks of 8 x 8 pixels: enough for every code
// path, small enough for thousands of inputs a second.
constexpr int kMaxSide = 64 * 8;

// Forgets what earlier inputs left in the decoder: the standard DC tables
// and fixed quantisers in every slot, no camera records, no clock, every
// switch off, and no debug output.
void StartAfresh(jpeg::JpegDecoder& decoder);

// The i32 at offset, or 0 when the input is shorter.
int32_t I32At(std::span<const uint8_t> input, size_t offset);

}  // namespace vn::fuzz
