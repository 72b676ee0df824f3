// Recordings for the searches: a play list of three mostly still
// recordings in which a search has to cross entries to find the one
// crossing animal, the camera's events and its trigger sensor; and long
// event recordings for measuring how fast an event list is built.
#pragma once

#include <vector>

#include "samplewriter/sample_recording.h"

namespace vn::samples {

// SRCH0001.AVI: XPR310 meadow at noon, 320 x 240, 20 frames, nothing moves,
// no event segments.
// SRCH0002.AVI: WRD310 forest at night, 320 x 240, 20 frames, nothing moves;
// the trigger sensor reads 0, 1, 1, 0, 1 from frame 4; events at 6 and 12.
// SRCH0003.AVI: WRD310 rocks at dusk, 320 x 240, 24 frames; a fox crosses
// from frame 12 (changedFrames states where); its only event is frame 0.
// In this order they form the play list; motionThreshold tells a search
// that stops on the fox and on nothing before it.
std::vector<SampleRecording> SearchPlayListSamples();

// A WRD310 recording of `frames` frames of a still night forest, 320 x 240,
// each with the camera's records; every 97th frame an event frame.
SampleRecording LongEventRecording(int frames);

}  // namespace vn::samples
