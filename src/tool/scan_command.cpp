// "scan": one scanning loop on the freshly opened recording, with the
// loop's own arguments and result.
#include <cstdio>

#include "tool/commands.h"
#include "tool/json_writer.h"
#include "tool/scan_options.h"
#include "tool/session.h"

namespace vn::tool {

namespace {

int RunScan(Arguments& args) {
    const auto choice = ChooseLoop("scan", args);
    if (!choice) return kExitUsage;
    const auto start = RequiredInt("scan", args, "start");
    const auto end = start ? RequiredInt("scan", args, "end") : std::nullopt;
    if (!end) return kExitUsage;
    Session session;
    if (int status = session.Open("scan", args)) return status;
    avi::FrameScanner& scanner = session.recording.scanner;
    int result = 0;
    switch (choice->loop) {
        case LoopChoice::Loop::Motion:
            result = scanner.MotionScan(*start, *end, choice->threshold);
            break;
        case LoopChoice::Loop::Events:
            result = scanner.EventScan(*start, *end);
            break;
        case LoopChoice::Loop::Trigger:
            // Opening walked frames already; the walk starts as if the
            // sensor had been off.
            session.decoder.camera.triggerRemembered = false;
            result = scanner.TriggerWalk(*start, *end);
            break;
    }
    JsonWriter json;
    json.BeginObject().Field("result", result).EndObject();
    std::printf("%s\n", json.str().c_str());
    return 0;
}

}  // namespace

const Command kScanCommand{"scan",
                           "one scanning loop, with the loop's own arguments and result",
                           "usage: vnplay-tool scan FILE (--motion T | --events | --trigger) --start S --end E\n"
                           "\n"
                           "Runs one of the player's scanning loops on the freshly opened recording\n"
                           "(.avi), from frame S toward frame E (E is never reached; the walk is\n"
                           "backward when S > E), and prints {\"result\": R}:\n"
                           "  --motion T  the first frame in which an 8 x 8 block's mean brightness\n"
                           "              changed by more than T since the good frame before it, the\n"
                           "              start frame being only the reference; 0 when none, -1 when\n"
                           "              S equals E.\n"
                           "  --events    the first frame the camera marked as an event, S included;\n"
                           "              -1 when none.\n"
                           "  --trigger   the first frame at which the trigger sensor switched on,\n"
                           "              the sensor taken as off before S; -1 when none.\n",
                           {"motion", "start", "end"},
                           {"events", "trigger"},
                           RunScan,
                           nullptr};

}  // namespace vn::tool
