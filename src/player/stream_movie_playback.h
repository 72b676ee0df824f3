// MPEG-4 streams (.m4v) played on the window's timer: one picture read per
// tick, in stream order, into the one picture shown. A stream only goes
// forwards; Stop rewinds it to its first picture.
//
// Standard library only: the window's engine drives it.
#pragma once

#include <optional>
#include <string>

#include "common/picture.h"
#include "movie/movie_file.h"
#include "player/movie_stream.h"

namespace vn::player {

class StreamMoviePlayback {
public:
    explicit StreamMoviePlayback(movie::MovieFile& movie) : movie_(movie) {}

    // The picture for the open stream's size; false when it cannot be made.
    bool MakePicture(int width, int height) { return g_pFramePicture.Reset(width, height); }
    void Release() { g_pFramePicture.Release(); }

    // A tick of the timer: the next picture, g_nStreamPos its read's result.
    // A good one is counted as the next frame and as one of the last two
    // good; `report` receives "Frm %d, BHC = %d" when bytes were skipped
    // before it.
    MoviePicture Tick(std::optional<std::string>& report);
    // "Forward 1 Frame": the next picture, counted as the next frame.
    MoviePicture StepForward();
    // Back to the first picture, read and counted as frame 0; false when the
    // stream cannot be rewound or its first picture read.
    bool RewindStream();

    Picture g_pFramePicture;
    MovieStreamState stream;
    int frame = -1;  // 0-based index of the picture shown; -1 before the first

private:
    movie::MovieFile& movie_;
};

}  // namespace vn::player
