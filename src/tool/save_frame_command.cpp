// "save-frame": one frame of a recording saved as the player's "Save
// Current" saves it, its JPEG bytes exactly as the recording holds them.
// The frame number is 1-based, as the player shows it.
#include <cstdio>

#include "common/output_file.h"
#include "tool/arguments.h"
#include "tool/commands.h"
#include "tool/json_writer.h"
#include "tool/session.h"

namespace vn::tool {

namespace {

int RunSaveFrame(Arguments& args) {
    const auto frame = args.Integer("frame");
    const auto out = args.Text("out");
    if (!args.ok() || !frame || !out) {
        Complain("save-frame", args.ok() ? "needs --frame N --out FILE.jpg" : args.error());
        return kExitUsage;
    }
    Session session;
    if (int status = session.Open("save-frame", args)) return status;
    avi::Recording& recording = session.recording;
    const int frames = recording.header.frames;
    if (*frame < 1 || *frame > frames) {
        Complain("save-frame", "frame " + std::to_string(*frame) + " is out of range (the recording has frames 1.." +
                                   std::to_string(frames) + ")");
        return kExitUsage;
    }
    const int index = static_cast<int>(*frame) - 1;
    if (const avi::FrameRead result = recording.ReadFrame(index); result != avi::FrameRead::kOk) {
        Complain("save-frame", "frame " + std::to_string(*frame) + " cannot be read (result " +
                                   std::to_string(static_cast<int>(result)) + ")");
        return kExitUnusable;
    }
    std::string reason;
    if (!WriteWholeFile(*out, recording.LastFrameBytes(), &reason)) {
        Complain("save-frame", "cannot write " + *out + ": " + reason);
        return kExitUnusable;
    }
    JsonWriter json;
    json.BeginObject()
        .Field("frame", static_cast<int64_t>(*frame))
        .Field("bytes", static_cast<uint64_t>(recording.LastFrameBytes().size()))
        .Field("out", *out)
        .EndObject();
    std::printf("%s\n", json.str().c_str());
    return 0;
}

}  // namespace

const Command kSaveFrameCommand{"save-frame",
                                "one frame of a recording saved as its JPEG bytes",
                                "usage: vnplay-tool save-frame FILE --frame N --out FILE.jpg\n"
                                "\n"
                                "Writes frame N (1-based, as the player numbers frames) exactly as the\n"
                                "recording holds it, the camera's records inside, as the player's \"Save\n"
                                "Current\" does. Prints one JSON line: the frame, its bytes, the file.\n"
                                "\n"
                                "Options:\n"
                                "  --frame N         the frame, 1-based\n"
                                "  --out FILE        the JPEG file to write\n",
                                {"frame", "out"},
                                {},
                                RunSaveFrame,
                                nullptr};

}  // namespace vn::tool
