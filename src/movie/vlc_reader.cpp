#include "movie/vlc_reader.h"

#include <array>

#include "movie/dequant.h"

namespace vn::mpeg4 {

namespace {

template <size_t kCount>
constexpr int LongestCode(const std::array<VlcCode, kCount>& codes) {
    int longest = 0;
    for (const VlcCode& c : codes) longest = c.length > longest ? c.length : longest;
    return longest;
}

// Every index whose leading bits are a code maps to that code.
template <int kMaxLength, size_t kCount>
constexpr std::array<VlcLookupEntry, (1u << kMaxLength)> BuildLookup(const std::array<VlcCode, kCount>& codes) {
    std::array<VlcLookupEntry, (1u << kMaxLength)> lookup{};
    for (size_t symbol = 0; symbol < kCount; ++symbol) {
        const VlcCode& c = codes[symbol];
        if (c.length == 0) continue;
        const int spare = kMaxLength - c.length;
        for (uint32_t tail = 0; tail < (1u << spare); ++tail) {
            lookup[(uint32_t{c.code} << spare) | tail] = {static_cast<uint8_t>(symbol), c.length};
        }
    }
    return lookup;
}

constexpr std::array<VlcCode, 102> CodesOf(const std::array<TcoefCode, 102>& events) {
    std::array<VlcCode, 102> codes{};
    for (size_t i = 0; i < events.size(); ++i) codes[i] = {events[i].code, events[i].length};
    return codes;
}

constexpr auto kIntraTcoefPlain = CodesOf(kIntraTcoefCodes);
constexpr auto kInterTcoefPlain = CodesOf(kInterTcoefCodes);

constexpr std::array<TcoefLookupEntry, 1u << kTcoefLookupBits> BuildTcoefLookup(
    const std::array<TcoefCode, 102>& events, bool intra) {
    const auto codes = BuildLookup<kTcoefLookupBits>(CodesOf(events));
    std::array<TcoefLookupEntry, 1u << kTcoefLookupBits> lookup{};
    for (size_t i = 0; i < lookup.size(); ++i) {
        if (codes[i].length == 0) continue;
        const TcoefCode& e = events[codes[i].symbol];
        lookup[i] = {e.length, e.last, e.run, static_cast<uint8_t>(LevelFactor(e.level, intra))};
    }
    return lookup;
}

// The lookup table of one code table, built at compile time.
template <const auto& kCodes>
struct LookupFor {
    static constexpr int kLongest = LongestCode(kCodes);
    static constexpr auto kEntries = BuildLookup<kLongest>(kCodes);
    static constexpr VlcTable kTable = {kCodes.data(), static_cast<int>(kCodes.size()), kLongest, kEntries.data()};
};

}  // namespace

const VlcTable kMcbpcIntraVlc = LookupFor<kMcbpcIntraCodes>::kTable;
const VlcTable kMcbpcInterVlc = LookupFor<kMcbpcInterCodes>::kTable;
const VlcTable kCbpyVlc = LookupFor<kCbpyCodes>::kTable;
const VlcTable kMvdVlc = LookupFor<kMvdCodes>::kTable;
const VlcTable kDcSizeLumaVlc = LookupFor<kDcSizeLumaCodes>::kTable;
const VlcTable kDcSizeChromaVlc = LookupFor<kDcSizeChromaCodes>::kTable;
const VlcTable kIntraTcoefVlc = LookupFor<kIntraTcoefPlain>::kTable;
const VlcTable kInterTcoefVlc = LookupFor<kInterTcoefPlain>::kTable;
constexpr std::array<TcoefLookupEntry, 1u << kTcoefLookupBits> kIntraTcoefLookup =
    BuildTcoefLookup(kIntraTcoefCodes, true);
constexpr std::array<TcoefLookupEntry, 1u << kTcoefLookupBits> kInterTcoefLookup =
    BuildTcoefLookup(kInterTcoefCodes, false);

VlcResult ReadVlcBitByBit(StreamWindow& stream, const VlcTable& table, int& symbol) {
    uint32_t bits = 0;
    for (int length = 1; length <= table.maxLength + 1; ++length) {
        uint32_t bit = 0;
        if (!stream.ReadBits(1, bit)) return VlcResult::kReadFailed;
        bits = bits << 1 | bit;
        for (int i = 0; i < table.count; ++i) {
            if (table.codes[i].length == length && table.codes[i].code == bits) {
                symbol = i;
                return VlcResult::kMatch;
            }
        }
    }
    return VlcResult::kNoMatch;
}

}  // namespace vn::mpeg4
