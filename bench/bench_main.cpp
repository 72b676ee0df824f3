// vnplay-bench: our code and its nearest peer side by side in one run.
//
//   vnplay-bench jpeg RECORDING.avi [PASSES]   the JPEG decoder against libjpeg-turbo
//   vnplay-bench scan RECORDING.avi [PASSES]   the motion scan against libjpeg-turbo at 1/8 scale
//   vnplay-bench events [FRAMES [PASSES]]      opening an event recording against reading it twice
//   vnplay-bench export RECORDING.avi [PASSES] segment export against cp and ffmpeg -c copy
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "benchmarks.h"

namespace {

const char kUsage[] =
    "usage: vnplay-bench jpeg RECORDING.avi [PASSES]\n"
    "       vnplay-bench scan RECORDING.avi [PASSES]\n"
    "       vnplay-bench events [FRAMES [PASSES]]\n"
    "       vnplay-bench export RECORDING.avi [PASSES]\n";

// The optional count at argv[at], or fallback; 0 when it is not a count.
int Count(int argc, char** argv, int at, int fallback) { return argc > at ? std::atoi(argv[at]) : fallback; }

}  // namespace

int main(int argc, char** argv) {
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "events" && argc <= 4) {
        const int frames = Count(argc, argv, 2, 20000), passes = Count(argc, argv, 3, 3);
        if (frames >= 1 && passes >= 1) return vn::bench::RunEventsBench(frames, passes, std::cout, std::cerr);
    } else if ((command == "jpeg" || command == "scan" || command == "export") && argc >= 3 && argc <= 4) {
        const int passes = Count(argc, argv, 3, 5);
        if (passes >= 1) {
            if (command == "jpeg") return vn::bench::RunJpegBench(argv[2], passes, std::cout, std::cerr);
            if (command == "scan") return vn::bench::RunScanBench(argv[2], passes, std::cout, std::cerr);
            return vn::bench::RunExportBench(argv[2], passes, std::cout, std::cerr);
        }
    }
    std::cerr << kUsage;
    return 2;
}
