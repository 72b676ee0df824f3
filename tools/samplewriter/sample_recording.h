// A sample recording as a script: what the camera saw in each frame and the
// records it wrote. The script is also the description of the facts in the
// written file, which tests compare with what a reader finds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "samplewriter/camera_avi.h"
#include "samplewriter/camera_segments.h"
#include "samplewriter/movie_record.h"
#include "samplewriter/scenery.h"

namespace vn::samples {

struct SampleFrame {
    int place = 0;  // index into SampleRecording::places
    SceneView view;
    // Camera segments, written right after SOI in this order.
    std::string comment;                     // COM text; empty: none
    std::optional<ExposureValues> exposure;  // APP4
    std::optional<uint64_t> clockRecord;     // COM "T"
    std::optional<TsRecord> ts;              // APP15 "ts"
    std::optional<uint8_t> eventByte;        // APP5

    // The frame clock a reader's marker walk ends with: the "ts" date's
    // (it comes after the clock record), else the clock record's, else 0.
    uint64_t FrameClock() const;
};

struct Place {
    Landscape landscape = Landscape::Meadow;
    uint32_t seed = 1;
};

struct SampleRecording {
    std::string fileName;
    std::string summary;                 // one line for people
    CameraAviOptions avi;                // size, timing, model tag, index layout; frames come from `frames`
    std::optional<MovieSettings> movie;  // written as the "minf" movie record
    int quality = 85;
    std::vector<Place> places;
    std::optional<CameraDate> fileTime;  // modification time given to the file, local time
    std::vector<SampleFrame> frames;

    // Facts stated by the script, ascending frame numbers.
    std::vector<int> eventFrames;    // APP5 bit 7 set
    std::vector<int> triggerFrames;  // trigger sensor bit set in the "ts" record
    std::vector<int> changedFrames;  // picture differs from the previous frame's
    // Every changed frame has an 8 x 8 block whose DC luma differs from the
    // previous frame's by more than this: a motion search at this threshold
    // stops on each of them.
    int motionThreshold = 0;
};

// The frame's JPEG: the picture with the camera segments after SOI.
// `picture` is the encoded picture without them.
std::vector<uint8_t> ComposeFrame(const SampleFrame& frame, const std::vector<uint8_t>& picture);

// The whole file; empty when a frame cannot be encoded.
std::vector<uint8_t> BuildSample(const SampleRecording& sample);

// Writes directory/fileName and gives it the sample's file time; false on
// failure.
bool WriteSample(const SampleRecording& sample, const std::string& directory);

}  // namespace vn::samples
