// vnplay-tool: inspects camera recordings and movies from the command line
// and prints what the player would show, as JSON.
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "tool/arguments.h"
#include "tool/commands.h"
#include "tool/movie_commands.h"

namespace {

const char kUsage[] =
    "usage: vnplay-tool COMMAND FILE [options]\n"
    "Recordings (.avi):\n"
    "  info FILE                          header, model, movie record, events\n"
    "  frames FILE                        one line per frame as the player shows it\n"
    "  decode FILE --frame N --out F.bmp  decode frames 0..N and write frame N\n"
    "         FILE --all --out-dir DIR    write every frame as DIR/frame_00000.bmp, ...\n"
    "         [--dc]                      the DC-only picture, one pixel per 8 x 8 block\n"
    "         [--embed-time]              the time-stamp caption below the frame\n"
    "  report FILE                        full per-frame report: camera records, checksums\n"
    "  export FILE --first A --last B [--step S] --avi OUT.avi | --jpg DIR/BASE_\n"
    "                                     frames A..B (1-based), every S-th, as a new AVI\n"
    "                                     or as DIR/BASE_00001.jpg, ...; JSON summary\n"
    "  save-frame FILE --frame N --out F.jpg  frame N (1-based), its JPEG bytes as stored\n"
    "Camera settings:\n"
    "  camset --card DIR [--int1 S] [--int2 S] [--int3 S] [--flicker 0|833|1000]\n"
    "         [--loop] [--expo-lock] [--time-offset 0|60|300]\n"
    "                                     writes DIR/DCIM/100morva/REGISTRY.LDR\n"
    "Movies (.m4v, .mvm):\n"
    "  info FILE                          stream size, length, time increments\n"
    "  frames FILE [--honour-skip] [--audio-out PATH]\n"
    "  decode FILE --picture N --out F.bmp | --all --out-dir DIR [--deblock 0|1|2] [--force-bw]\n"
    "  seek FILE --position P --step S --direction D [--read K] [--out-dir DIR] [--deblock M]\n";

using Run = int (*)(vn::tool::Arguments&);

struct Command {
    const char* name;
    Run recording;  // null: not for recordings
    Run movie;      // null: not for movies
    std::set<std::string> valueOptions;
};

const Command kCommands[] = {
    {"info", vn::tool::RunInfo, vn::tool::RunMovieInfo, {}},
    {"frames", vn::tool::RunFrames, vn::tool::RunMovieFrames, {"audio-out"}},
    {"decode", vn::tool::RunDecode, vn::tool::RunMovieDecode, {"frame", "picture", "out", "out-dir", "deblock"}},
    {"report", vn::tool::RunReport, nullptr, {}},
    {"export", vn::tool::RunExport, nullptr, {"first", "last", "step", "avi", "jpg"}},
    {"save-frame", vn::tool::RunSaveFrame, nullptr, {"frame", "out"}},
    {"camset", vn::tool::RunCamset, nullptr, {"card", "int1", "int2", "int3", "flicker", "time-offset"}},
    {"seek", nullptr, vn::tool::RunMovieSeek, {"position", "step", "direction", "read", "out-dir", "deblock"}},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(kUsage, argc < 2 ? stderr : stdout);
        return argc < 2 ? vn::tool::kExitUsage : 0;
    }
    for (const Command& command : kCommands) {
        if (std::strcmp(argv[1], command.name) != 0) continue;
        vn::tool::Arguments args(argc, argv, 2, command.valueOptions);
        if (!args.ok()) {
            vn::tool::Complain(command.name, args.error());
            return vn::tool::kExitUsage;
        }
        const bool movie = !args.positional().empty() && vn::tool::IsMovieFile(args.positional()[0]);
        const Run run = movie ? command.movie : command.recording;
        if (!run) {
            vn::tool::Complain(command.name, movie ? "works on recordings (.avi), not on movies"
                                                   : "works on movies (.m4v, .mvm), not on recordings");
            return vn::tool::kExitUsage;
        }
        return run(args);
    }
    std::fprintf(stderr, "vnplay-tool: unknown command \"%s\"\n%s", argv[1], kUsage);
    return vn::tool::kExitUsage;
}
