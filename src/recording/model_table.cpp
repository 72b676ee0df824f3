// The camera's own chunks: the "JUNK" model tag with the table of display
// flags it selects, and the "INFO"/"minf" movie record.
#include <algorithm>
#include <cstring>
#include <limits>

#include "recording/recording.h"

namespace vn::avi {

namespace {

// Display flags chosen by a mode byte; -1 leaves a flag as it is.
struct ModeFlags {
    int showInterval;
    int showElapsed;
    bool asap;
};

// "XPR310", "XPRMAX", "ORBIT0" and "XPR130", modes 0 to 3.
constexpr ModeFlags kTimeLapseModes[4] = {{1, 1, false}, {0, 1, false}, {0, 0, false}, {1, 1, true}};
constexpr ModeFlags kTimeLapseOtherMode = {-1, -1, false};
// "WRD310", modes 0 to 3.
constexpr ModeFlags kWrdModes[4] = {{0, 1, false}, {1, 1, false}, {0, 1, false}, {1, 1, true}};
constexpr ModeFlags kWrdOtherMode = {1, 1, false};

constexpr int kAsapMode = 3;

void Apply(const ModeFlags& flags, bool& showInterval, bool& showElapsed, bool& asap) {
    if (flags.showInterval >= 0) showInterval = flags.showInterval != 0;
    if (flags.showElapsed >= 0) showElapsed = flags.showElapsed != 0;
    asap = flags.asap;
}

std::string TextUpToZero(const uint8_t* bytes, size_t count) {
    const auto* chars = reinterpret_cast<const char*>(bytes);
    return std::string(chars, strnlen(chars, count));
}

}  // namespace

std::string ModelTag::tag() const { return TextUpToZero(bytes, 6); }

bool ModelTag::Is(const char* sixChars) const { return std::memcmp(bytes, sixChars, 6) == 0; }

uint32_t MovieRecord::U32(int offset) const {
    return static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<uint32_t>(bytes[offset + 2]) << 16 | static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

std::string MovieRecord::modelName() const { return TextUpToZero(bytes + 6, 16); }

int32_t Recording::TenFramesPerSecond(int32_t scale) {
    const int64_t rate = int64_t{10} * scale;
    return static_cast<int32_t>(
        std::clamp<int64_t>(rate, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

void Recording::ApplyModelTable() {
    const int mode = modelTag.mode();
    if (modelTag.Is("XPR310") || modelTag.Is("XPRMAX") || modelTag.Is("ORBIT0") || modelTag.Is("XPR130")) {
        Apply(mode < 4 ? kTimeLapseModes[mode] : kTimeLapseOtherMode, showCaptureInterval, showElapsedTime, asap);
        // An "as fast as possible" XPRMAX recording plays at 10 frames a second at least.
        const bool slow = header.interval != 0 && int64_t{header.rate} / header.interval < 10;
        if (mode == kAsapMode && modelTag.Is("XPRMAX") && slow) header.rate = TenFramesPerSecond(header.interval);
    } else if (modelTag.Is("WRD310")) {
        wrdCaptureMode = mode;
        Apply(mode < 4 ? kWrdModes[mode] : kWrdOtherMode, showCaptureInterval, showElapsedTime, asap);
    }
}

void Recording::ReadModelTagChunk(uint32_t position) {
    if (file_.TagAt(position) != FourCC("JUNK")) return;
    asap = false;
    file_.ReadAt(uint64_t{position} + 8, modelTag.bytes);
    ApplyModelTable();
}

void Recording::ReadMovieRecord(uint32_t position) {
    const uint64_t minfPos = uint64_t{position} + 8;
    if (file_.TagAt(position) != FourCC("INFO") || file_.TagAt(minfPos) != FourCC("minf")) return;
    const uint64_t minfSize = file_.U32At(minfPos + 4);
    const uint64_t keep = std::min<uint64_t>({minfSize + 8, sizeof movieRecord.bytes, fileSize - minfPos});
    file_.ReadAt(minfPos, std::span(movieRecord.bytes, keep));
    movieRecordPresent = std::memcmp(movieRecord.bytes, "minf", 4) == 0;
    if (!movieRecordPresent) return;
    switch (movieRecord.captureMode()) {
        case 0:
            showCaptureInterval = showElapsedTime = true;
            break;
        case 1:
        case 3:
        case 4:
            showCaptureInterval = showElapsedTime = false;
            break;
        default:
            break;
    }
}

}  // namespace vn::avi
