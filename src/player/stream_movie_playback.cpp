#include "player/stream_movie_playback.h"

namespace vn::player {

// A picture that ends within the stream's first 1024 bytes stands at
// position 0, which is no end: only a failed read ends the stream.

MoviePicture StreamMoviePlayback::Tick(std::optional<std::string>& report) {
    const MoviePicture read = StepForward();
    report.reset();
    if (!read.ok()) return read;
    report = stream.ReportSkippedBytes(frame, read);
    stream.PictureGood();
    return read;
}

MoviePicture StreamMoviePlayback::StepForward() {
    const MoviePicture read = ReadMoviePicture(movie_, &g_pFramePicture, false, false);
    stream.g_nStreamPos = read.position;
    if (read.ok()) ++frame;
    return read;
}

bool StreamMoviePlayback::RewindStream() {
    if (!movie_.RewindStream()) return false;
    const MoviePicture read = ReadMoviePicture(movie_, &g_pFramePicture, false, false);
    if (!read.ok()) return false;
    stream.g_nStreamPos = read.position;
    frame = 0;
    return true;
}

}  // namespace vn::player
