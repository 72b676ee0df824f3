// "events": the camera's event frames and the trigger sensor's switching
// on, in whole recordings, one JSON line each, walking every frame's
// segments in order as a player showing them would.
#include <cstdio>
#include <string>

#include "tool/commands.h"
#include "tool/json_writer.h"
#include "tool/session.h"
#include "tool/shown_frame_json.h"

namespace vn::tool {

namespace {
constexpr uint8_t kEventMark = 0x80;

int RunEvents(Arguments& args) {
    if (args.positional().empty()) {
        Complain("events", "needs at least one recording FILE");
        return kExitUsage;
    }
    int status = 0;
    for (const std::string& path : args.positional()) {
        Session session;
        if (session.OpenPath("events", path) != 0) {
            status = kExitUnusable;
            continue;
        }
        avi::Recording& recording = session.recording;
        const jpeg::CameraRecords& camera = session.decoder.camera;
        // Opening walked frames already; the walk starts as a fresh player's.
        session.decoder.camera.ForgetRecords();
        for (int f = 0; f < recording.header.frames; ++f) {
            if (!recording.scanner.WalkFrameHeaders(f)) continue;
            const bool event = camera.hasEventByte && (camera.EventByte & kEventMark) != 0;
            for (const char* kind : {event ? "event" : nullptr, camera.triggerEdge ? "trigger" : nullptr}) {
                if (!kind) continue;
                JsonWriter json;
                json.BeginObject().Field("kind", kind);
                WriteFoundFrame(json, recording, path, f);
                std::printf("%s\n", json.EndObject().str().c_str());
            }
        }
    }
    return status;
}

}  // namespace

const Command kEventsCommand{"events",
                             "every event frame and trigger, with its date and time",
                             "usage: vnplay-tool events FILE...\n"
                             "\n"
                             "Walks every frame of each recording (.avi) in order and prints one JSON\n"
                             "line for each frame the camera marked as an event (\"kind\": \"event\") and\n"
                             "each frame at which its trigger sensor switched on (\"trigger\"), with the\n"
                             "file, the frame and the capture date and time.\n",
                             {},
                             {},
                             RunEvents,
                             nullptr};

}  // namespace vn::tool
