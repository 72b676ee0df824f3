// The motion scan against libjpeg-turbo in one run, on the frames of one
// recording: our scan over the whole recording (reading each frame from the
// file, DC-only decode, comparison) with a threshold no block change
// exceeds, decoding ahead on one thread per processor and on the caller's
// thread alone, and libjpeg-turbo reading and decoding every frame at 1/8
// scale to grey, the nearest it comes to a DC-only decode. Wall-clock time,
// the best of the passes, the three taking turns so that they share the
// machine's load alike.
//
//   vnplay-bench scan RECORDING.avi [PASSES]
//
// Prints scan_fps, scan_single_fps, turbo_eighth_fps and last scan_ratio =
// scan_fps / turbo_eighth_fps; notes go to standard error.
#include <algorithm>
#include <chrono>
#include <functional>
#include <iostream>
#include <thread>
#include <turbojpeg.h>
#include <vector>

#include "benchmarks.h"
#include "decode/jpeg_decoder.h"
#include "recording/recording.h"

namespace vn::bench {

namespace {

// Above any change of an 8-bit mean: the scan never stops early.
constexpr int kNoMotion = 255;

double FramesPerSecond(int frames, const std::function<void()>& pass) {
    const auto start = std::chrono::steady_clock::now();
    pass();
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    return frames / seconds.count();
}

}  // namespace

int RunScanBench(const std::string& path, int passes, std::ostream& out, std::ostream& log) {
    jpeg::JpegDecoder decoder;
    avi::Recording recording(decoder);
    if (recording.OpenRecording(path) != avi::OpenResult::kOpened) {
        log << "cannot open " << path << ": " << recording.openFailure << "\n";
        return 1;
    }
    const int frames = recording.header.frames;
    const int width = (recording.header.width + 7) / 8, height = (recording.header.height + 7) / 8;
    std::vector<uint8_t> grey(static_cast<size_t>(width) * height);
    std::vector<uint8_t> bytes(recording.frameBuffer.size());
    tjhandle turbo = tjInitDecompress();
    int failures = 0;

    auto scan = [&](int threads) {
        recording.scanner.decodeThreads = threads;
        failures += recording.scanner.MotionScan(0, frames, kNoMotion) != 0;
    };
    auto turboEighth = [&] {
        for (int f = 0; f < frames; ++f) {
            uint32_t length = 0;
            failures += recording.ReadFrame(f, bytes, nullptr, &length) != avi::FrameRead::kOk ||
                        tjDecompress2(turbo, bytes.data(), length, grey.data(), width, 0, height, TJPF_GRAY, 0) != 0;
        }
    };

    double best[3] = {0, 0, 0};
    for (int p = 0; p <= passes; ++p) {  // pass 0 warms the caches and is not counted
        const double fps[3] = {FramesPerSecond(frames, [&] { scan(0); }), FramesPerSecond(frames, [&] { scan(1); }),
                               FramesPerSecond(frames, turboEighth)};
        if (p == 0) continue;
        for (int i = 0; i < 3; ++i) best[i] = std::max(best[i], fps[i]);
    }
    tjDestroy(turbo);
    log << frames << " frames of " << recording.header.width << " x " << recording.header.height << ", best of "
        << passes << " passes in wall-clock time, " << std::thread::hardware_concurrency() << " processors\n";
    if (failures > 0) log << failures << " scans or frame decodes failed\n";

    out << "scan_fps " << best[0] << "\n";
    out << "scan_single_fps " << best[1] << "\n";
    out << "turbo_eighth_fps " << best[2] << "\n";
    out << "scan_ratio " << best[0] / best[2] << "\n";
    return failures == 0 ? 0 : 1;
}

}  // namespace vn::bench
