#include "tool/run_tool.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>

namespace vn::test {

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

std::vector<std::string> ToolRun::OutLines() const {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

ToolRun RunTool(const std::string& arguments) { return RunCommandLine(std::string(VNPLAY_TOOL) + " " + arguments); }

ToolRun RunToolWithin(const std::string& arguments, int seconds) {
    return RunCommandLine("timeout -s KILL " + std::to_string(seconds) + " " + VNPLAY_TOOL + " " + arguments);
}

ToolRun RunCommandLine(const std::string& commandLine) {
    ScratchDir capture;
    const std::string command = commandLine + " >" + capture.File("out") + " 2>" + capture.File("err");
    ToolRun run;
    const auto start = std::chrono::steady_clock::now();
    const int raw = std::system(command.c_str());
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = Slurp(capture.File("out"));
    run.err = Slurp(capture.File("err"));
    return run;
}

long PeakToolMemoryKiB() {
    // Children's usage includes the tool's, as the shell and timeout wait for it.
    struct rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

ScratchDir::ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vnplay-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<unsigned char> ReadBytes(const std::string& path) {
    const std::string text = Slurp(path);
    return {text.begin(), text.end()};
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace vn::test
