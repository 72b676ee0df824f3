#include "samplewriter/adpcm_encoder.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "movie/ima_adpcm.h"

namespace vn::samples {

namespace {

using movie::AdpcmChannel;

// The code that brings the channel nearest the sample, applied.
uint8_t NearestCode(AdpcmChannel& channel, int sample) {
    uint8_t best = 0;
    int bestError = -1;
    AdpcmChannel bestState = channel;
    for (uint8_t code = 0; code < 16; ++code) {
        AdpcmChannel trial = channel;
        const int error = std::abs(movie::DecodeAdpcmCode(trial, code) - sample);
        if (bestError < 0 || error < bestError) {
            best = code;
            bestError = error;
            bestState = trial;
        }
    }
    channel = bestState;
    return best;
}

}  // namespace

std::vector<uint8_t> EncodeAdpcm(std::span<const int16_t> pcm) {
    std::vector<uint8_t> bytes;
    AdpcmChannel channel;
    for (size_t first = 0; first < pcm.size(); first += movie::kAdpcmSamplesPerBlock) {
        const int16_t head = pcm[first];
        channel.predictor = head;
        bytes.insert(bytes.end(), {static_cast<uint8_t>(head), static_cast<uint8_t>(static_cast<uint16_t>(head) >> 8),
                                   static_cast<uint8_t>(channel.stepIndex), 0});
        const size_t end = std::min(pcm.size(), first + movie::kAdpcmSamplesPerBlock);
        for (size_t i = first + 1; i < end; i += 2) {
            const uint8_t low = NearestCode(channel, pcm[i]);
            const uint8_t high = i + 1 < end ? NearestCode(channel, pcm[i + 1]) : 0;
            bytes.push_back(static_cast<uint8_t>(low | high << 4));
        }
    }
    return bytes;
}

std::vector<int16_t> SineTone(double frequency, double amplitude, size_t count) {
    std::vector<int16_t> pcm(count);
    for (size_t i = 0; i < count; ++i) {
        const double phase = 2 * std::numbers::pi * frequency * static_cast<double>(i) / movie::kAdpcmSampleRate;
        pcm[i] = static_cast<int16_t>(std::lround(amplitude * std::sin(phase)));
    }
    return pcm;
}

}  // namespace vn::samples
