#include "decode/decoder_tables.h"

#include "decode/ac_tables.h"
#include "decode/fast_entropy.h"

namespace vn::jpeg {
namespace {

FixedTables BuildFixedTables() {
    FixedTables fixed;
    const AcTableDefinition* definitions[2] = {&kLuminanceAcTable, &kChrominanceAcTable};
    for (int t = 0; t < 2; ++t) {
        fixed.acLookup[t].resize(kAcLookupSize);
        BuildAcLookup(*definitions[t], fixed.acLookup[t].data());
        BuildAcFastLookup(fixed.acLookup[t].data(), fixed.acFast[t]);
        BuildAcSkipLookup(fixed.acLookup[t].data(), fixed.acSkip[t]);
    }
    for (int k = 0; k < 64; ++k) {
        const int natural = kZigzagToNatural[k];
        fixed.zigzagToTransposed[k] = static_cast<uint8_t>((natural % 8) * 8 + natural / 8);
    }
    return fixed;
}

}  // namespace

const FixedTables& FixedTables::Shared() {
    static const FixedTables tables = BuildFixedTables();
    return tables;
}

void DecoderTables::Build() { fixed = &FixedTables::Shared(); }

EntropyTables DecoderTables::ForScan(const HuffmanTable (&dcTables)[2]) {
    EntropyTables scan{};
    for (int t = 0; t < 2; ++t) {
        dcLookahead[t].Follow(dcTables[t]);
        scan.dc[t] = &dcTables[t];
        scan.dcLookahead[t] = &dcLookahead[t];
        scan.acLookup[t] = fixed->acLookup[t].data();
        scan.acFast[t] = fixed->acFast[t];
        scan.acSkip[t] = fixed->acSkip[t];
    }
    scan.zigzagToTransposed = fixed->zigzagToTransposed;
    return scan;
}

}  // namespace vn::jpeg
