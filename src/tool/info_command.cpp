// "info": what the camera recorded, as the recording states it.
#include <cstdio>

#include "tool/commands.h"
#include "tool/json_writer.h"
#include "tool/recording_json.h"
#include "tool/session.h"

namespace vn::tool {

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

}  // namespace vn::tool
