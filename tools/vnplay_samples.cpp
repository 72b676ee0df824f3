// vnplay-samples FOLDER: writes the sample recordings and movies into FOLDER.
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "samplewriter/default_movies.h"
#include "samplewriter/default_samples.h"
#include "version/version.h"

namespace {

const char kUsage[] =
    "usage: vnplay-samples FOLDER\n"
    "       vnplay-samples --help | --version\n"
    "\n"
    "Writes sample recordings and movies, laid out the way the time-lapse\n"
    "cameras write them, into FOLDER (made when missing); files of the same\n"
    "names are replaced.\n";

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
    for (const auto& movie : vn::samples::DefaultMovies()) {
        if (vn::samples::WriteMovie(movie, directory)) {
            std::printf("%-13s %4d pictures %s\n", movie.fileName.c_str(), movie.pictureCount, movie.summary.c_str());
        } else {
            std::fprintf(stderr, "cannot write %s in %s\n", movie.fileName.c_str(), directory.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
