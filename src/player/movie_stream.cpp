#include "player/movie_stream.h"

#include "common/text_format.h"

namespace vn::player {

MoviePicture ReadMoviePicture(movie::MovieFile& movie, Picture* picture, bool honourSkip, bool deliverAudio) {
    MoviePicture read;
    read.position =
        movie.ReadNextPicture(picture, &read.audioLength, honourSkip, deliverAudio, &read.quantiser).value_or(-1);
    read.skippedBytes = movie.window().skippedBytes();
    return read;
}

std::optional<std::string> MovieStreamState::ReportSkippedBytes(int frame, const MoviePicture& read) {
    if (read.skippedBytes == 0) return std::nullopt;
    ++reportCounter;
    return Format("Frm %d, BHC = %d", frame, reportCounter);
}

std::string MovieStreamState::LastTwoGood() const { return Format("0x%x, 0x%x", g_nPrevGoodPos, g_nLastGoodPos); }

}  // namespace vn::player
