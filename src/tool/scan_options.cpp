#include "tool/scan_options.h"

#include <climits>
#include <string>

#include "tool/commands.h"

namespace vn::tool {

std::optional<int> RequiredInt(const char* command, Arguments& args, const char* name) {
    if (!args.Has(name)) {
        Complain(command, std::string("needs --") + name);
        return std::nullopt;
    }
    const auto value = args.Integer(name);
    if (!value || *value < INT_MIN || *value > INT_MAX) {
        Complain(command, args.ok() ? std::string("--") + name + " is out of range" : args.error());
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::optional<LoopChoice> ChooseLoop(const char* command, Arguments& args) {
    const int named = args.Has("motion") + args.Has("events") + args.Has("trigger");
    if (named != 1) {
        Complain(command, "needs exactly one of --motion THRESHOLD, --events, --trigger");
        return std::nullopt;
    }
    LoopChoice choice;
    if (args.Has("events")) {
        choice.loop = LoopChoice::Loop::Events;
    } else if (args.Has("trigger")) {
        choice.loop = LoopChoice::Loop::Trigger;
    } else {
        const auto threshold = RequiredInt(command, args, "motion");
        if (!threshold) return std::nullopt;
        choice.threshold = *threshold;
    }
    return choice;
}

}  // namespace vn::tool
