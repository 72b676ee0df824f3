// The tool's subcommands. Each returns the process exit status: 0 on
// success, 1 for a usage error, 2 when the file cannot be used.
#pragma once

namespace vn::tool {

class Arguments;

int RunInfo(Arguments& args);
int RunFrames(Arguments& args);
int RunDecode(Arguments& args);
int RunReport(Arguments& args);

constexpr int kExitUsage = 1;
constexpr int kExitUnusable = 2;

}  // namespace vn::tool
