#include "movie/ima_adpcm.h"

#include <algorithm>
#include <array>

namespace vn::movie {

namespace {

constexpr std::array<int16_t, kAdpcmMaxStepIndex + 1> kStepSizes = {
    7,    8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,    28,
    31,   34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,    107,   118,
    130,  143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,   408,   449,   494,
    544,  598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,
    2272, 2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,
    9493, 10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767,
};

// Small codes shrink the step, large ones grow it; the sign bit plays no part.
constexpr std::array<int8_t, 8> kStepIndexChange = {-1, -1, -1, -1, 2, 4, 6, 8};

}  // namespace

int16_t DecodeAdpcmCode(AdpcmChannel& channel, uint8_t code) {
    const int step = kStepSizes[std::clamp(channel.stepIndex, 0, kAdpcmMaxStepIndex)];
    int difference = step >> 3;
    if (code & 4) difference += step;
    if (code & 2) difference += step >> 1;
    if (code & 1) difference += step >> 2;
    if (code & 8) difference = -difference;
    channel.predictor = std::clamp(channel.predictor + difference, -32768, 32767);
    channel.stepIndex = std::clamp(channel.stepIndex + kStepIndexChange[code & 7], 0, kAdpcmMaxStepIndex);
    return static_cast<int16_t>(channel.predictor);
}

size_t AdpcmSampleCount(size_t byteCount) {
    const size_t whole = byteCount / kAdpcmBlockBytes;
    const size_t rest = byteCount % kAdpcmBlockBytes;
    const size_t partial = rest < kAdpcmHeaderBytes ? 0 : 1 + 2 * (rest - kAdpcmHeaderBytes);
    return whole * kAdpcmSamplesPerBlock + partial;
}

size_t DecodeAdpcm(std::span<const uint8_t> bytes, std::span<int16_t> pcm) {
    const size_t count = std::min(AdpcmSampleCount(bytes.size()), pcm.size());
    size_t written = 0;
    for (size_t block = 0; written < count; block += kAdpcmBlockBytes) {
        const std::span<const uint8_t> b = bytes.subspan(block, std::min(kAdpcmBlockBytes, bytes.size() - block));
        AdpcmChannel channel;
        channel.predictor = static_cast<int16_t>(b[0] | b[1] << 8);
        channel.stepIndex = std::min<int>(b[2], kAdpcmMaxStepIndex);
        pcm[written++] = static_cast<int16_t>(channel.predictor);
        for (size_t i = kAdpcmHeaderBytes; i < b.size() && written < count; ++i) {
            pcm[written++] = DecodeAdpcmCode(channel, b[i] & 0x0F);
            if (written < count) pcm[written++] = DecodeAdpcmCode(channel, b[i] >> 4);
        }
    }
    return written;
}

}  // namespace vn::movie
