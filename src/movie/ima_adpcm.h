// The raw movies' sound: IMA ADPCM, one channel, 16000 samples a second, in
// blocks of 128 bytes. A block opens with a 4-byte header (the first sample,
// 16-bit little-endian, the step index and a reserved byte), then 124 bytes
// of 4-bit codes, the low half of each byte first: 249 samples in all. An
// output buffer of 512 bytes holds four blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace vn::movie {

inline constexpr int kAdpcmSampleRate = 16000;
inline constexpr size_t kAdpcmBlockBytes = 128;
inline constexpr size_t kAdpcmHeaderBytes = 4;
inline constexpr size_t kAdpcmSamplesPerBlock = 1 + 2 * (kAdpcmBlockBytes - kAdpcmHeaderBytes);
inline constexpr size_t kAudioBufferBytes = 512;
inline constexpr int kAdpcmMaxStepIndex = 88;

// The state that one code moves on: the last sample and the step index.
struct AdpcmChannel {
    int predictor = 0;
    int stepIndex = 0;
};

// Applies one 4-bit code (the low four bits of `code`) to the channel and
// returns the new sample. The encoder uses it too, so both sides keep the
// same state.
int16_t DecodeAdpcmCode(AdpcmChannel& channel, uint8_t code);

// The number of samples that `byteCount` bytes of block stream hold: 249 per
// whole block; a short last block gives its header's sample and two per byte
// after it, nothing when it is shorter than its header.
size_t AdpcmSampleCount(size_t byteCount);

// Decodes bytes that start on a block boundary (one output buffer, or any
// run of whole blocks and one short last block) into pcm. Writes
// min(AdpcmSampleCount(bytes.size()), pcm.size()) samples and returns that
// count. Any bytes decode: a step index above 88 counts as 88 and samples
// saturate at the 16-bit limits.
size_t DecodeAdpcm(std::span<const uint8_t> bytes, std::span<int16_t> pcm);

}  // namespace vn::movie
