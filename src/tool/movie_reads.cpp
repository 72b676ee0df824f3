#include "tool/movie_reads.h"

namespace vn::tool {

MovieRead ReadMoviePicture(movie::MovieFile& movie, Picture* picture, bool honourSkip, bool deliverAudio) {
    constexpr int kNoAudio = -1;  // audio lengths are never negative
    MovieRead read;
    int audioLength = kNoAudio;
    read.pos =
        movie.ReadNextPicture(picture, &audioLength, honourSkip, deliverAudio, &read.quant).value_or(kFailedRead);
    if (audioLength != kNoAudio) read.audioLength = audioLength;
    read.type = movie.decoder().vopCodingType() == 0 ? 'I' : 'P';
    return read;
}

void WriteMovieRead(JsonWriter& json, const MovieRead& read) {
    json.Field("pos", read.pos);
    if (!read.ok()) return;
    json.Field("quant", read.quant).Field("audio_len", read.audioLength);
}

}  // namespace vn::tool
