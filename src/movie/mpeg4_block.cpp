#include "movie/mpeg4_block.h"

#include <algorithm>

#include "decode/quant.h"
#include "movie/vlc_reader.h"

namespace vn::mpeg4 {

namespace {

constexpr int kMaxDcSize = 9;

// The level is carried as its dequantisation factor (LevelFactor).
struct TcoefEvent {
    int last = 0;
    int run = 0;
    int factor = 0;  // signed
};

// Escape mode 1 raises the level's magnitude by LMAX, mode 2 the run by
// RMAX + 1; mode 3 carries the level as 12-bit two's complement.
void RaiseLevel(TcoefEvent& event, bool intra) {
    const int level = LevelOfFactor(event.factor, intra);
    const int extra = TcoefLmax(intra, event.last, event.run);
    event.factor = LevelFactor(level < 0 ? level - extra : level + extra, intra);
}
void RaiseRun(TcoefEvent& event, bool intra) {
    const int level = LevelOfFactor(event.factor, intra);
    event.run += TcoefRmax(intra, event.last, level < 0 ? -level : level) + 1;
}
int TwelveBitLevel(uint32_t bits) {
    const int level = static_cast<int>(bits & 0xFFF);
    return level >= 2048 ? level - 4096 : level;
}

// One TCOEF code and its sign bit, matched bit by bit. kNoMatch leaves the
// reader where it was.
VlcResult ReadTcoef(StreamWindow& stream, bool intra, TcoefEvent& event) {
    int symbol = 0;
    const StreamWindow::Mark start = stream.Save();
    const VlcResult result = ReadVlcBitByBit(stream, intra ? kIntraTcoefVlc : kInterTcoefVlc, symbol);
    if (result == VlcResult::kNoMatch) stream.Restore(start);
    if (result != VlcResult::kMatch) return result;
    uint32_t negative = 0;
    if (!stream.ReadBits(1, negative)) return VlcResult::kReadFailed;
    const TcoefCode& code = (intra ? kIntraTcoefCodes : kInterTcoefCodes)[symbol];
    event = {code.last, code.run, LevelFactor(negative ? -code.level : code.level, intra)};
    return VlcResult::kMatch;
}

// After the escape code: mode 1 (0) raises the level by LMAX, mode 2 (10)
// the run by RMAX + 1, mode 3 (11) gives last, run and level outright.
bool ReadEscapedEvent(StreamWindow& stream, bool intra, TcoefEvent& event) {
    uint32_t mode = 0;
    if (!stream.ReadBits(1, mode)) return false;
    if (mode == 0) {
        if (ReadTcoef(stream, intra, event) != VlcResult::kMatch) return false;
        RaiseLevel(event, intra);
        return true;
    }
    if (!stream.ReadBits(1, mode)) return false;
    if (mode == 0) {
        if (ReadTcoef(stream, intra, event) != VlcResult::kMatch) return false;
        RaiseRun(event, intra);
        return true;
    }
    uint32_t last = 0, run = 0, marker1 = 0, level = 0, marker2 = 0;
    if (!stream.ReadBits(1, last) || !stream.ReadBits(6, run) || !stream.ReadBits(1, marker1) ||
        !stream.ReadBits(12, level) || !stream.ReadBits(1, marker2)) {
        return false;
    }
    if (marker1 != 1 || marker2 != 1) return false;
    event = {static_cast<int>(last), static_cast<int>(run), LevelFactor(TwelveBitLevel(level), intra)};
    return true;
}

// One event as the syntax defines it: a TCOEF code, or the escape and
// what follows it.
bool ReadEventBitByBit(StreamWindow& stream, bool intra, TcoefEvent& event) {
    const VlcResult result = ReadTcoef(stream, intra, event);
    if (result != VlcResult::kNoMatch) return result == VlcResult::kMatch;
    uint32_t escape = 0;
    if (!stream.ReadBits(kTcoefEscape.length, escape) || escape != kTcoefEscape.code) return false;
    return ReadEscapedEvent(stream, intra, event);
}

// The same from 32 bits in hand, for a cursor with more than 32 bits left
// in the window: an event takes at most 30, and a failure leaves the
// cursor where the bit-by-bit reading would have stopped.
constexpr int kLongestEvent = 32;
template <bool kIntra>
[[gnu::always_inline]] inline bool ReadEvent(StreamWindow::Cursor& cursor, TcoefEvent& event) {
    const TcoefLookupEntry* lookup = kIntra ? kIntraTcoefLookup.data() : kInterTcoefLookup.data();
    const uint32_t bits = cursor.Show32();
    // A code and its sign bit found after `skip` bits.
    auto code = [&](int skip) {
        const TcoefLookupEntry e = lookup[(bits << skip) >> (32 - kTcoefLookupBits)];
        if (e.length == 0) return false;
        const bool negative = (bits >> (31 - skip - e.length)) & 1;
        event = {e.last, e.run, negative ? -e.factor : e.factor};
        cursor.Skip(skip + e.length + 1);
        return true;
    };
    if (code(0)) return true;
    const int escape = kTcoefEscape.length;
    if ((bits >> (32 - escape)) != kTcoefEscape.code) {
        cursor.Skip(escape);
        return false;
    }
    if (((bits >> (31 - escape)) & 1) == 0) {  // mode 1
        if (!code(escape + 1)) {
            cursor.Skip(escape + 1);
            return false;
        }
        RaiseLevel(event, kIntra);
        return true;
    }
    if (((bits >> (30 - escape)) & 1) == 0) {  // mode 2
        if (!code(escape + 2)) {
            cursor.Skip(escape + 2);
            return false;
        }
        RaiseRun(event, kIntra);
        return true;
    }
    // Mode 3: last (1), run (6), marker, level (12), marker.
    cursor.Skip(escape + 2 + 21);
    event = {static_cast<int>((bits >> 22) & 1), static_cast<int>((bits >> 16) & 63),
             LevelFactor(TwelveBitLevel(bits >> 3), kIntra)};
    return ((bits >> 15) & 1) != 0 && ((bits >> 2) & 1) != 0;
}

// The TCOEF events of a coded block from scan index k on, each from
// next(event) and dequantised into its natural position as it is read.
template <bool kIntra, typename NextEvent>
bool ReadCoefficients(NextEvent&& next, const int32_t* scale, int k, DequantisedBlock& block) {
    int sum = 0;
    TcoefEvent event;
    do {
        const bool ok = next(event);
        k += event.run;
        if (!ok || k > 63) return false;
        if (kIntra && k == 0) {
            block.quantisedDc = event.factor / 2;  // the DC, predicted later
        } else {
            const int f = Dequantise(event.factor, scale[k]);
            block.value[jpeg::kZigzagToNatural[k]] = static_cast<int16_t>(f);
            sum += f;
        }
        ++k;
    } while (!event.last);
    block.sum += sum;
    // The scan index of the last event; the intra DC as an event does not count.
    block.lastScan = std::max(block.lastScan, kIntra && k == 1 ? -1 : k - 1);
    return true;
}

// Near the window's end each event asks for room, and goes bit by bit
// through the window where there is too little.
template <bool kIntra>
[[gnu::noinline]] bool ReadCoefficientsNearTheEnd(MacroblockBits& bits, const int32_t* scale, int k,
                                                  DequantisedBlock& block) {
    const auto next = [&](TcoefEvent& event) {
        if (bits.Fast(kLongestEvent)) return ReadEvent<kIntra>(bits.cursor(), event);
        // A copy, so that the loop's own event need not live in memory.
        TcoefEvent read;
        const bool ok = bits.Slow([&](StreamWindow& stream) { return ReadEventBitByBit(stream, kIntra, read); });
        event = read;
        return ok;
    };
    return ReadCoefficients<kIntra>(next, scale, k, block);
}

// A block ends by 64 events at the most: with room for all of them in the
// window, the events are read from a copy of the cursor that stays in
// registers, and none needs to ask for room.
template <bool kIntra>
bool ReadCoefficients(MacroblockBits& bits, const int32_t* scale, int k, DequantisedBlock& block) {
    constexpr int kMostEvents = 64;
    if (!bits.Fast(kMostEvents * kLongestEvent)) return ReadCoefficientsNearTheEnd<kIntra>(bits, scale, k, block);
    StreamWindow::Cursor cursor = bits.cursor();
    const bool ok =
        ReadCoefficients<kIntra>([&](TcoefEvent& event) { return ReadEvent<kIntra>(cursor, event); }, scale, k, block);
    bits.cursor() = cursor;
    return ok;
}

bool ReadIntraDc(MacroblockBits& bits, bool luma, int& difference) {
    int size = 0;
    if (bits.Vlc(luma ? kDcSizeLumaVlc : kDcSizeChromaVlc, size) != VlcResult::kMatch) return false;
    if (size > kMaxDcSize) return false;
    difference = 0;
    if (size == 0) return true;
    uint32_t v = 0;
    if (!bits.Bits(size, v)) return false;
    const int value = static_cast<int>(v);
    difference = value >= (1 << (size - 1)) ? value : value - ((1 << size) - 1);
    if (size > 8) {
        uint32_t marker = 0;
        if (!bits.Bits(1, marker) || marker != 1) return false;
    }
    return true;
}

}  // namespace

bool DecodeBlock(MacroblockBits& bits, const BlockCoding& coding, DequantisedBlock& block) {
    int k = 0;
    if (coding.intra && coding.useDcCode) {
        if (!ReadIntraDc(bits, coding.luma, block.quantisedDc)) return false;
        k = 1;
    }
    if (!coding.coded) return true;
    if (coding.intra) return ReadCoefficients<true>(bits, coding.scales->intraInScanOrder, k, block);
    return ReadCoefficients<false>(bits, coding.scales->interInScanOrder, k, block);
}

}  // namespace vn::mpeg4
