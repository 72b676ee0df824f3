// Reading movie pictures for reports: one read of the next picture with what
// the tool shows of it. Shared by the movie commands and the fixture results.
#pragma once

#include <optional>

#include "common/picture.h"
#include "movie/movie_file.h"
#include "tool/json_writer.h"

namespace vn::tool {

// The number that reports a failed read or seek.
constexpr int kFailedRead = -1;

struct MovieRead {
    int pos = kFailedRead;           // where the picture ends, in position units
    int quant = 0;                   // running quantiser after the VOP
    std::optional<int> audioLength;  // none when the read met no audio chunk
    char type = 'I';                 // 'I' or 'P'
    bool ok() const { return pos != kFailedRead; }
};

MovieRead ReadMoviePicture(movie::MovieFile& movie, Picture* picture, bool honourSkip, bool deliverAudio);

// "pos", and for a successful read "quant" and "audio_len", into the open object.
void WriteMovieRead(JsonWriter& json, const MovieRead& read);

}  // namespace vn::tool
