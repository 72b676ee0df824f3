// The choice of scanning loop that the scan and search commands share:
// --motion THRESHOLD, --events or --trigger, exactly one of them.
#pragma once

#include <optional>

#include "tool/arguments.h"

namespace vn::tool {

struct LoopChoice {
    enum class Loop { Motion, Events, Trigger } loop = Loop::Motion;
    int threshold = 0;  // of the motion loop
};

// The loop the arguments ask for; nullopt (with a complaint for the
// command) when they name none, several, or a threshold that is no number.
std::optional<LoopChoice> ChooseLoop(const char* command, Arguments& args);

// An option's value as an int; nullopt (with a complaint) when it is
// missing, no whole number, or beyond an int.
std::optional<int> RequiredInt(const char* command, Arguments& args, const char* name);

}  // namespace vn::tool
