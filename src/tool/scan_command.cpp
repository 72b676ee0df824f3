// "scan": one scanning loop on the freshly opened recording, with the
// loop's own arguments and result.
#include <cstdio>

#include "tool/commands.h"
#include "tool/json_writer.h"
#include "tool/scan_options.h"
#include "tool/session.h"

namespace vn::tool {

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

}  // namespace vn::tool
