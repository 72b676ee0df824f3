#include "movie_support.h"

#include <algorithm>
#include <memory>

#include "common/file_source.h"
#include "support.h"

namespace vn::fuzz {

uint32_t WindowSizeFor(uint8_t settings) {
    const int bits = settings & 7;
    return bits == 0 ? 0 : 1u << (7 + bits);
}

bool OpenMovie(movie::MovieFile& movie, std::span<const uint8_t> stream, uint32_t windowSize,
               std::vector<uint8_t>& held) {
    held.assign(stream.begin(), stream.end());
    if (held.size() < mpeg4::kPositionUnit) held.resize(mpeg4::kPositionUnit, 0);
    // The headers first, on their own: the open allocates for their size.
    mpeg4::StreamWindow window;
    mpeg4::Mpeg4Decoder headers;
    if (window.Open(std::make_unique<MemoryFile>(held)) != 0 || !headers.ParseStreamHeaders(window)) return false;
    if (headers.width() > kMaxSide || headers.height() > kMaxSide) return false;
    return movie.OpenStream(std::make_unique<MemoryFile>(held), "fuzzed movie", windowSize) > 0;
}

}  // namespace vn::fuzz
