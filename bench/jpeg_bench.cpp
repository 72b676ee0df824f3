// Frames per second of our JPEG decoder and of libjpeg-turbo on the frames
// of one recording, single-threaded, in one run: our full decode
// (DecodeJpegFrame, picture included), our DC-only decode and
// libjpeg-turbo's full decode to blue-green-red (tjDecompress2, flags 0).
// After a pass that warms the caches, each decodes all frames once per
// pass; the best pass counts, timed in the thread's CPU time as the machine
// is shared.
//
//   vnplay-bench jpeg RECORDING.avi [PASSES]
//
// Prints ours_full_fps, turbo_full_fps, ours_dc_fps, dc_vs_turbo_full and,
// last, full_ratio = ours_full_fps / turbo_full_fps; notes go to standard
// error.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <iostream>
#include <string>
#include <string_view>
#include <turbojpeg.h>
#include <vector>

#include "benchmarks.h"
#include "decode/jpeg_decoder.h"
#include "recording/recording.h"

namespace vn::bench {
namespace {

struct Frames {
    int width = 0;
    int height = 0;
    std::vector<std::vector<uint8_t>> jpeg;
};

bool LoadFrames(const std::string& path, Frames& frames, std::ostream& log) {
    jpeg::JpegDecoder decoder;
    avi::Recording recording(decoder);
    if (recording.OpenRecording(path) != avi::OpenResult::kOpened) {
        log << "cannot open " << path << ": " << recording.openFailure << "\n";
        return false;
    }
    frames.width = recording.header.width;
    frames.height = recording.header.height;
    for (int f = 0; f < recording.header.frames; ++f) {
        if (recording.ReadFrame(f) != avi::FrameRead::kOk) {
            log << "frame " << f << " cannot be read\n";
            return false;
        }
        const std::span<const uint8_t> bytes = recording.LastFrameBytes();
        frames.jpeg.emplace_back(bytes.begin(), bytes.end());
    }
    return !frames.jpeg.empty();
}

// Thread CPU time: other processes sharing the machine do not count.
double CpuSeconds() {
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec * 1e-9;
}

// Frames per second of one pass of decodeOne over all frames.
double Pass(const Frames& frames, const std::function<void(const std::vector<uint8_t>&)>& decodeOne) {
    const double start = CpuSeconds();
    for (const auto& jpeg : frames.jpeg) decodeOne(jpeg);
    return frames.jpeg.size() / (CpuSeconds() - start);
}

double Psnr(const Picture& ours, const std::vector<uint8_t>& turbo, int width, int height) {
    double sum = 0;
    for (int i = 0; i < height; ++i) {
        for (int j = 0; j < 3 * width; ++j) {
            const double d = ours.Row(i)[j] - turbo[static_cast<size_t>(i) * 3 * width + j];
            sum += d * d;
        }
    }
    return sum == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 * 3 * width * height / sum);
}

}  // namespace

int RunJpegBench(const std::string& path, int passes, std::ostream& out, std::ostream& log) {
    Frames frames;
    if (!LoadFrames(path, frames, log)) return 1;
    const int width = frames.width, height = frames.height;
    const int blocksWide = (width + 7) / 8, blocksHigh = (height + 7) / 8;

    jpeg::JpegDecoder decoder;
    if (!decoder.AllocatePlanes(width, height)) {
        log << "unusable picture size " << width << " x " << height << "\n";
        return 1;
    }
    Picture picture(width, height);
    std::vector<int32_t> dcLuma(static_cast<size_t>(blocksWide) * blocksHigh);
    std::vector<int32_t> dcCb(static_cast<size_t>((blocksWide + 1) / 2) * ((blocksHigh + 1) / 2)), dcCr(dcCb.size());
    std::vector<uint8_t> turboPicture(static_cast<size_t>(width) * height * 3);
    tjhandle turbo = tjInitDecompress();

    int failedFrames = 0;
    auto oursFull = [&](const std::vector<uint8_t>& jpeg) {
        failedFrames += !decoder.DecodeJpegFrame(jpeg, picture, nullptr, nullptr).complete();
    };
    auto oursDc = [&](const std::vector<uint8_t>& jpeg) {
        decoder.DecodeJpegDcImage(jpeg, dcLuma.data(), dcCb.data(), dcCr.data(), blocksWide, blocksHigh);
    };
    auto turboFull = [&](const std::vector<uint8_t>& jpeg) {
        failedFrames +=
            tjDecompress2(turbo, jpeg.data(), jpeg.size(), turboPicture.data(), width, 0, height, TJPF_BGR, 0) != 0;
    };

    // One pass to warm caches and fault in the buffers, then the best of
    // the timed passes.
    Pass(frames, oursFull);
    Pass(frames, turboFull);
    Pass(frames, oursDc);
    const int warmUpFailures = failedFrames;
    double best[3] = {0, 0, 0};
    for (int p = 0; p < passes; ++p) {
        best[0] = std::max(best[0], Pass(frames, oursFull));
        best[1] = std::max(best[1], Pass(frames, turboFull));
        best[2] = std::max(best[2], Pass(frames, oursDc));
    }
    // Both pictures now hold the last frame.
    log << frames.jpeg.size() << " frames of " << width << " x " << height << ", best of " << passes
        << " passes in thread CPU time; last frame ours vs libjpeg-turbo: "
        << Psnr(picture, turboPicture, width, height) << " dB\n";
    if (warmUpFailures > 0) log << warmUpFailures << " frame decodes failed in the first pass\n";
    tjDestroy(turbo);

    out << "ours_full_fps " << best[0] << "\n";
    out << "turbo_full_fps " << best[1] << "\n";
    out << "ours_dc_fps " << best[2] << "\n";
    out << "dc_vs_turbo_full " << best[2] / best[1] << "\n";
    out << "full_ratio " << best[0] / best[1] << "\n";
    return 0;
}

}  // namespace vn::bench
