// The decoder's lookup tables: fixed ones built once, and the DC lookaheads
// that follow the stream's DHT segments.
#pragma once

#include <cstdint>
#include <vector>

#include "decode/entropy.h"

namespace vn::jpeg {

struct DecoderTables {
    std::vector<uint16_t> acLookup[2];  // Annex K AC codes, 16 peeked bits
    uint32_t acFast[2][1 << kAcFastBits] = {};
    uint16_t acSkip[2][1 << kAcSkipBits] = {};
    DcLookahead dcLookahead[2];
    uint8_t zigzagToTransposed[64] = {};

    void Build();
    // Brings the DC lookaheads up to date and hands out the scan's tables.
    EntropyTables ForScan(const HuffmanTable (&dcTables)[2]);
};

}  // namespace vn::jpeg
