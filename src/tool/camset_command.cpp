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

}  // namespace

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
    if (result != camset::WriteSettingsResult::Written) {
        Complain("camset", (result == camset::WriteSettingsResult::NoDirectory
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

}  // namespace vn::tool
