// Runs vnplay-tool, or another program, as a user does and collects what it
// printed.
#pragma once

#include <string>
#include <vector>

namespace vn::test {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
    double seconds = 0;  // wall time, from start to exit
    std::vector<std::string> OutLines() const;
};

// A command line as the shell reads it: the program, then its arguments.
ToolRun RunCommandLine(const std::string& commandLine);
ToolRun RunTool(const std::string& arguments);

// As RunTool, but the tool is killed (status 137) after the given seconds.
ToolRun RunToolWithin(const std::string& arguments, int seconds);
// The largest resident size, in KiB, that any tool run of this process reached.
long PeakToolMemoryKiB();

// A private folder for one test, removed with it.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::vector<unsigned char> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);

}  // namespace vn::test
