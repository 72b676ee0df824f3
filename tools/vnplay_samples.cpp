// vnplay-samples FOLDER: writes the sample recordings into FOLDER.
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "samplewriter/default_samples.h"
#include "version/version.h"

namespace {

const char kUsage[] =
    "usage: vnplay-samples FOLDER\n"
    "       vnplay-samples --help | --version\n"
    "\n"
    "Writes sample recordings, laid out the way the time-lapse cameras write\n"
    "them, into FOLDER (made when missing); files of the same names are\n"
    "replaced.\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("vnplay-samples %s\n", vn::version::kText);
        return 0;
    }
    if (argc == 2 && argv[1][0] == '-') {
        std::fprintf(stderr, "vnplay-samples: unknown option \"%s\"\nTry \"vnplay-samples --help\".\n", argv[1]);
        return 2;
    }
    if (argc != 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string directory = argv[1];
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) {
        std::fprintf(stderr, "cannot create %s: %s\n", directory.c_str(), error.message().c_str());
        return 1;
    }
    int failures = 0;
    for (const auto& sample : vn::samples::DefaultSamples()) {
        if (vn::samples::WriteSample(sample, directory)) {
            std::printf("%-13s %4zu frames  %s\n", sample.fileName.c_str(), sample.frames.size(),
                        sample.summary.c_str());
        } else {
            std::fprintf(stderr, "cannot write %s in %s\n", sample.fileName.c_str(), directory.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
