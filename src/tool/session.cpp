#include "tool/session.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

#include "tool/commands.h"

namespace vn::tool {

void Complain(const char* command, const std::string& message) {
    std::fprintf(stderr, "vnplay-tool %s: %s\n", command, message.c_str());
}

int Session::Open(const char* command, const Arguments& args) {
    if (args.positional().size() != 1) {
        Complain(command, "expects exactly one FILE");
        return kExitUsage;
    }
    return OpenPath(command, args.positional()[0]);
}

int Session::OpenPath(const char* command, const std::string& filePath) {
    path = filePath;
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        Complain(command, path + ": " + std::strerror(errno));
        return kExitUnusable;
    }
    if (S_ISDIR(info.st_mode)) {
        Complain(command, path + ": is a folder, not a recording");
        return kExitUnusable;
    }
    openResult = recording.OpenRecording(path);
    if (openResult != avi::OpenResult::kOpened) {
        std::string reason = recording.openFailure.empty() ? "unusable" : recording.openFailure;
        Complain(command, path + ": not a usable recording (" + reason + ", result " +
                              std::to_string(static_cast<int>(openResult)) + ")");
        return kExitUnusable;
    }
    return 0;
}

}  // namespace vn::tool
