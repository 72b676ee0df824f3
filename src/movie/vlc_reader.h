// The variable-length code tables with their lookups: a code is looked up
// in a table indexed by the next bits (MacroblockBits does so when the
// window holds more bits than the longest code); otherwise, and whenever
// the lookup finds no code, the codes are matched one bit at a time, so
// reads across a window's end, failures at the end of the file and the
// bits consumed by a miss are those of bit-by-bit matching.
#pragma once

#include <array>
#include <cstdint>

#include "movie/stream_window.h"
#include "movie/vlc_tables.h"

namespace vn::mpeg4 {

enum class VlcResult { kMatch, kNoMatch, kReadFailed };

struct VlcLookupEntry {
    uint8_t symbol = 0;
    uint8_t length = 0;  // 0: no code starts with these bits
};

struct VlcTable {
    const VlcCode* codes;
    int count;
    int maxLength;
    const VlcLookupEntry* lookup;  // 2^maxLength entries
};

extern const VlcTable kMcbpcIntraVlc;
extern const VlcTable kMcbpcInterVlc;
extern const VlcTable kCbpyVlc;
extern const VlcTable kMvdVlc;
extern const VlcTable kDcSizeLumaVlc;
extern const VlcTable kDcSizeChromaVlc;
extern const VlcTable kIntraTcoefVlc;
extern const VlcTable kInterTcoefVlc;

// TCOEF events straight from the next 12 bits (the longest code): the
// block decoder's fast path. Length 0 where no code starts with the bits.
// The level comes as its dequantisation factor (LevelFactor), ready to be
// signed and multiplied.
struct TcoefLookupEntry {
    uint8_t length = 0;
    uint8_t last = 0;
    uint8_t run = 0;
    uint8_t factor = 0;
};
inline constexpr int kTcoefLookupBits = 12;
extern const std::array<TcoefLookupEntry, 1u << kTcoefLookupBits> kIntraTcoefLookup;
extern const std::array<TcoefLookupEntry, 1u << kTcoefLookupBits> kInterTcoefLookup;

// The reference matcher: reads one bit at a time, comparing the bits read
// so far with every code of that length; gives up one bit beyond the
// longest code (kNoMatch, those bits consumed).
VlcResult ReadVlcBitByBit(StreamWindow& stream, const VlcTable& table, int& symbol);

}  // namespace vn::mpeg4
