// "export": a segment of a recording, every step-th frame, written as the
// player's export writes it (a new AVI, or one JPEG picture per frame), with
// a JSON summary of what was written. Frame numbers are 1-based, as the
// player's export dialog has them.
#include <algorithm>
#include <climits>
#include <cstdio>

#include "recording/segment_export.h"
#include "tool/arguments.h"
#include "tool/commands.h"
#include "tool/json_writer.h"
#include "tool/session.h"

namespace vn::tool {

namespace {

const char* ResultName(avi::ExportResult result) {
    switch (result) {
        case avi::ExportResult::kExported:
            return "exported";
        case avi::ExportResult::kRangeRefused:
            return "range refused";
        case avi::ExportResult::kNoMemory:
            return "not enough memory";
        case avi::ExportResult::kOutputNotCreated:
            return "output not created";
        case avi::ExportResult::kFrameNotRead:
            return "frame not read";
        case avi::ExportResult::kWriteFailed:
            return "write failed";
        case avi::ExportResult::kCancelled:
            return "cancelled";
        case avi::ExportResult::kPicturesNotWritten:
            return "pictures not written";
        case avi::ExportResult::kHeaderUnusable:
            return "header cannot be copied";
    }
    return "unknown";
}

int ClampToInt(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN + 1, INT_MAX)); }

void PrintSummary(const avi::ExportSummary& s) {
    JsonWriter json(true);
    json.BeginObject()
        .Field("result", ResultName(s.result))
        .Field("frames_written", s.framesWritten)
        .Field("bytes_written", s.bytesWritten)
        .ArrayField("output_files", s.files);
    if (s.result != avi::ExportResult::kExported) {
        json.Field("failed_file", s.failedFile).Field("reason", s.reason);
        json.FieldIf("failed_frame", s.failedFrame >= 0, [&](JsonWriter& j) { j.Value(s.failedFrame + 1); });
        json.Field("pictures_not_written", s.picturesNotWritten);
    }
    std::printf("%s\n", json.EndObject().str().c_str());
}

int RunExport(Arguments& args) {
    const auto first = args.Integer("first");
    const auto last = args.Integer("last");
    const auto step = args.Integer("step");
    const auto aviName = args.Text("avi");
    const auto jpgName = args.Text("jpg");
    if (!args.ok() || !first || !last || aviName.has_value() == jpgName.has_value()) {
        Complain("export",
                 args.ok() ? "needs --first A --last B and one of --avi OUT.avi, --jpg DIR/BASE_" : args.error());
        return kExitUsage;
    }
    if (step && *step < 1) {
        Complain("export", "--step needs 1 or more (1: every frame)");
        return kExitUsage;
    }
    Session session;
    if (int status = session.Open("export", args)) return status;
    const avi::ExportRequest request{ClampToInt(*first) - 1, ClampToInt(*last) - 1, step ? ClampToInt(*step) : 1,
                                     aviName ? avi::ExportMode::AviMovie : avi::ExportMode::JpgSequence,
                                     aviName ? *aviName : *jpgName};
    avi::ExportProgress quiet;
    const avi::ExportSummary summary = avi::ExportSegment(session.recording, request, quiet);
    if (summary.result == avi::ExportResult::kRangeRefused) {
        Complain("export", "End frame cannot come before start frame");
        return kExitUsage;
    }
    PrintSummary(summary);
    return summary.result == avi::ExportResult::kExported ? 0 : kExitUnusable;
}

}  // namespace

const Command kExportCommand{"export",
                             "a segment of a recording as a new AVI or a series of JPEG pictures",
                             "usage: vnplay-tool export FILE --first A --last B [--step S] --avi OUT.avi\n"
                             "       vnplay-tool export FILE --first A --last B [--step S] --jpg DIR/BASE_\n"
                             "\n"
                             "Copies frames A to B (1-based, both included), every S-th, unchanged, as the\n"
                             "player's export does: into a new AVI that keeps the recording's camera\n"
                             "records, or into one JPEG picture per frame named after BASE_ and the frame\n"
                             "number (DIR/BASE_00001.jpg, ...). A last frame beyond the recording's is its\n"
                             "last. Prints a JSON summary: the frames and bytes written, the files.\n"
                             "\n"
                             "Options:\n"
                             "  --first A         the first frame, 1-based\n"
                             "  --last B          the last frame, included\n"
                             "  --step S          every S-th frame (1, every frame, unless given)\n"
                             "  --avi OUT.avi     write a new AVI recording\n"
                             "  --jpg DIR/BASE_   write the frames as JPEG pictures\n",
                             {"first", "last", "step", "avi", "jpg"},
                             {},
                             RunExport,
                             nullptr};

}  // namespace vn::tool
