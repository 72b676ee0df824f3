// A sample movie as a script: what the camera saw and heard, and how it laid
// the stream out. As with the recordings, the script is also the statement
// of the facts in the written file, which tests compare with what the player
// reads.
//
// Both kinds are MPEG-4 visual streams of intra pictures at a fixed
// quantiser, each followed by predicted pictures that skip every macroblock
// and so repeat it. A bare stream (.m4v) opens every group of pictures with
// a group-of-VOP header. A raw movie (.mvm) opens its first group with one;
// each picture's unit starts with an audio chunk (its share of a steady
// tone), and every later intra picture is preceded directly by a clock
// record, which is where a seek lands.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "samplewriter/camera_date.h"
#include "samplewriter/sample_recording.h"
#include "samplewriter/scenery.h"

namespace vn::samples {

struct SampleMovie {
    std::string fileName;
    std::string summary;  // one line for people
    bool rawMovie = false;
    int width = 320;
    int height = 240;
    Place place;
    int quantiser = 4;
    uint32_t timeResolution = 15;  // vop_time_increment_resolution
    int pictureCount = 0;
    int intraPeriod = 15;                // an intra picture every this many, from picture 0
    std::vector<SceneView> intraViews;   // what each intra picture shows, in order
    std::optional<CameraDate> fileTime;  // modification time given to the file, local time

    // Raw movies' sound: a sine tone, the same number of audio bytes with
    // every picture.
    double toneFrequency = 0;
    double toneAmplitude = 0;
    int audioBytesPerPicture = 0;

    bool IsIntra(int picture) const { return picture % intraPeriod == 0; }
    std::vector<int> IntraPictures() const;
    // The intra picture that a picture repeats (itself when intra).
    int IntraOf(int picture) const { return picture - picture % intraPeriod; }
    bool HasGov(int picture) const { return IsIntra(picture) && (!rawMovie || picture == 0); }
    bool HasClockRecord(int picture) const { return rawMovie && IsIntra(picture) && picture > 0; }

    // Time from one picture to the next: 1 / 15 s for a bare stream; for a
    // raw movie the play time of its audio bytes.
    double PictureSeconds() const;
    double Seconds() const { return pictureCount * PictureSeconds(); }
    // A picture's time in timeResolution ticks from the start.
    uint32_t PictureTicks(int picture) const;

    size_t AudioBytes() const { return static_cast<size_t>(audioBytesPerPicture) * pictureCount; }
    // The samples those bytes decode to (the tone's last block is cut short).
    size_t AudioSamples() const;
    // The skip count of a picture's audio chunk: how many of its leading
    // bytes finish the block that the previous chunk began, so that a player
    // starting there finds a block header.
    uint8_t AudioSkip(int picture) const;
};

// The written file and where its elements stand.
struct BuiltMovie {
    std::vector<uint8_t> bytes;
    size_t headerEnd = 0;
    std::vector<size_t> vopOffsets;    // each picture's VOP start code
    std::vector<size_t> clockOffsets;  // each picture's clock record; 0 where it has none
};

// Empty bytes when the script cannot be written (no views, a view missing
// for an intra picture, an empty picture size).
BuiltMovie BuildMovie(const SampleMovie& movie);

// Writes directory/fileName (and its file time); false on failure.
bool WriteMovie(const SampleMovie& movie, const std::string& directory);

}  // namespace vn::samples
