// Exporting a segment of the open recording, every step-th frame, as a new
// AVI file or as a series of JPEG pictures. No frame is decoded: the
// compressed bytes are copied unchanged, the camera's records inside them
// included. A new AVI keeps the source's header and camera chunks and gets
// its own index before its "movi" list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "recording/recording.h"

namespace vn::avi {

enum class ExportMode { AviMovie = 0, JpgSequence = 1 };

enum class ExportResult : int {
    kExported = 0,
    kRangeRefused = -1,  // the end comes before the start
    kNoMemory = -2,      // for the header or the index
    kOutputNotCreated = -3,
    kFrameNotRead = -4,  // an AVI needs every frame; failedFrame says which
    kWriteFailed = -5,
    kCancelled = -6,
    kPicturesNotWritten = -7,  // of a JPEG series; the others were written
    kHeaderUnusable = -8,      // the source's header cannot be carried over
};

struct ExportRequest {
    int first = 0;  // 0-based, included
    int last = 0;   // 0-based, included
    int step = 1;   // 1: every frame
    ExportMode mode = ExportMode::AviMovie;
    // The AVI file, or for pictures the pattern whose base name each
    // picture's number follows ("REC0001_.jpg" gives REC0001_00001.jpg).
    std::string fileName;
};

// The range as the export takes it: the start raised to 0, the end lowered
// to the last frame, a step of at least 1 and K frames.
struct ExportRange {
    int first = 0;
    int last = 0;
    int step = 1;
    int count = 0;  // K; 0 when the end comes before the start
};
ExportRange ClampExportRange(int first, int last, int step, int frameCount);

struct ExportSummary {
    ExportResult result = ExportResult::kExported;
    int framesWritten = 0;
    uint64_t bytesWritten = 0;
    std::vector<std::string> files;  // written and complete
    // For a failure: the file it concerns, the system's reason, and the
    // frame (0-based) that could not be read, or -1.
    std::string failedFile;
    std::string reason;
    int failedFrame = -1;
    int picturesNotWritten = 0;
};

// What the export tells its watcher. Step returns false to stop the export.
class ExportProgress {
public:
    virtual ~ExportProgress() = default;
    virtual void Begin(int total) { (void)total; }
    virtual void WritingIndex() {}
    virtual bool Step(int done) { return (void)done, true; }
    virtual void Finish() {}
};

// Runs only while a recording is open; the reader's cursor and frame buffer
// are left as they are.
ExportSummary ExportSegment(const Recording& recording, const ExportRequest& request, ExportProgress& progress);

// The name of the JPEG picture of frame (0-based) for the pattern name.
std::string PictureFileName(const std::string& pattern, int frame);

// The name the export dialog proposes for the recording at recordingPath:
// its name without folder and extension, then "_.jpg" for pictures (a
// pattern), or for an AVI the first and last frames as typed, 1-based:
// "REC0001_00011_00040.avi".
std::string ProposedExportName(const std::string& recordingPath, ExportMode mode, int first, int last);

}  // namespace vn::avi
