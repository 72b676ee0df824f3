// The raw-movie reader: a fuzzed movie's pictures read with their sound
// delivered to the audio ring and decoded from there, a seek, reads from
// where the seek stood, a rewind and a read from the start.
//   byte 0: bits 0-2 the window size (see WindowSizeFor), bit 3 honour the
//           audio skip counts, bit 4 deliver the sound, bit 5 seek backwards
//   byte 1: where to seek, in 256ths of the movie
//   byte 2: position units per seek step, less 1
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "movie/ima_adpcm.h"
#include "movie/movie_file.h"
#include "movie_support.h"

namespace {

constexpr size_t kSettings = 3;
constexpr int kMaxPictures = 8;

// Reads up to `count` pictures, stopping at the end of the file, and plays
// the sound they delivered: output buffers taken from the ring and decoded.
void ReadPictures(vn::movie::MovieFile& movie, int count, bool honourSkip, bool deliverAudio) {
    std::array<uint8_t, vn::movie::kAudioBufferBytes> buffer;
    std::array<int16_t, vn::movie::kAdpcmSamplesPerBlock*(vn::movie::kAudioBufferBytes / vn::movie::kAdpcmBlockBytes)>
        samples;
    for (int i = 0; i < count; ++i) {
        int audioLength = -1;
        const std::optional<int> after =
            movie.ReadNextPicture(nullptr, &audioLength, honourSkip, deliverAudio, nullptr);
        while (const uint32_t taken = movie.audioRing().Take(buffer)) {
            vn::movie::DecodeAdpcm(std::span(buffer).first(taken), samples);
        }
        if (!after && movie.window().position() >= movie.window().fileSize()) return;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::vector<uint8_t> held;
    if (size < kSettings) return 0;
    vn::movie::MovieFile movie;
    if (!vn::fuzz::OpenMovie(movie, {data + kSettings, size - kSettings}, vn::fuzz::WindowSizeFor(data[0]), held)) {
        return 0;
    }
    const bool honourSkip = (data[0] & 8) != 0;
    const bool deliverAudio = (data[0] & 16) != 0;
    ReadPictures(movie, kMaxPictures, honourSkip, deliverAudio);

    const int64_t length = static_cast<int64_t>(movie.window().fileSize() / vn::mpeg4::kPositionUnit);
    const int unitsPerStep = data[2] + 1;
    const int64_t position = length * data[1] / 256 / unitsPerStep;
    movie.Seek(position, unitsPerStep, (data[0] & 32) != 0 ? -1 : 1);
    ReadPictures(movie, 2, honourSkip, deliverAudio);
    if (movie.RewindStream()) ReadPictures(movie, 1, honourSkip, deliverAudio);
    return 0;
}
