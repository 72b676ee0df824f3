// vnplay-bench: our code and a peer side by side in one run.
//
//   vnplay-bench jpeg RECORDING.avi [PASSES]     the JPEG decoder
//   vnplay-bench export RECORDING.avi [PASSES]   segment export
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "bench_commands.h"

int main(int argc, char** argv) {
    const std::string_view which = argc > 1 ? argv[1] : "";
    if (argc < 3 || argc > 4 || (which != "jpeg" && which != "export")) {
        std::cerr << "usage: vnplay-bench jpeg|export RECORDING.avi [PASSES]\n";
        return 2;
    }
    const int passes = argc == 4 ? std::atoi(argv[3]) : 5;
    if (passes < 1) {
        std::cerr << "PASSES must be 1 or more\n";
        return 2;
    }
    return which == "jpeg" ? vn::bench::RunJpegBench(argv[2], passes, std::cout, std::cerr)
                           : vn::bench::RunExportBench(argv[2], passes, std::cout, std::cerr);
}
