// "motion": every frame with motion in whole recordings, for listing what
// the cameras caught over a season: one JSON line per frame that differs
// from the good frame before it, one per frame that could not be read, and
// a summary line. The recordings are independent; --jobs scans several at
// once, each then decoding on its own thread.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "recording/dc_image.h"
#include "tool/commands.h"
#include "tool/json_writer.h"
#include "tool/scan_options.h"
#include "tool/session.h"
#include "tool/shown_frame_json.h"

namespace vn::tool {

namespace {

struct FileScan {
    std::string lines;
    int64_t frames = 0;
    int64_t skipped = 0;
    bool opened = false;
    std::atomic<bool> done = false;
};

void ScanFile(const std::string& path, int threshold, int decodeThreads, FileScan& out) {
    Session session;
    if (session.OpenPath("motion", path) != 0) return;
    out.opened = true;
    avi::Recording& recording = session.recording;
    avi::FrameScanner& scanner = recording.scanner;
    scanner.decodeThreads = decodeThreads;
    avi::MotionComparer comparer(recording.header.width, recording.header.height);
    const avi::ScanCounts before = scanner.counts;
    scanner.WalkDcFrames(0, recording.header.frames, [&](avi::DcFrame& frame) {
        const int64_t changed = comparer.Compare(frame, threshold);
        if (changed == 0 || (changed < 0 && frame.readable)) return true;
        JsonWriter json;
        json.BeginObject();
        if (frame.readable && recording.scanner.WalkFrameHeaders(frame.frame)) {
            WriteFoundFrame(json, recording, path, frame.frame);
            json.Field("changed_blocks", changed);
        } else {
            json.Field("file", path).Field("frame", frame.frame).Field("unreadable", true);
        }
        out.lines += json.EndObject().str() + "\n";
        return true;
    });
    out.frames = scanner.counts.frames - before.frames;
    out.skipped = scanner.counts.skipped - before.skipped;
}

int RunMotion(Arguments& args) {
    const auto threshold = RequiredInt("motion", args, "threshold");
    if (!threshold) return kExitUsage;
    const std::vector<std::string>& paths = args.positional();
    if (paths.empty()) {
        Complain("motion", "needs at least one recording FILE");
        return kExitUsage;
    }
    int jobs = 1;
    if (args.Has("jobs")) {
        const auto value = RequiredInt("motion", args, "jobs");
        if (!value || *value < 1) {
            if (value) Complain("motion", "--jobs needs 1 or more");
            return kExitUsage;
        }
        jobs = std::min<int>(*value, static_cast<int>(paths.size()));
    }

    const auto started = std::chrono::steady_clock::now();
    std::vector<FileScan> scans(paths.size());
    std::atomic<size_t> nextFile = 0;
    const auto work = [&] {
        for (size_t i = nextFile++; i < paths.size(); i = nextFile++) {
            ScanFile(paths[i], *threshold, jobs > 1 ? 1 : 0, scans[i]);
            scans[i].done = true;
            scans[i].done.notify_one();
        }
    };
    std::vector<std::thread> workers;
    for (int j = 1; j < jobs; ++j) workers.emplace_back(work);
    std::thread firstWorker(work);

    // The files' lines in the order the files were given, each as soon as
    // it and those before it are done.
    int status = 0;
    int64_t frames = 0, skipped = 0;
    for (FileScan& scan : scans) {
        scan.done.wait(false);
        std::fputs(scan.lines.c_str(), stdout);
        std::fflush(stdout);
        if (!scan.opened) status = kExitUnusable;
        frames += scan.frames;
        skipped += scan.skipped;
    }
    firstWorker.join();
    for (std::thread& worker : workers) worker.join();
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - started;
    JsonWriter json;
    json.BeginObject()
        .Field("frames_scanned", frames)
        .Field("frames_skipped", skipped)
        .Key("seconds")
        .Fixed(seconds.count(), 3)
        .EndObject();
    std::printf("%s\n", json.str().c_str());
    return status;
}

}  // namespace

const Command kMotionCommand{"motion",
                             "every frame in which something moved, with its date and time",
                             "usage: vnplay-tool motion FILE... --threshold T [--jobs N]\n"
                             "\n"
                             "Compares every frame of each recording (.avi) with the good frame before\n"
                             "it, as the player's motion search does, and prints one JSON line for each\n"
                             "frame in which an 8 x 8 block's mean brightness changed by more than T:\n"
                             "the file, the frame, the capture date and time and the number of blocks\n"
                             "that changed; and one line for each frame that cannot be read. A last line\n"
                             "gives the frames scanned, those skipped as unreadable, and the seconds.\n"
                             "  --jobs N  scan N recordings at once (the lines keep the files' order).\n",
                             {"threshold", "jobs"},
                             {},
                             RunMotion,
                             nullptr};

}  // namespace vn::tool
