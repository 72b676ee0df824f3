// Exporting a segment of a fuzzed recording held in memory, as an AVI file
// or as JPEG pictures, into a folder of the process's own.
//   the last byte: bits 0-3 the first frame, bits 4-5 the step less 1,
//                  bit 6 pictures rather than an AVI file
#include "recording/segment_export.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

#include "recording/recording.h"
#include "support.h"

namespace {

// Frames exported at most: each picture is a file written.
constexpr int kMaxFramesExported = 4;

struct ScratchFolder {
    ScratchFolder() { std::filesystem::create_directories(path); }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("vnplay-fuzz-export-" + std::to_string(getpid()));
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static vn::jpeg::JpegDecoder decoder;  // its fixed tables are built once
    static const ScratchFolder folder;
    if (size == 0) return 0;
    const uint8_t settings = data[size - 1];
    vn::avi::Recording recording(decoder);
    if (!vn::fuzz::OpenSmallRecording(recording, decoder, {data, size})) return 0;

    vn::avi::ExportRequest request;
    request.first = settings & 15;
    request.step = (settings >> 4 & 3) + 1;
    request.last = request.first + (kMaxFramesExported - 1) * request.step;
    const bool pictures = (settings & 64) != 0;
    request.mode = pictures ? vn::avi::ExportMode::JpgSequence : vn::avi::ExportMode::AviMovie;
    request.fileName = (folder.path / (pictures ? "P_.jpg" : "segment.avi")).string();
    vn::avi::ExportProgress progress;
    const vn::avi::ExportSummary summary = vn::avi::ExportSegment(recording, request, progress);
    for (const std::string& file : summary.files) std::filesystem::remove(file);
    return 0;
}
