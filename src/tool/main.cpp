// vnplay-tool: inspects camera recordings and movies from the command line
// and prints what the player would show, as JSON.
#include <cstdio>
#include <cstring>

#include "tool/arguments.h"
#include "tool/commands.h"
#include "tool/movie_commands.h"
#include "version/version.h"

namespace {

using vn::tool::Command;

// A new command defines its Command beside its code and joins this list.
const Command* const kCommands[] = {
    &vn::tool::kInfoCommand,   &vn::tool::kFramesCommand, &vn::tool::kDecodeCommand,    &vn::tool::kReportCommand,
    &vn::tool::kSeekCommand,   &vn::tool::kScanCommand,   &vn::tool::kSearchCommand,    &vn::tool::kMotionCommand,
    &vn::tool::kEventsCommand, &vn::tool::kExportCommand, &vn::tool::kSaveFrameCommand, &vn::tool::kCamsetCommand,
    &vn::tool::kPlayCommand,
};

void PrintUsage(FILE* out) {
    std::fputs(
        "usage: vnplay-tool COMMAND FILE [OPTION...]\n"
        "       vnplay-tool COMMAND --help\n"
        "       vnplay-tool --help | --version\n"
        "\n"
        "Prints what vnplay reads from a camera recording (.avi) or movie (.m4v,\n"
        ".mvm) as JSON, and takes out what the player takes out: segments, frames,\n"
        "the camera's settings file. Commands:\n",
        out);
    for (const Command* command : kCommands) std::fprintf(out, "  %-10s %s\n", command->name, command->summary);
    std::fputs("\n\"vnplay-tool COMMAND --help\" shows a command's options.\n", out);
}

int UsageError(const char* message, const char* argument) {
    std::fprintf(stderr, "vnplay-tool: %s \"%s\"\nTry \"vnplay-tool --help\".\n", message, argument);
    return vn::tool::kExitUsage;
}

int RunCommand(const Command& command, int argc, char** argv) {
    vn::tool::Arguments args(argc, argv, 2, command.valueOptions, command.switches);
    if (args.Has("help")) {
        std::fputs(command.help, stdout);
        return 0;
    }
    if (!args.ok()) {
        vn::tool::Complain(command.name, args.error() + "\nTry \"vnplay-tool " + command.name + " --help\".");
        return vn::tool::kExitUsage;
    }
    const bool movie = !args.positional().empty() && vn::tool::IsMovieFile(args.positional()[0]);
    const Command::Run run = movie ? command.movie : command.recording;
    if (!run) {
        vn::tool::Complain(command.name, movie ? "works on recordings (.avi), not on movies"
                                               : "works on movies (.m4v, .mvm), not on recordings");
        return vn::tool::kExitUsage;
    }
    return run(args);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return vn::tool::kExitUsage;
    }
    const char* first = argv[1];
    if (std::strcmp(first, "--help") == 0 || std::strcmp(first, "-h") == 0) {
        PrintUsage(stdout);
        return 0;
    }
    if (std::strcmp(first, "--version") == 0) {
        std::printf("vnplay-tool %s\n", vn::version::kText);
        return 0;
    }
    for (const Command* command : kCommands) {
        if (std::strcmp(first, command->name) == 0) return RunCommand(*command, argc, argv);
    }
    return UsageError(first[0] == '-' ? "unknown option" : "unknown command", first);
}
