// Segment export throughput against copying the same bytes with cp and the
// same range with FFmpeg's stream copy, in one run. Two exports of the
// recording to AVI: all frames, and every 10th frame (FFmpeg drops the
// others with its "noise" filter's drop expression). Each program's cost is
// its CPU time, user and system, so that other work on a shared machine
// does not count; ours includes opening the recording, once for both. The best of the
// passes counts. Outputs go to a temporary folder and are removed before
// each run.
//
//   vnplay-bench export RECORDING.avi [PASSES]
//
// Prints export_mb_s, cp_mb_s, ffmpeg_copy_mb_s (absent when ffmpeg is not
// installed), vs_ffmpeg and, last, vs_cp: megabytes (10^6 bytes) written
// per CPU second. Notes go to standard error.
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

#include "benchmarks.h"
#include "decode/jpeg_decoder.h"
#include "recording/segment_export.h"

extern char** environ;

namespace vn::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kSteps[] = {1, 10};

double CpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs a program with its output silenced; false unless it exits with 0.
bool Run(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const bool spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return spawned && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool HaveProgram(const char* name) { return Run({"sh", "-c", std::string("command -v ") + name}); }

struct Cost {
    double seconds = 0;
    uint64_t bytes = 0;
    double MbPerSecond() const { return seconds > 0 ? bytes / seconds / 1e6 : 0; }
};

// One pass of one program over both exports; bytes are what it wrote.
using Pass = bool (*)(const std::string& source, const fs::path& folder, Cost& cost);

std::string Output(const fs::path& folder, const char* who, int step) {
    return (folder / (std::string(who) + "_" + std::to_string(step) + ".avi")).string();
}

void ForgetOutputs(const fs::path& folder, const char* who) {
    for (int step : kSteps) fs::remove(Output(folder, who, step));
}

bool OursPass(const std::string& source, const fs::path& folder, Cost& cost) {
    ForgetOutputs(folder, "ours");
    const double start = CpuSeconds(RUSAGE_SELF);
    jpeg::JpegDecoder decoder;
    avi::Recording recording(decoder);
    if (recording.OpenRecording(source) != avi::OpenResult::kOpened) return false;
    for (int step : kSteps) {
        const avi::ExportRequest request{0, recording.header.frames - 1, step, avi::ExportMode::AviMovie,
                                         Output(folder, "ours", step)};
        avi::ExportProgress quiet;
        const avi::ExportSummary summary = avi::ExportSegment(recording, request, quiet);
        if (summary.result != avi::ExportResult::kExported) return false;
        cost.bytes += summary.bytesWritten;
    }
    cost.seconds = CpuSeconds(RUSAGE_SELF) - start;
    return true;
}

// cp copies what our exports wrote.
bool CpPass(const std::string&, const fs::path& folder, Cost& cost) {
    ForgetOutputs(folder, "cp");
    const double start = CpuSeconds(RUSAGE_CHILDREN);
    for (int step : kSteps) {
        if (!Run({"cp", Output(folder, "ours", step), Output(folder, "cp", step)})) return false;
        cost.bytes += fs::file_size(Output(folder, "cp", step));
    }
    cost.seconds = CpuSeconds(RUSAGE_CHILDREN) - start;
    return true;
}

bool FfmpegPass(const std::string& source, const fs::path& folder, Cost& cost) {
    ForgetOutputs(folder, "ffmpeg");
    const double start = CpuSeconds(RUSAGE_CHILDREN);
    for (int step : kSteps) {
        std::vector<std::string> argv = {"ffmpeg", "-nostdin", "-v", "error", "-i", source, "-c", "copy"};
        if (step > 1) {
            argv.insert(argv.end(), {"-bsf:v", "noise=drop=not(eq(mod(n\\," + std::to_string(step) + ")\\,0))"});
        }
        argv.push_back(Output(folder, "ffmpeg", step));
        if (!Run(argv)) return false;
        cost.bytes += fs::file_size(Output(folder, "ffmpeg", step));
    }
    cost.seconds = CpuSeconds(RUSAGE_CHILDREN) - start;
    return true;
}

// The cheapest of the passes; false when a pass failed.
bool Best(Pass pass, const std::string& source, const fs::path& folder, int passes, Cost& best) {
    for (int p = 0; p < passes; ++p) {
        Cost cost;
        if (!pass(source, folder, cost)) return false;
        if (p == 0 || cost.seconds < best.seconds) best = cost;
    }
    return true;
}

}  // namespace

int RunExportBench(const std::string& source, int passes, std::ostream& out, std::ostream& log) {
    std::string pattern = (fs::temp_directory_path() / "vnplay-bench-export-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        log << "cannot make a temporary folder\n";
        return 1;
    }
    const fs::path folder = pattern;
    Cost ours, cp, ffmpeg;
    const bool haveFfmpeg = HaveProgram("ffmpeg");
    bool ok = Best(OursPass, source, folder, passes, ours) && Best(CpPass, source, folder, passes, cp);
    if (ok && haveFfmpeg && !Best(FfmpegPass, source, folder, passes, ffmpeg)) {
        log << "ffmpeg could not copy " << source << "\n";
        ok = false;
    }
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    if (!ok) {
        log << "an export or copy of " << source << " failed\n";
        return 1;
    }
    log << "bytes written per pass: ours " << ours.bytes << ", cp " << cp.bytes << ", ffmpeg " << ffmpeg.bytes
        << "; CPU seconds (best of " << passes << "): ours " << ours.seconds << ", cp " << cp.seconds << ", ffmpeg "
        << ffmpeg.seconds << "\n";
    if (!haveFfmpeg) log << "ffmpeg is not installed: no comparison with it\n";
    out << "export_mb_s " << ours.MbPerSecond() << "\n";
    out << "cp_mb_s " << cp.MbPerSecond() << "\n";
    if (haveFfmpeg) {
        out << "ffmpeg_copy_mb_s " << ffmpeg.MbPerSecond() << "\n";
        out << "vs_ffmpeg " << ours.MbPerSecond() / ffmpeg.MbPerSecond() << "\n";
    }
    out << "vs_cp " << ours.MbPerSecond() / cp.MbPerSecond() << "\n";
    return 0;
}

}  // namespace vn::bench
