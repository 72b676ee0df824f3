// "frames": every frame as the player shows it when it plays forwards from
// frame 0, one JSON object a line.
#include <cstdio>

#include "recording/frame_show.h"
#include "tool/commands.h"
#include "tool/json_writer.h"
#include "tool/movie_commands.h"
#include "tool/session.h"
#include "tool/shown_frame_json.h"

namespace vn::tool {
namespace {

int RunFrames(Arguments& args) {
    Session session;
    if (int status = session.Open("frames", args)) return status;
    avi::Recording& recording = session.recording;
    const jpeg::CameraRecords& camera = session.decoder.camera;
    Picture picture(recording.header.width, recording.header.height);
    avi::FrameShow show(recording);
    show.Reset();

    for (int i = 0; i < recording.header.frames; ++i) {
        const avi::ShownFrame f = show.Show(i, picture);
        const bool read = f.readResult == avi::FrameRead::kOk;
        JsonWriter json;
        json.BeginObject();
        WriteFetch(json, f);
        WriteTimes(json, f);
        // The clock is the frame's capture date and time: like them it
        // belongs to a frame that is shown, not to one whose picture is bad.
        json.FieldIf("frame_clock", f.presented, [&](JsonWriter& j) { j.Value(camera.FrameClock); })
            .FieldIf("event_byte", read && camera.hasEventByte, [&](JsonWriter& j) { j.Value(int{camera.EventByte}); })
            .FieldIf("kind", read && camera.walk.tsRecord, [&](JsonWriter& j) { j.Value(camera.frame.cameraKind); })
            .Field("trigger", read && camera.triggerEdge)
            .EndObject();
        std::printf("%s\n", json.str().c_str());
    }
    return 0;
}

}  // namespace

const Command kFramesCommand{"frames",
                             "one JSON line a frame, as the player shows it playing forwards",
                             "usage: vnplay-tool frames FILE [--honour-skip] [--audio-out PATH]\n"
                             "\n"
                             "One JSON object a line for every frame, as the player shows it playing\n"
                             "forwards from the first frame: read and decode results, elapsed time,\n"
                             "capture date and time, camera clock, event marks. For a movie, one line\n"
                             "for every picture in stream order, then one for where reading ended.\n"
                             "\n"
                             "Options (movies):\n"
                             "  --honour-skip      leave out the sound bytes each chunk marks as skippable\n"
                             "  --audio-out PATH   write the raw movie's sound bytes to PATH\n",
                             {"audio-out"},
                             {"honour-skip"},
                             RunFrames,
                             RunMovieFrames};

}  // namespace vn::tool
