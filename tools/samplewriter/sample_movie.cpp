#include "samplewriter/sample_movie.h"

#include <cmath>
#include <filesystem>

#include "movie/ima_adpcm.h"
#include "samplewriter/adpcm_encoder.h"
#include "samplewriter/camera_avi.h"
#include "samplewriter/movie_stream_writer.h"

namespace vn::samples {

namespace {

using movie::kAdpcmBlockBytes;
using movie::kAdpcmSampleRate;
using movie::kAdpcmSamplesPerBlock;

constexpr double kBareStreamPictureSeconds = 1.0 / 15;
constexpr double kAudioBytesPerSecond =
    static_cast<double>(kAdpcmSampleRate) * kAdpcmBlockBytes / kAdpcmSamplesPerBlock;

LayerFields MovieLayer(const SampleMovie& movie) {
    LayerFields layer;
    layer.width = static_cast<uint32_t>(movie.width);
    layer.height = static_cast<uint32_t>(movie.height);
    layer.resolution = movie.timeResolution;
    return layer;
}

VopFields PictureVop(const SampleMovie& movie, int picture) {
    VopFields vop;
    vop.codingType = movie.IsIntra(picture) ? 0 : 1;
    vop.quant = static_cast<uint32_t>(movie.quantiser);
    vop.timeIncrementBits = TimeIncrementBits(movie.timeResolution);
    const uint32_t ticks = movie.PictureTicks(picture);
    const uint32_t previous = picture > 0 ? movie.PictureTicks(picture - 1) : 0;
    vop.moduloTimeBase = static_cast<int>(ticks / movie.timeResolution - previous / movie.timeResolution);
    vop.timeIncrement = ticks % movie.timeResolution;
    return vop;
}

// The tone in whole blocks, cut to the movie's audio bytes.
std::vector<uint8_t> MovieSound(const SampleMovie& movie) {
    const size_t blocks = (movie.AudioBytes() + kAdpcmBlockBytes - 1) / kAdpcmBlockBytes;
    std::vector<uint8_t> bytes =
        EncodeAdpcm(SineTone(movie.toneFrequency, movie.toneAmplitude, blocks * kAdpcmSamplesPerBlock));
    bytes.resize(movie.AudioBytes());
    return bytes;
}

}  // namespace

std::vector<int> SampleMovie::IntraPictures() const {
    std::vector<int> pictures;
    for (int p = 0; p < pictureCount; p += intraPeriod) pictures.push_back(p);
    return pictures;
}

double SampleMovie::PictureSeconds() const {
    return rawMovie ? audioBytesPerPicture / kAudioBytesPerSecond : kBareStreamPictureSeconds;
}

uint32_t SampleMovie::PictureTicks(int picture) const {
    return static_cast<uint32_t>(std::floor(picture * PictureSeconds() * timeResolution + 1e-9));
}

size_t SampleMovie::AudioSamples() const { return movie::AdpcmSampleCount(AudioBytes()); }

uint8_t SampleMovie::AudioSkip(int picture) const {
    const size_t start = static_cast<size_t>(picture) * audioBytesPerPicture;
    return static_cast<uint8_t>((kAdpcmBlockBytes - start % kAdpcmBlockBytes) % kAdpcmBlockBytes);
}

BuiltMovie BuildMovie(const SampleMovie& movie) {
    const size_t intraCount = movie.IntraPictures().size();
    if (movie.width <= 0 || movie.height <= 0 || movie.intraPeriod <= 0 || movie.intraViews.size() < intraCount) {
        return {};
    }
    const Scenery scenery(movie.width, movie.height, movie.place.landscape, movie.place.seed);
    const std::vector<uint8_t> sound = movie.rawMovie ? MovieSound(movie) : std::vector<uint8_t>{};
    MovieStreamWriter stream(MovieLayer(movie));
    BuiltMovie built;
    built.headerEnd = stream.headerEnd();
    built.clockOffsets.assign(static_cast<size_t>(movie.pictureCount), 0);
    for (int p = 0; p < movie.pictureCount; ++p) {
        const size_t group = static_cast<size_t>(p / movie.intraPeriod);
        if (movie.rawMovie) {
            const auto share = std::span(sound).subspan(static_cast<size_t>(p) * movie.audioBytesPerPicture,
                                                        static_cast<size_t>(movie.audioBytesPerPicture));
            stream.Chunk(kAudioChunk, movie.AudioSkip(p), share);
        }
        if (movie.HasClockRecord(p)) {
            // The group's number and the picture's time in milliseconds.
            const auto milliseconds = static_cast<uint32_t>(std::lround(p * movie.PictureSeconds() * 1000));
            built.clockOffsets[p] = stream.ClockRecord(0, static_cast<uint16_t>(group), milliseconds);
        }
        if (movie.HasGov(p)) stream.Gov(movie.PictureTicks(p) / movie.timeResolution);
        const VopFields vop = PictureVop(movie, p);
        built.vopOffsets.push_back(
            movie.IsIntra(p)
                ? stream.IntraVop(vop, YuvFromRgb(scenery.Render(movie.intraViews[group]), movie.width, movie.height))
                : stream.SkippedVop(vop));
    }
    built.bytes = stream.bytes();
    return built;
}

bool WriteMovie(const SampleMovie& movie, const std::string& directory) {
    const BuiltMovie built = BuildMovie(movie);
    if (built.bytes.empty()) return false;
    const std::string path = (std::filesystem::path(directory) / movie.fileName).string();
    if (!SaveFile(path, built.bytes)) return false;
    return !movie.fileTime || SetModificationTime(path, *movie.fileTime);
}

}  // namespace vn::samples
