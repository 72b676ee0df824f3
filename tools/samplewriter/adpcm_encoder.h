// The raw movies' sound as the cameras write it: IMA ADPCM blocks of 128
// bytes (see movie/ima_adpcm.h), encoded from 16-bit samples.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vn::samples {

// Encodes pcm into the block stream. Each block's header carries its first
// sample exactly and the step index reached so far; each code is the one
// whose decoded sample comes nearest the source. The result is as long as
// the samples need: whole blocks, then a short block when pcm.size() is not
// a multiple of 249 (whose last byte holds one code and a zero when an even
// number of samples follows its header).
std::vector<uint8_t> EncodeAdpcm(std::span<const int16_t> pcm);

// A sine tone of the given frequency (Hz) and peak amplitude, count samples
// at 16000 a second, starting at phase 0.
std::vector<int16_t> SineTone(double frequency, double amplitude, size_t count);

}  // namespace vn::samples
