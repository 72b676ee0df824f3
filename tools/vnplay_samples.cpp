// vnplay-samples OUTDIR: writes the sample recordings and movies into OUTDIR.
#include <cstdio>
#include <filesystem>

#include "samplewriter/default_movies.h"
#include "samplewriter/default_samples.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argc > 0 ? argv[0] : "vnplay-samples");
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
