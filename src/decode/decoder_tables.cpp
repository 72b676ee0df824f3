#include "decode/decoder_tables.h"

#include "decode/ac_tables.h"
#include "decode/fast_entropy.h"

namespace vn::jpeg {

void DecoderTables::Build() {
    const AcTableDefinition* definitions[2] = {&kLuminanceAcTable, &kChrominanceAcTable};
    for (int t = 0; t < 2; ++t) {
        acLookup[t].resize(kAcLookupSize);
        BuildAcLookup(*definitions[t], acLookup[t].data());
        BuildAcFastLookup(acLookup[t].data(), acFast[t]);
        BuildAcSkipLookup(acLookup[t].data(), acSkip[t]);
    }
    for (int k = 0; k < 64; ++k) {
        const int natural = kZigzagToNatural[k];
        zigzagToTransposed[k] = static_cast<uint8_t>((natural % 8) * 8 + natural / 8);
    }
}

EntropyTables DecoderTables::ForScan(const HuffmanTable (&dcTables)[2]) {
    EntropyTables scan{};
    for (int t = 0; t < 2; ++t) {
        dcLookahead[t].Follow(dcTables[t]);
        scan.dc[t] = &dcTables[t];
        scan.dcLookahead[t] = &dcLookahead[t];
        scan.acLookup[t] = acLookup[t].data();
        scan.acFast[t] = acFast[t];
        scan.acSkip[t] = acSkip[t];
    }
    scan.zigzagToTransposed = zigzagToTransposed;
    return scan;
}

}  // namespace vn::jpeg
