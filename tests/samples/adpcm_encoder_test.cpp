// The sample writer's sound encoder against the player's decoder: a tone
// comes back as itself, block by block.
#include "samplewriter/adpcm_encoder.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "movie/ima_adpcm.h"
#include "samples/tone_check.h"

namespace vn::samples {
namespace {

using movie::AdpcmSampleCount;
using movie::DecodeAdpcm;
using movie::kAdpcmBlockBytes;
using movie::kAdpcmSampleRate;
using movie::kAdpcmSamplesPerBlock;

std::vector<int16_t> Decoded(const std::vector<uint8_t>& bytes) {
    std::vector<int16_t> pcm(AdpcmSampleCount(bytes.size()));
    pcm.resize(DecodeAdpcm(bytes, pcm));
    return pcm;
}

TEST(AdpcmEncoder, ToneComesBackWithinTheCodecsError) {
    for (const auto& [frequency, amplitude, snr] :
         {std::tuple{1000.0, 8000.0, 27.5}, std::tuple{440.0, 20000.0, 30.0}, std::tuple{3000.0, 3000.0, 17.5}}) {
        SCOPED_TRACE(frequency);
        const std::vector<int16_t> tone = SineTone(frequency, amplitude, kAdpcmSampleRate);
        const std::vector<uint8_t> bytes = EncodeAdpcm(tone);
        // 64 whole blocks, then a header and 63 codes in 32 bytes.
        EXPECT_EQ(bytes.size(), 64 * kAdpcmBlockBytes + 4 + 32);
        const std::vector<int16_t> pcm = Decoded(bytes);
        ASSERT_EQ(pcm.size(), tone.size() + 1);  // the last byte's unused code
        EXPECT_GT(test::SnrDb(pcm, tone), snr);
        EXPECT_NEAR(test::CrossingFrequency(pcm, kAdpcmSampleRate), frequency, 2.0);
        for (size_t first = 0; first < tone.size(); first += kAdpcmSamplesPerBlock) {
            ASSERT_EQ(pcm[first], tone[first]) << "block header at sample " << first;
        }
    }
}

}  // namespace
}  // namespace vn::samples
