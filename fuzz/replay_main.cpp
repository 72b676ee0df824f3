// Runs a harness over kept inputs without libFuzzer: each argument is a
// file, or a folder whose files are all run. Built by every compiler, so
// that the test suite replays the corpora and the findings' reproducers.
// It holds each input to a time bound: whatever a file holds, no entry point
// may take long over it.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

// The bound on one input through every entry point its harness calls.
// Unoptimised builds, with their run-time checks, get ten times as long.
#ifdef NDEBUG
constexpr double kSecondsPerInput = 1.0;
#else
constexpr double kSecondsPerInput = 10.0;
#endif

struct Slowest {
    double seconds = 0;
    std::filesystem::path input;
};

int RunFile(const std::filesystem::path& path, Slowest& slowest) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 1;
    }
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto start = std::chrono::steady_clock::now();
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (seconds > slowest.seconds) slowest = {seconds, path};
    if (seconds <= kSecondsPerInput) return 0;
    std::fprintf(stderr, "%s took %.2f s, more than %.0f s\n", path.c_str(), seconds, kSecondsPerInput);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    int failures = 0;
    size_t inputs = 0;
    Slowest slowest;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path argument(argv[i]);
        std::vector<std::filesystem::path> files;
        if (std::filesystem::is_directory(argument)) {
            for (const auto& entry : std::filesystem::directory_iterator(argument)) {
                if (entry.is_regular_file()) files.push_back(entry.path());
            }
            std::sort(files.begin(), files.end());
        } else {
            files.push_back(argument);
        }
        for (const auto& file : files) failures += RunFile(file, slowest);
        inputs += files.size();
    }
    std::printf("%zu inputs run; the slowest took %.1f ms: %s\n", inputs, slowest.seconds * 1000, slowest.input.c_str());
    return failures == 0 && inputs > 0 ? 0 : 1;
}
