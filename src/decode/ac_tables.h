// The standard AC Huffman tables of T.81 Annex K (K.5 luminance, K.6
// chrominance) and their 16-bit lookups. The cameras always code AC data with
// these tables, so the stream's own AC tables are never consulted.
#pragma once

#include <cstdint>

namespace vn::jpeg {

struct AcTableDefinition {
    uint8_t bits[16];      // number of codes of length 1..16
    uint8_t huffval[162];  // run/size symbols in code order
};

extern const AcTableDefinition kLuminanceAcTable;    // Table K.5
extern const AcTableDefinition kChrominanceAcTable;  // Table K.6

constexpr int kAcLookupSize = 1 << 16;

// Fills lookup[v] for every 16-bit value v of the next stream bits with
// (code length << 8) | run/size of the code that is a prefix of v; 0 where
// no code matches.
void BuildAcLookup(const AcTableDefinition& definition, uint16_t* lookup);

}  // namespace vn::jpeg
