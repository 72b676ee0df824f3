// "camset": the camera's settings file written onto a memory card (any
// folder standing for its root), as the camera settings dialog's OK writes
// it, the camera's clock set from the local time now.
#include <cstdio>
#include <ctime>

#include "camset/settings_file.h"
#include "common/text_format.h"
#include "tool/arguments.h"
#include "tool/commands.h"
#include "tool/json_writer.h"

namespace vn::tool {

namespace {

// The option's value, or the fallback when it is not given; false with a
// complaint when it is given and not allowed.
bool Choose(Arguments& args, const char* name, int fallback, bool (*allowed)(long long), const char* rule, int& value) {
    const auto given = args.Integer(name);
    if (!args.ok() || (given && !allowed(*given))) {
        Complain("camset", args.ok() ? std::string("--") + name + " " + rule : args.error());
        return false;
    }
    value = given ? static_cast<int>(*given) : fallback;
    return true;
}

bool ShortInterval(long long s) { return s != camset::kOneDay && camset::IsWritableInterval(static_cast<int>(s)); }
bool AnyInterval(long long s) { return s == camset::kOneDay || ShortInterval(s); }
bool FlickerValue(long long v) {
    return v == camset::kFlickerNone || v == camset::kFlicker60Hz || v == camset::kFlicker50Hz;
}
bool TimeOffset(long long v) { return v == 0 || v == 60 || v == 300; }

int RunCamset(Arguments& args) {
    const auto card = args.Text("card");
    if (!card || !args.positional().empty()) {
        Complain("camset", "needs --card DIR (the card's root) and no FILE");
        return kExitUsage;
    }
    camset::CameraSettings s;
    int offset = 0;
    const char* seconds = "needs 1 to 43200 seconds";
    if (!Choose(args, "int1", s.nInt1, ShortInterval, seconds, s.nInt1) ||
        !Choose(args, "int2", s.nInt2, ShortInterval, seconds, s.nInt2) ||
        !Choose(args, "int3", s.nInt3, AnyInterval, "needs 1 to 43200 seconds, or 86400", s.nInt3) ||
        !Choose(args, "flicker", s.nFlicker, FlickerValue, "is 0, 833 or 1000", s.nFlicker) ||
        !Choose(args, "time-offset", 0, TimeOffset, "is 0, 60 or 300 seconds", offset)) {
        return kExitUsage;
    }
    s.wCamMode = (args.Has("loop") ? camset::kLooping : 0) | (args.Has("expo-lock") ? camset::kExposureLock : 0);
    DosDateTime now;
    LocalDosDateTime(std::time(nullptr), now);
    const auto choice = static_cast<camset::ClockChoice>(offset == 0 ? 0 : offset == 60 ? 1 : 2);
    const DateTimeFields clock = camset::CardClock(now, choice);
    const std::vector<uint8_t> bytes = camset::ComposeSettingsFile(s, clock, false);
    std::string reason;
    const camset::WriteSettingsResult result = camset::WriteSettingsFile(*card, bytes, &reason);
    if (result != camset::WriteSettingsResult::kWritten) {
        Complain("camset", (result == camset::WriteSettingsResult::kNoDirectory
                                ? "cannot create the settings file's folder on " + *card
                                : "cannot write the settings file on " + *card) +
                               (reason.empty() ? "" : ": " + reason));
        return kExitUnusable;
    }
    JsonWriter json;
    json.BeginObject()
        .Field("file", *card + "/" + camset::kSettingsFolder + "/" + camset::kSettingsFileName)
        .Field("bytes", static_cast<uint64_t>(bytes.size()))
        .Field("clock", FormatDate(clock) + " " + FormatTime(clock))
        .EndObject();
    std::printf("%s\n", json.str().c_str());
    return 0;
}

}  // namespace

const Command kCamsetCommand{"camset",
                             "the camera's settings file written onto its memory card",
                             "usage: vnplay-tool camset --card DIR [--int1 S] [--int2 S] [--int3 S]\n"
                             "                          [--flicker 0|833|1000] [--loop] [--expo-lock]\n"
                             "                          [--time-offset 0|60|300]\n"
                             "\n"
                             "Writes DIR/DCIM/100morva/REGISTRY.LDR, making the folders when missing, as\n"
                             "the player's Camera Settings dialog does on OK. DIR is the card's root, its\n"
                             "mount point. The camera's clock is set to the local time now plus the\n"
                             "offset. Prints one JSON line: the file, its bytes, the clock written.\n"
                             "\n"
                             "Options:\n"
                             "  --card DIR        the memory card's root folder\n"
                             "  --int1 S          seconds between pictures on the mode switch's first\n"
                             "                    position, 1 to 43200 (12 hours); 1 unless given\n"
                             "  --int2 S          the same for the second position; 2 unless given\n"
                             "  --int3 S          the third position, also 86400 (a day); 5 unless given\n"
                             "  --flicker F       banding filter: 0 none (default), 833 60 Hz, 1000 50 Hz\n"
                             "  --loop            the camera's looping mode\n"
                             "  --expo-lock       the camera's exposure lock\n"
                             "  --time-offset T   set the clock T seconds ahead: 0, 60 or 300\n",
                             {"card", "int1", "int2", "int3", "flicker", "time-offset"},
                             {"loop", "expo-lock"},
                             RunCamset,
                             nullptr};

}  // namespace vn::tool
