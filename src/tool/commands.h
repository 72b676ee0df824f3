// The tool's subcommands on recordings and movies. Each runs to the process
// exit status: 0 on success, 1 when a file cannot be used, 2 for a wrong
// command line.
#pragma once

#include <string>

#include "tool/command.h"

namespace vn::tool {

extern const Command kInfoCommand;
extern const Command kFramesCommand;
extern const Command kDecodeCommand;
extern const Command kReportCommand;
extern const Command kScanCommand;
extern const Command kSearchCommand;
extern const Command kMotionCommand;
extern const Command kEventsCommand;
extern const Command kExportCommand;
extern const Command kSaveFrameCommand;
extern const Command kCamsetCommand;

// Prints "vnplay-tool COMMAND: message" to standard error.
void Complain(const char* command, const std::string& message);

constexpr int kExitUnusable = 1;
constexpr int kExitUsage = 2;

}  // namespace vn::tool
