#include "movie/mpeg4_block.h"

#include "decode/quant.h"
#include "movie/vlc_reader.h"

namespace vn {

namespace {

constexpr int kMaxDcSize = 9;
constexpr int kTcoefMaxLength = 12;

struct TcoefEvent {
    int last = 0;
    int run = 0;
    int level = 0;  // signed
};

// One TCOEF code and its sign bit. kNoMatch leaves the reader where it
// was, as bit-by-bit matching does after restoring its position.
VlcResult ReadTcoef(StreamWindow& stream, bool intra, TcoefEvent& event) {
    // With more bits in the window than a code, its sign and the 13 bits a
    // miss looks at, nothing here can cross the window or fail.
    if (stream.bitsLeftInWindow() > kTcoefMaxLength + 1) {
        const uint32_t bits = stream.ShowBits32();
        const TcoefLookupEntry entry =
            (intra ? kIntraTcoefLookup : kInterTcoefLookup)[bits >> (32 - kTcoefLookupBits)];
        if (entry.length == 0) return VlcResult::kNoMatch;
        const bool negative = (bits >> (31 - entry.length)) & 1;
        stream.SkipBitsInWindow(entry.length + 1);
        event = {entry.last, entry.run, negative ? -entry.level : entry.level};
        return VlcResult::kMatch;
    }
    int symbol = 0;
    const StreamWindow::Mark start = stream.Save();
    const VlcResult result = ReadVlcBitByBit(stream, intra ? kIntraTcoefVlc : kInterTcoefVlc, symbol);
    if (result == VlcResult::kNoMatch) stream.Restore(start);
    if (result != VlcResult::kMatch) return result;
    uint32_t negative = 0;
    if (!stream.ReadBits(1, negative)) return VlcResult::kReadFailed;
    const TcoefCode& code = (intra ? kIntraTcoefCodes : kInterTcoefCodes)[symbol];
    event = {code.last, code.run, negative ? -code.level : code.level};
    return VlcResult::kMatch;
}

// After the escape code: mode 1 (0) raises the level by LMAX, mode 2 (10)
// the run by RMAX + 1, mode 3 (11) gives last, run and level outright.
bool ReadEscapedEvent(StreamWindow& stream, bool intra, TcoefEvent& event) {
    uint32_t mode = 0;
    if (!stream.ReadBits(1, mode)) return false;
    if (mode == 0) {
        if (ReadTcoef(stream, intra, event) != VlcResult::kMatch) return false;
        const int extra = TcoefLmax(intra, event.last, event.run);
        event.level += event.level < 0 ? -extra : extra;
        return true;
    }
    if (!stream.ReadBits(1, mode)) return false;
    if (mode == 0) {
        if (ReadTcoef(stream, intra, event) != VlcResult::kMatch) return false;
        const int magnitude = event.level < 0 ? -event.level : event.level;
        event.run += TcoefRmax(intra, event.last, magnitude) + 1;
        return true;
    }
    uint32_t last = 0, run = 0, marker1 = 0, level = 0, marker2 = 0;
    if (!stream.ReadBits(1, last) || !stream.ReadBits(6, run) || !stream.ReadBits(1, marker1) ||
        !stream.ReadBits(12, level) || !stream.ReadBits(1, marker2)) {
        return false;
    }
    if (marker1 != 1 || marker2 != 1) return false;
    event.last = static_cast<int>(last);
    event.run = static_cast<int>(run);
    event.level = level >= 2048 ? static_cast<int>(level) - 4096 : static_cast<int>(level);
    return true;
}

bool ReadIntraDc(StreamWindow& stream, bool luma, int& difference) {
    int size = 0;
    if (ReadVlc(stream, luma ? kDcSizeLumaVlc : kDcSizeChromaVlc, size) != VlcResult::kMatch) {
        return false;
    }
    if (size > kMaxDcSize) return false;
    difference = 0;
    if (size == 0) return true;
    uint32_t v = 0;
    if (!stream.ReadBits(size, v)) return false;
    const int value = static_cast<int>(v);
    difference = value >= (1 << (size - 1)) ? value : value - ((1 << size) - 1);
    if (size > 8) {
        uint32_t marker = 0;
        if (!stream.ReadBits(1, marker) || marker != 1) return false;
    }
    return true;
}

}  // namespace

bool DecodeBlock(StreamWindow& stream, const BlockCoding& coding, CoefficientBlock& block) {
    int k = 0;
    if (coding.intra && coding.useDcCode) {
        if (!ReadIntraDc(stream, coding.luma, block.quantisedDc)) return false;
        k = 1;
    }
    if (!coding.coded) return true;
    const int32_t* scale = coding.intra ? coding.scales->intra : coding.scales->inter;
    int sum = 0;
    uint32_t rows = 0;
    TcoefEvent event;
    do {
        const VlcResult result = ReadTcoef(stream, coding.intra, event);
        if (result == VlcResult::kReadFailed) return false;
        if (result == VlcResult::kNoMatch) {
            uint32_t escape = 0;
            if (!stream.ReadBits(kTcoefEscape.length, escape) || escape != kTcoefEscape.code) {
                return false;
            }
            if (!ReadEscapedEvent(stream, coding.intra, event)) return false;
        }
        k += event.run;
        if (k > 63) return false;
        if (k == 0 && coding.intra) {
            block.quantisedDc = event.level;  // the DC, predicted later
        } else {
            const int position = kZigzagToNatural[k];
            const int f = DequantiseLevel(event.level, coding.intra, scale[position]);
            block.value[position] = static_cast<int16_t>(f);
            sum += f;
            rows |= 1u << (position >> 3);
        }
        ++k;
    } while (!event.last);
    block.sum += sum;
    block.rows |= rows;
    return true;
}

}  // namespace vn
