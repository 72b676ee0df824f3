// The tool's subcommands. Each returns the process exit status: 0 on
// success, 1 for a usage error, 2 when the file cannot be used.
#pragma once

#include <string>

namespace vn::tool {

class Arguments;

int RunInfo(Arguments& args);
int RunFrames(Arguments& args);
int RunDecode(Arguments& args);
int RunReport(Arguments& args);
int RunExport(Arguments& args);
int RunSaveFrame(Arguments& args);
int RunCamset(Arguments& args);

// Prints "vnplay-tool COMMAND: message" to standard error.
void Complain(const char* command, const std::string& message);

constexpr int kExitUsage = 1;
constexpr int kExitUnusable = 2;

}  // namespace vn::tool
