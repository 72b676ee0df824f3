// One recording opened for a subcommand, with the decoder it uses.
#pragma once

#include <string>

#include "decode/jpeg_decoder.h"
#include "recording/recording.h"
#include "tool/arguments.h"
#include "tool/commands.h"

namespace vn::tool {

struct Session {
    jpeg::JpegDecoder decoder;
    avi::Recording recording{decoder};
    std::string path;
    avi::OpenResult openResult = avi::OpenResult::kOpened;

    // Takes the one FILE argument and opens it. On failure prints a message
    // for the command to standard error and returns the exit status;
    // returns 0 when the recording is open.
    int Open(const char* command, const Arguments& args);
    // The same for a path of the commands that take several files.
    int OpenPath(const char* command, const std::string& filePath);
};

}  // namespace vn::tool
