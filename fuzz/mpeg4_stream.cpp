// The MPEG-4 stream decoder: a fuzzed stream's headers, then its pictures in
// order, each converted for display with a post-filter mode of its own.
//   byte 0: bits 0-2 the window size (see WindowSizeFor), bit 3 grey
//           pictures
//   byte 1: the first picture's post-filter mode as a signed byte, as the
//           settings file may give any number; the next pictures take the
//           modes 0, 1 and 2 in turn
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "common/picture.h"
#include "movie/movie_file.h"
#include "movie_support.h"

namespace {

constexpr size_t kSettings = 2;
constexpr int kMaxPictures = 4;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static vn::Picture picture;
    static std::vector<uint8_t> held;
    if (size < kSettings) return 0;
    vn::movie::MovieFile movie;
    if (!vn::fuzz::OpenMovie(movie, {data + kSettings, size - kSettings}, vn::fuzz::WindowSizeFor(data[0]), held)) {
        return 0;
    }
    vn::mpeg4::Mpeg4Decoder& decoder = movie.decoder();
    decoder.g_bForceBW = (data[0] & 8) != 0;
    if (!picture.Reset(decoder.width(), decoder.height())) return 0;
    for (int i = 0; i < kMaxPictures; ++i) {
        decoder.g_nDeblockMethod = i == 0 ? static_cast<int8_t>(data[1]) : i % 3;
        int quantiser = 0;
        if (!movie.ReadNextPicture(&picture, nullptr, false, false, &quantiser) &&
            movie.window().position() >= movie.window().fileSize()) {
            break;
        }
    }
    return 0;
}
