// The fast entropy decoder: a 64-bit bit buffer over the destuffed scan, a
// 9-bit DC lookahead and short AC lookups in front of the 16-bit one. It
// gives the exact decoder's results for every block it finishes; whenever
// the exact decoder could act differently (a read reaching a marker or the
// end of the data, a code with no table entry, a run past coefficient 63, a
// DC walk that fails, DC sizes above 11) it returns kRetry and the scan is
// decoded again by ExactEntropy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "decode/bit_buffer.h"
#include "decode/destuffed_scan.h"
#include "decode/entropy.h"

namespace vn::jpeg {

// Entries of the short AC lookup (kAcFastBits): for a code and its value
// bits that fit, kWholeCoefficient | value << 16 | run << 8 | bits taken
// (fewer than 32, so the entry masked with 63 is the length);
// for other codes that fit, the 16-bit lookup's entry; 0 for longer codes.
constexpr uint32_t kWholeCoefficient = 1u << 13;

// Entries of the AC skip lookup (kAcSkipBits): the codes with their value
// bits that fit one after another, up to and including an end of block, as
// bits taken | coefficients advanced << 4 | kSkipEndOfBlock; 0 when not even
// the first fits.
constexpr uint16_t kSkipEndOfBlock = 1u << 11;

void BuildAcFastLookup(const uint16_t* acLookup, uint32_t* fast);
void BuildAcSkipLookup(const uint16_t* acLookup, uint16_t* skip);

// Copies are cheap; a scan loop works on a local copy, whose fields the
// compiler can keep in registers.
class FastEntropy {
public:
    FastEntropy(const DestuffedScan& scan, const EntropyTables& tables)
        : scan_(&scan), validBits_(scan.size() * 8), tables_(&tables) {
        buffer_.next = buffer_.begin = scan.bytes();
        buffer_.Refill();
    }

    BlockResult DecodeBlock(int component, int32_t& predictor, CoefficientBlock& out) {
        BitBuffer& in = buffer_;
        int32_t difference;
        if (!DecodeDcDifference(in, component, difference)) return BlockResult::kRetry;
        predictor = WrapAdd(predictor, difference);

        int32_t* coef = out.coef;
        ClearBlock(coef);
        coef[0] = predictor;
        const uint32_t* fast = tables_->acFast[component];
        const uint16_t* full = tables_->acLookup[component];
        const uint8_t* order = tables_->zigzagToTransposed;
        bool acPresent = false;
        for (int k = 1; k < 64;) {
            // At least 25 bits are left from the last refill, enough to
            // look up the next code; the refill then runs beside the load.
            const uint32_t entry = fast[in.Peek(kAcFastBits)];
            in.Refill();
            int32_t value;
            if (entry & kWholeCoefficient) {
                in.Skip(entry & 63);
                k += entry >> 8 & 15;
                value = static_cast<int32_t>(entry) >> 16;
            } else {
                const uint16_t code = entry != 0 ? static_cast<uint16_t>(entry) : full[in.Peek(16)];
                if (code == 0) return BlockResult::kRetry;
                in.Skip(code >> 8);
                const int run = code >> 4 & 15;
                const int size = code & 15;
                if (size == 0) {
                    if (run != 15) break;  // end of block
                    k += 16;
                    continue;
                }
                k += run;
                value = Extend(in.Take(size), size);
            }
            if (k > 63) return BlockResult::kRetry;
            coef[order[k]] = value;
            acPresent = true;
            ++k;
        }
        out.acPresent = acPresent;
        return in.Consumed() > validBits_ ? BlockResult::kRetry : BlockResult::kDone;
    }

    BlockResult SkipBlock(int component, int32_t& predictor) {
        BitBuffer& in = buffer_;
        int32_t difference;
        if (!DecodeDcDifference(in, component, difference)) return BlockResult::kRetry;
        predictor = WrapAdd(predictor, difference);

        const uint16_t* skip = tables_->acSkip[component];
        const uint16_t* full = tables_->acLookup[component];
        for (int k = 1; k < 64;) {
            // Several codes at once while no run can pass coefficient 63.
            const uint16_t several = skip[in.Peek(kAcSkipBits)];
            in.Refill();
            const int advance = several >> 4 & 127;
            if (several != 0 && k + advance <= 63) {
                in.Skip(several & 15);
                if (several & kSkipEndOfBlock) break;
                k += advance;
                continue;
            }
            const uint16_t code = full[in.Peek(16)];
            if (code == 0) return BlockResult::kRetry;
            const int run = code >> 4 & 15;
            const int size = code & 15;
            in.Skip((code >> 8) + size);
            if (size == 0) {
                if (run != 15) break;  // end of block
                k += 16;
                continue;
            }
            k += run + 1;
            if (k > 64) return BlockResult::kRetry;
        }
        return in.Consumed() > validBits_ ? BlockResult::kRetry : BlockResult::kDone;
    }

    // The scan's byte count as the exact decoder would have it after the
    // bits consumed so far: every byte it took a bit from, two stream bytes
    // for a stuffed 0xFF.
    int ScanBytes() const { return scan_->StreamBytes((buffer_.Consumed() + 7) / 8); }

private:
    bool DecodeDcDifference(BitBuffer& in, int component, int32_t& difference) {
        const uint16_t entry = tables_->dcLookahead[component]->entry[in.Peek(DcLookahead::kBits)];
        in.Refill();
        int length = entry >> 8;
        int size = entry & 255;
        if (entry == 0) {
            // Codes longer than the lookahead: continue the walk where it
            // stopped. A walk that fails sets the error byte: exact decoder.
            const HuffmanTable& table = *tables_->dc[component];
            for (length = DcLookahead::kBits + 1;; ++length) {
                if (length > 16) return false;
                size = MatchDcCode(table, length, in.Peek(length));
                if (size >= 0) break;
            }
        }
        if (size > 11) return false;
        in.Skip(length);
        difference = size > 0 ? Extend(in.Take(size), size) : 0;
        return true;
    }

    static void ClearBlock(int32_t* coef) {
        typedef int32_t Lanes __attribute__((vector_size(16)));
        const Lanes zero = {};
        for (int i = 0; i < 64; i += 4) std::memcpy(coef + i, &zero, sizeof zero);
    }

    const DestuffedScan* scan_;
    size_t validBits_;
    BitBuffer buffer_;
    const EntropyTables* tables_;
};

}  // namespace vn::jpeg
