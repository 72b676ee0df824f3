// The movies that vnplay-samples writes beside the recordings, each with the
// facts its script states (see sample_movie.h).
#pragma once

#include <vector>

#include "samplewriter/sample_movie.h"

namespace vn::samples {

// MOV0001.M4V: a bare MPEG-4 stream, 320 x 240, 90 pictures at 1/15 s
// (6 s), an intra picture every 15 with a group-of-VOP header before it;
// a fox trots along a rocky ridge at dawn. Time increment resolution 15.
SampleMovie StreamMovieSample();

// MOV0002.MVM: a raw movie, 176 x 144, 300 pictures (about 20 s), an intra
// picture every 15; a 1 kHz tone in 548 audio bytes per picture (66.6 ms of
// sound each), clock records before the intra pictures from the second on.
// A deer grazes its way across a meadow while a bird passes. Time
// increment resolution 1000.
SampleMovie RawMovieSample();

std::vector<SampleMovie> DefaultMovies();

}  // namespace vn::samples
