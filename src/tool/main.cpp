// vnplay-tool: inspects camera recordings from the command line and prints
// what the player would show, as JSON.
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "tool/arguments.h"
#include "tool/commands.h"

namespace {

const char kUsage[] =
    "usage: vnplay-tool COMMAND FILE [options]\n"
    "  info FILE                          recording header, model, movie record, events\n"
    "  frames FILE                        one line per frame as the player shows it\n"
    "  decode FILE --frame N --out F.bmp  decode frames 0..N and write frame N\n"
    "         FILE --all --out-dir DIR    write every frame as DIR/frame_00000.bmp, ...\n"
    "         [--dc]                      the DC-only picture, one pixel per 8 x 8 block\n"
    "  report FILE                        full per-frame report: camera records, checksums\n";

struct Command {
    const char* name;
    int (*run)(vn::tool::Arguments&);
    std::set<std::string> valueOptions;
};

const Command kCommands[] = {
    {"info", vn::tool::RunInfo, {}},
    {"frames", vn::tool::RunFrames, {}},
    {"decode", vn::tool::RunDecode, {"frame", "out", "out-dir"}},
    {"report", vn::tool::RunReport, {}},
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
            std::fprintf(stderr, "vnplay-tool %s: %s\n", command.name, args.error().c_str());
            return vn::tool::kExitUsage;
        }
        return command.run(args);
    }
    std::fprintf(stderr, "vnplay-tool: unknown command \"%s\"\n%s", argv[1], kUsage);
    return vn::tool::kExitUsage;
}
