// Composes AVI recordings in the cameras' layout: header list at fixed
// offsets, "JUNK" model tag, "INFO"/"minf" movie record, "LIST" "movi" with
// the JPEG frames and the "idx1" index.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vn::samples {

struct CameraAviOptions {
    int width = 320;
    int height = 240;
    int32_t scale = 1;         // capture interval in seconds
    int32_t rate = 5;          // playback frames per second x scale
    int32_t totalFrames = -1;  // -1: the number of frames given
    std::string modelTag;      // six characters; empty: no "JUNK" chunk
    uint8_t modelMode = 0;
    uint32_t junkSize = 8;  // may be odd: the cameras write no pad byte
    // "INFO" chunk holding a "minf" sub-chunk with this body. The cameras
    // give "minf" a 16-bit size, so the body starts 6 bytes after the "minf"
    // tag with the model name (see MovieRecordBody); the size written is the
    // body's length.
    std::optional<std::vector<uint8_t>> movieRecordBody;
    // InsideRiff: "idx1" is the last chunk of RIFF and holds absolute
    // offsets. AfterRiff: "idx1" follows the RIFF chunk and its offsets count
    // from the byte after the "movi" tag.
    enum class Index { InsideRiff, AfterRiff } index = Index::InsideRiff;
    std::string frameTag = "00dc";
};

// The whole file; empty when it would outgrow the format's 32-bit offsets.
std::vector<uint8_t> BuildCameraAvi(const CameraAviOptions& options,
                                    const std::vector<std::vector<uint8_t>>& jpegFrames);

// Writes the bytes to a new file (replacing any old one); false on failure.
bool SaveFile(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace vn::samples
