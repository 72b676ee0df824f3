// Opening a fuzzed movie held in memory, within the harnesses' picture-size
// bound, with windows of a size the input chooses.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "movie/movie_file.h"

namespace vn::fuzz {

// The settings byte's low three bits: 0 the reader's own 1 MiB window,
// else 2^(7 + bits) bytes (256 to 16384), so that small inputs cross
// windows.
uint32_t WindowSizeFor(uint8_t settings);

// Opens the stream when its headers declare a picture within kMaxSide. A
// stream shorter than the 1024-byte position unit is padded with zeros (the
// reader refuses shorter files), which keeps the mutated inputs small; the
// bytes live in `held`, which must stay while the movie is open.
bool OpenMovie(movie::MovieFile& movie, std::span<const uint8_t> stream, uint32_t windowSize,
               std::vector<uint8_t>& held);

}  // namespace vn::fuzz
