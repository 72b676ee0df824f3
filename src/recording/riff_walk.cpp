// The two walks over the file's top-level chunks: one inside the RIFF chunk
// for the chunks the cameras write, and the fallback walk that also looks
// beyond the RIFF chunk for an index written after it.
#include "recording/recording.h"

namespace vn::avi {

namespace {

constexpr uint32_t kList = FourCC("LIST");
constexpr uint32_t kJunk = FourCC("JUNK");
constexpr uint32_t kIdx1 = FourCC("idx1");
constexpr uint32_t kInfo = FourCC("INFO");
constexpr uint32_t kRiff = FourCC("RIFF");
constexpr uint32_t kMovi = FourCC("movi");
// A camera's file has a handful of top-level chunks. A walk that meets more
// is walking over damage (a zero run reads as empty chunks 8 bytes apart)
// and gives up rather than creep through gigabytes.
constexpr int kMaxChunksWalked = 4096;

// Position of the next chunk (sizes are not padded to even), or nothing when
// the size would not move the walk forward.
std::optional<uint32_t> NextChunk(uint32_t position, uint32_t size) {
    const uint32_t next = position + size + 8;  // 32-bit offsets, as the cameras write them
    if (next <= position) return std::nullopt;
    return next;
}

}  // namespace

uint32_t Recording::FindTopLevelChunk(uint32_t tag, uint32_t listType) const {
    uint32_t position = 12;
    for (int walked = 0; position < riffSize_ && walked < kMaxChunksWalked; ++walked) {
        const uint32_t found = file_.TagAt(position);
        if (found != kList && found != kJunk && found != kIdx1 && found != kInfo) return 0;
        if (found == tag && (listType == 0 || file_.TagAt(uint64_t{position} + 8) == listType)) return position;
        const auto next = NextChunk(position, file_.U32At(uint64_t{position} + 4));
        if (!next) return 0;
        position = *next;
    }
    return 0;
}

uint32_t Recording::HeaderLength() const {
    // Unlike the chunk walk above, any tag is stepped over here.
    uint32_t position = 12;
    for (int walked = 0; position < riffSize_ && position < fileSize && walked < kMaxChunksWalked; ++walked) {
        const uint32_t tag = file_.TagAt(position);
        if (tag == kIdx1 || (tag == kList && file_.TagAt(uint64_t{position} + 8) == kMovi)) return position;
        const auto next = NextChunk(position, file_.U32At(uint64_t{position} + 4));
        if (!next) return 0;
        position = *next;
    }
    return 0;
}

std::optional<uint32_t> Recording::FallbackWalk(uint32_t start) {
    uint32_t position = start;
    moviPos = 0;
    for (int walked = 0; position < fileSize && walked < kMaxChunksWalked; ++walked) {
        const uint32_t tag = file_.TagAt(position);
        if (tag == kIdx1) return position;
        const auto next = NextChunk(position, file_.U32At(uint64_t{position} + 4));
        if (tag == kRiff) {
            // An index after the RIFF chunk counts from the "movi" list even
            // when that list lies inside the RIFF chunk.
            const uint32_t movi = FindTopLevelChunk(kList, kMovi);
            if (movi != 0) moviPos = movi + 12;
        } else if (tag == kList) {
            if (file_.TagAt(uint64_t{position} + 8) == kMovi) moviPos = position + 12;
        } else if (tag == kJunk) {
            ReadModelTagChunk(position);
        } else if (tag == kInfo) {
            asap = false;
            file_.ReadAt(uint64_t{position} + 8, modelTag.bytes);
        }
        if (!next) return std::nullopt;
        position = *next;
    }
    return std::nullopt;
}

}  // namespace vn::avi
