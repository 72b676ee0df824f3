// "search": the window's search commands over a play list of recordings,
// headless: where the command ends and what its label then reads.
#include <cstdio>
#include <string>

#include "player/play_list.h"
#include "player/play_list_search.h"
#include "player/player_state.h"
#include "tool/commands.h"
#include "tool/json_writer.h"
#include "tool/scan_options.h"

namespace vn::tool {

namespace {

struct StartingPoint {
    int entry = 0;
    int frame = 0;  // -1: the last frame
};

// --from ENTRY:FRAME; without it a forward search starts at the first
// frame of the first entry, a backward one at the last frame of the last.
bool ReadStart(Arguments& args, int direction, int entries, StartingPoint& start) {
    const auto text = args.Text("from");
    if (!text) {
        start = direction > 0 ? StartingPoint{0, 0} : StartingPoint{entries - 1, -1};
        return true;
    }
    char tail = 0;
    if (std::sscanf(text->c_str(), "%d:%d%c", &start.entry, &start.frame, &tail) != 2 || start.entry < 0 ||
        start.entry >= entries || start.frame < 0) {
        Complain("search", "--from needs ENTRY:FRAME with ENTRY 0.." + std::to_string(entries - 1) +
                               " of the play list, not \"" + *text + "\"");
        return false;
    }
    return true;
}

const char* LabelText(player::SearchLabel label) {
    switch (label) {
        case player::SearchLabel::Inactive:
            return "Search Inactive";
        case player::SearchLabel::Forward:
            return "Search Forward";
        case player::SearchLabel::Backward:
            return "Search Backward";
        case player::SearchLabel::Found:
            return "Found";
    }
    return "";
}

int RunSearch(Arguments& args) {
    const auto choice = ChooseLoop("search", args);
    if (!choice) return kExitUsage;
    const int direction = args.Has("backward") ? -1 : 1;

    player::PlayList playList;
    for (const std::string& path : args.positional()) {
        if (playList.AddPlayListFile(path, false) == player::AddResult::Added) continue;
        Complain("search", path + ": not taken into the play list (no recording, or listed already)");
    }
    const int entries = playList.g_nPlayListCount();
    if (entries == 0) {
        Complain("search", "needs at least one recording FILE");
        return kExitUsage;
    }
    StartingPoint start;
    if (!ReadStart(args, direction, entries, start)) return kExitUsage;

    jpeg::JpegDecoder decoder;
    avi::Recording recording(decoder);
    const auto open = [&](int entry) {
        return recording.OpenRecording(playList.Path(entry)) == avi::OpenResult::kOpened;
    };
    const auto writeEnd = [&](JsonWriter& json, int entry) {
        json.BeginObject().Field("entry", entry).Field("file", playList.Path(entry));
    };
    if (player::FileKindForPath(playList.Path(start.entry)) != player::kAviRecording || !open(start.entry)) {
        Complain("search", playList.Path(start.entry) + ": cannot be opened as a recording");
        return kExitUnusable;
    }
    const int last = recording.header.frames - 1;
    if (start.frame > last) {
        Complain("search", "frame " + std::to_string(start.frame) + " is beyond the last frame, " +
                               std::to_string(last) + ", of entry " + std::to_string(start.entry));
        return kExitUsage;
    }
    recording.SetFrame(start.frame < 0 ? last : start.frame);
    // The window shows the frame a search starts from; its segments are the
    // last the decoder walked (the trigger sensor remembers them).
    recording.scanner.WalkFrameHeaders(recording.currentFrame());

    player::PlayListSearch search(recording, playList, open);
    const bool motion = choice->loop == LoopChoice::Loop::Motion;
    const player::SearchEnd end =
        motion ? search.MotionSearch(start.entry, direction, choice->threshold)
               : search.EventSearch(start.entry, direction, choice->loop == LoopChoice::Loop::Trigger);
    JsonWriter json;
    writeEnd(json, end.entry);
    if (!end.opened) {
        json.Field("opened", false).EndObject();
        std::printf("%s\n", json.str().c_str());
        return kExitUnusable;
    }
    json.Field("frame", end.frame).Field("found", end.found);
    if (motion) json.Field("label", LabelText(end.found ? player::SearchLabel::Found : player::SearchLabel::Inactive));
    json.Field("frames_scanned", end.framesScanned).EndObject();
    std::printf("%s\n", json.str().c_str());
    return 0;
}

}  // namespace

const Command kSearchCommand{"search",
                             "the player's search commands over files as a play list",
                             "usage: vnplay-tool search FILE... (--motion T | --events | --trigger)\n"
                             "                          [--backward] [--from ENTRY:FRAME]\n"
                             "\n"
                             "Takes the files into a play list in the player's order (by creation time)\n"
                             "and runs the player's search from frame FRAME of entry ENTRY (both from 0;\n"
                             "by default the first frame of the first entry, or with --backward the last\n"
                             "frame of the last), crossing into the following entries (the ones before)\n"
                             "as the player does. Prints one JSON object: the entry, file and frame the\n"
                             "search ends on, whether it found one, the label the player then shows\n"
                             "(motion searches) and the frames scanned.\n"
                             "  --motion T  the next frame with motion, T as the player's threshold.\n"
                             "  --events    the next (previous) event frame: Next Event, Prev Event.\n"
                             "  --trigger   as PIR Seek: the trigger sensor in the entry it starts in,\n"
                             "              event frames in the entries after it.\n",
                             {"motion", "from"},
                             {"events", "trigger", "backward"},
                             RunSearch,
                             nullptr};

}  // namespace vn::tool
