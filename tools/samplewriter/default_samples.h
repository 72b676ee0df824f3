// The sample set that vnplay-samples writes: recordings laid out the way the
// cameras write them, each with the facts its script states.
#pragma once

#include <vector>

#include "samplewriter/sample_recording.h"

namespace vn::samples {

// REC0001.AVI: WRD310 motion camera at night (infrared), 320 x 240, 60
// frames in bursts; events, trigger sensor, clock and "ts" records.
SampleRecording EventRecordingSample();

// REC0002.AVI: XPRMAX stop motion, 640 x 480, 36 frames; "minf" movie
// record, no camera clock (dates from the file time), index after RIFF.
SampleRecording MovieRecordSample();

// REC0003.AVI: XPR310 time-lapse, 640 x 480, 45 frames at three places on
// three days; "ts" records of camera kind 1, "00db" frame chunks.
SampleRecording ScenesSample();

// BENCH720.AVI: 1280 x 720, 240 frames of a sunset with drifting clouds,
// swaying foliage and animals; the decoder benchmark's input.
SampleRecording BenchmarkSample();

std::vector<SampleRecording> DefaultSamples();

}  // namespace vn::samples
