// One subcommand of vnplay-tool: its name, its help and the options it
// takes, with what runs it on recordings and on movies. Each command defines
// its Command beside its code; main.cpp lists them.
#pragma once

#include <set>
#include <string>

#include "tool/arguments.h"

namespace vn::tool {

struct Command {
    using Run = int (*)(Arguments&);

    const char* name;
    const char* summary;  // one line in the list of commands
    const char* help;     // "vnplay-tool NAME --help": its usage and options
    std::set<std::string> valueOptions;
    std::set<std::string> switches;
    Run recording;  // null: not for recordings
    Run movie;      // null: not for movies
};

}  // namespace vn::tool
