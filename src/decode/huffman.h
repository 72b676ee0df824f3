// Huffman DC tables as a DHT segment defines them (T.81 Annex C and F.2.2.3).
#pragma once

#include <cstdint>
#include <span>

namespace vn::jpeg {

struct HuffmanTable {
    uint8_t bits[16] = {};      // BITS: number of codes of length 1..16
    uint8_t huffval[256] = {};  // HUFFVAL
    int count = 0;              // number of values in HUFFVAL
    // Derived per code length l = 1..16 (index l - 1).
    uint16_t mincode[16] = {};
    int32_t maxcode[16] = {};  // -1 where no code has that length
    uint8_t valptr[16] = {};
    bool defined = false;
    // Raised on every rebuild, so derived lookup tables know when to follow.
    uint32_t generation = 0;
};

// Builds a table from the 16 counts and the values that follow them.
// Refuses (returns false, table unchanged) when the counts add up to more
// than 256 or the values do not fit in the given bytes.
bool BuildHuffmanTable(HuffmanTable& table, std::span<const uint8_t> countsAndValues);

}  // namespace vn::jpeg
