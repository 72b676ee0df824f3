// The fast entropy decoder: a 64-bit bit buffer, a 9-bit DC lookahead and a
// 10-bit AC lookup in front of the 16-bit one. It gives the exact decoder's
// results for every block it finishes; whenever the exact decoder could act
// differently (a read reaching a marker or the end of the data, a code with
// no table entry, a run past coefficient 63, a DC walk that fails, DC sizes
// above 11) it returns kRetry and the scan is decoded again by ExactEntropy.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "decode/entropy.h"

namespace vn {

class FastEntropy {
public:
    FastEntropy(std::span<const uint8_t> data, size_t start, const EntropyTables& tables)
        : start_(data.data() + start), next_(start_), end_(data.data() + data.size()), tables_(tables) {}

    BlockResult DecodeBlock(int component, const QuantTable& quant, int32_t& predictor, DequantisedBlock& out) {
        int32_t difference;
        if (!DecodeDcDifference(component, difference)) return BlockResult::kRetry;
        predictor = WrapAdd(predictor, difference);

        std::memset(out.coef, 0, sizeof out.coef);
        out.coef[0] = WrapMul(predictor, quant.multiplier[0]);
        const uint16_t* fast = tables_.acFast[component];
        const uint16_t* full = tables_.acLookup[component];
        const uint8_t* order = tables_.zigzagToTransposed;
        bool acPresent = false;
        for (int k = 1; k < 64;) {
            const uint16_t entry = NextAcEntry(fast, full);
            if (entry == 0) return BlockResult::kRetry;
            Skip(entry >> 8);
            const int run = entry >> 4 & 15;
            const int size = entry & 15;
            if (size > 0) {
                k += run;
                if (k > 63) return BlockResult::kRetry;
                out.coef[order[k]] = WrapMul(Extend(Take(size), size), quant.multiplier[k]);
                acPresent = true;
                ++k;
            } else if (run == 15) {
                k += 16;
            } else {
                break;
            }
        }
        out.acPresent = acPresent;
        return bits_ < 0 ? BlockResult::kRetry : BlockResult::kDone;
    }

    BlockResult SkipBlock(int component, int32_t& predictor) {
        int32_t difference;
        if (!DecodeDcDifference(component, difference)) return BlockResult::kRetry;
        predictor = WrapAdd(predictor, difference);

        const uint16_t* fast = tables_.acFast[component];
        const uint16_t* full = tables_.acLookup[component];
        for (int k = 1; k < 64;) {
            const uint16_t entry = NextAcEntry(fast, full);
            if (entry == 0) return BlockResult::kRetry;
            const int run = entry >> 4 & 15;
            const int size = entry & 15;
            Skip((entry >> 8) + size);
            if (size > 0) {
                k += run + 1;
                if (k > 64) return BlockResult::kRetry;
            } else if (run == 15) {
                k += 16;
            } else {
                break;
            }
        }
        return bits_ < 0 ? BlockResult::kRetry : BlockResult::kDone;
    }

    // The scan's byte count as the exact decoder would have it after the
    // bits consumed so far: whole bytes still unread in the buffer are given
    // back, two stream bytes for a stuffed 0xFF.
    int ScanBytes() const {
        const uint8_t* p = next_;
        for (int unread = bits_ / 8; unread > 0; --unread) {
            p -= (p - start_ >= 2 && p[-1] == 0x00 && p[-2] == 0xFF) ? 2 : 1;
        }
        return static_cast<int>(p - start_);
    }

private:
    bool DecodeDcDifference(int component, int32_t& difference) {
        Refill();
        const uint16_t entry = tables_.dcLookahead[component]->entry[buffer_ >> (64 - DcLookahead::kBits)];
        int length = entry >> 8;
        int size = entry & 255;
        if (entry == 0) {
            // Codes longer than the lookahead: continue the walk where it
            // stopped. A walk that fails sets the error byte: exact decoder.
            const HuffmanTable& table = *tables_.dc[component];
            for (length = DcLookahead::kBits + 1;; ++length) {
                if (length > 16) return false;
                size = MatchDcCode(table, length, static_cast<uint32_t>(buffer_ >> (64 - length)));
                if (size >= 0) break;
            }
        }
        if (size > 11) return false;
        Skip(length);
        difference = size > 0 ? Extend(Take(size), size) : 0;
        return true;
    }

    uint16_t NextAcEntry(const uint16_t* fast, const uint16_t* full) {
        if (bits_ < 32) Refill();
        const uint16_t entry = fast[buffer_ >> (64 - kAcFastBits)];
        return entry != 0 ? entry : full[buffer_ >> 48];
    }

    void Skip(int count) {
        buffer_ <<= count;
        bits_ -= count;
    }

    uint32_t Take(int count) {
        const uint32_t value = static_cast<uint32_t>(buffer_ >> (64 - count));
        Skip(count);
        return value;
    }

    // Tops the buffer up to at least 57 bits. At a marker or the end of the
    // data loading stops for good; the bits after the last loaded byte read
    // as zero and bits_ going negative shows that a read went past them.
    void Refill() {
        if (stopped_ || bits_ > 56) return;
        if (end_ - next_ >= 8) {
            uint64_t word;
            std::memcpy(&word, next_, 8);
            word = __builtin_bswap64(word);
            const uint64_t inverted = ~word;
            const bool hasFF = ((inverted - 0x0101010101010101ull) & ~inverted & 0x8080808080808080ull) != 0;
            if (!hasFF) {
                // The tail of a partly taken byte is loaded again later with
                // the same bits, so OR-ing it in early is harmless.
                buffer_ |= word >> bits_;
                const int count = (63 - bits_) >> 3;
                next_ += count;
                bits_ += count * 8;
                return;
            }
        }
        while (bits_ <= 56) {
            if (next_ >= end_) {
                stopped_ = true;
                return;
            }
            const uint8_t byte = *next_;
            if (byte == 0xFF) {
                if (end_ - next_ < 2 || next_[1] != 0x00) {
                    stopped_ = true;
                    return;
                }
                next_ += 2;
            } else {
                ++next_;
            }
            buffer_ |= static_cast<uint64_t>(byte) << (56 - bits_);
            bits_ += 8;
        }
    }

    const uint8_t* start_;
    const uint8_t* next_;
    const uint8_t* end_;
    uint64_t buffer_ = 0;  // unread bits, most significant first
    int bits_ = 0;         // loaded bits not yet consumed
    bool stopped_ = false;
    const EntropyTables& tables_;
};

}  // namespace vn
