// A larger MPEG-4 stream for the decoder benchmark: the sample writer's
// scenery, encoded by the ffmpeg program with its mpeg4 encoder restricted
// to what the cameras write (I and P pictures, one vector per macroblock,
// weighting-matrix quantisation), then given the cameras' stream headers.
#pragma once

#include <string>

namespace vn::bench {

struct SceneryStream {
    // The stream as the cameras would write it: our headers, then the
    // encoder's groups of VOPs and VOPs unchanged.
    std::string camera;
    // The encoder's own stream, whose headers say what it meant
    // (quant_type 1): the reference for how close our pictures come.
    std::string encoded;
};

// Writes both streams of width x height and `pictures` pictures into folder.
// False when the ffmpeg program is missing or fails; the reason is printed
// to stderr.
bool WriteSceneryStream(const std::string& folder, int width, int height, int pictures, SceneryStream& out);

}  // namespace vn::bench
