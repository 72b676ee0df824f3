// What the player keeps of an MPEG-4 stream or raw movie being played: where
// the stream stands and where its last two good pictures ended, and the
// reading of one picture with what the window shows of it. Positions are
// 1024-byte units of file offset; 0 or less means the end or a failure.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/picture.h"
#include "movie/movie_file.h"

namespace vn::player {

// One picture read in stream order.
struct MoviePicture {
    // After the picture; -1 when none was read. A picture ending within
    // the stream's first 1024 bytes was read all the same, at position 0.
    int position = -1;
    int audioLength = 0;
    int quantiser = 0;
    uint32_t skippedBytes = 0;  // passed over before its start code
    bool ok() const { return position >= 0; }
};

// Reads the next picture (into picture, when given); with deliverAudio its
// sound goes to the audio ring, the first chunk's leading bytes skipped as
// the chunk says when honourSkip is set.
MoviePicture ReadMoviePicture(movie::MovieFile& movie, Picture* picture, bool honourSkip, bool deliverAudio);

struct MovieStreamState {
    int g_nStreamPos = 0;
    int g_nLastGoodPos = 0;
    int g_nPrevGoodPos = 0;
    // Pictures whose start code came after skipped bytes, since play started.
    int reportCounter = 0;

    // The picture that ended at g_nStreamPos was good.
    void PictureGood() {
        g_nPrevGoodPos = g_nLastGoodPos;
        g_nLastGoodPos = g_nStreamPos;
    }
    // "Frm %d, BHC = %d" for a picture read after skipped bytes, counted;
    // nothing for one that followed its predecessor directly.
    std::optional<std::string> ReportSkippedBytes(int frame, const MoviePicture& read);
    // The positions of the last two good pictures, "0x%x, 0x%x".
    std::string LastTwoGood() const;
};

}  // namespace vn::player
