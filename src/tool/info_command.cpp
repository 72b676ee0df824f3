// "info": what the camera recorded, as the recording states it.
#include <cstdio>

#include "tool/commands.h"
#include "tool/json_writer.h"
#include "tool/movie_commands.h"
#include "tool/recording_json.h"
#include "tool/session.h"

namespace vn::tool {
namespace {

int RunInfo(Arguments& args) {
    Session session;
    if (int status = session.Open("info", args)) return status;
    JsonWriter json(/*pretty=*/true);
    json.BeginObject();
    WriteRecordingFacts(json, session.recording, session.openResult, /*detailed=*/false);
    json.EndObject();
    std::printf("%s\n", json.str().c_str());
    return 0;
}

}  // namespace

const Command kInfoCommand{"info",
                           "what a recording or movie states: header, camera settings, events",
                           "usage: vnplay-tool info FILE\n"
                           "\n"
                           "For a recording (.avi), one JSON document: the header (frames, capture\n"
                           "interval, rate, size), the model tag, the movie record, the display flags\n"
                           "and the event frames. For a movie (.m4v, .mvm): the stream's size, its\n"
                           "length in units of 1024 bytes, the picture size and the time increments.\n",
                           {},
                           {},
                           RunInfo,
                           RunMovieInfo};

}  // namespace vn::tool
