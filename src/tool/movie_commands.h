// vnplay-tool on MPEG-4 streams (.m4v) and raw movies (.mvm): info, frames,
// decode and seek. Each takes the subcommand's arguments with the movie as
// the one positional value and returns the exit status: 0 ok, 1 file
// unusable, 2 wrong command line.
#pragma once

#include <string>

#include "tool/arguments.h"
#include "tool/command.h"

namespace vn::tool {

// File kind by extension, case-insensitive: 2 for .m4v, 3 for .mvm, else 0.
int MovieKind(const std::string& path);
bool IsMovieFile(const std::string& path);

int RunMovieInfo(Arguments& args);
int RunMovieFrames(Arguments& args);
int RunMovieDecode(Arguments& args);
int RunMovieSeek(Arguments& args);

// "seek" and "play", for movies only.
extern const Command kSeekCommand;
extern const Command kPlayCommand;

}  // namespace vn::tool
