// The decoder's lookup tables: fixed ones built once per process and shared
// by every decoder, and the DC lookaheads that follow each stream's DHT
// segments.
#pragma once

#include <cstdint>
#include <vector>

#include "decode/entropy.h"

namespace vn::jpeg {

// The cameras' AC codes never change, so a motion scan's many decoders read
// one copy of these (about 320 KiB) instead of building their own.
struct FixedTables {
    std::vector<uint16_t> acLookup[2];  // Annex K AC codes, 16 peeked bits
    uint32_t acFast[2][1 << kAcFastBits] = {};
    uint16_t acSkip[2][1 << kAcSkipBits] = {};
    uint8_t zigzagToTransposed[64] = {};

    // Built on first use; safe to call from several threads at once.
    static const FixedTables& Shared();
};

struct DecoderTables {
    const FixedTables* fixed = nullptr;
    DcLookahead dcLookahead[2];

    void Build();
    // Brings the DC lookaheads up to date and hands out the scan's tables.
    EntropyTables ForScan(const HuffmanTable (&dcTables)[2]);
};

}  // namespace vn::jpeg
