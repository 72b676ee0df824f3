// DC size decoding by the MAXCODE walk of T.81 F.2.2.3, and a 9-bit
// lookahead derived from the same walk for the fast decoder.
#pragma once

#include <cstdint>

#include "decode/huffman.h"

namespace vn::jpeg {

// One step of the walk: the size coded by `code` if it is complete at
// `length` (1..16), else -1. The value index is clamped to 0..255 so that
// inconsistent tables stay inside HUFFVAL.
inline int MatchDcCode(const HuffmanTable& table, int length, uint32_t code) {
    if (static_cast<int64_t>(code) > table.maxcode[length - 1]) return -1;
    int index = table.valptr[length - 1] + static_cast<int>(code) - table.mincode[length - 1];
    if (index < 0) index = 0;
    if (index > 255) index = 255;
    return table.huffval[index];
}

struct DcLookahead {
    static constexpr int kBits = 9;
    // (code length << 8) | size for every 9-bit prefix whose walk ends
    // within 9 bits; 0 when it needs more.
    uint16_t entry[1 << kBits] = {};
    uint32_t generation = 0;
    bool built = false;

    // Rebuilds when the table has changed since the last build.
    void Follow(const HuffmanTable& table);
};

}  // namespace vn::jpeg
