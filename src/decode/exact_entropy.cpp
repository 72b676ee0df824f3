#include "decode/exact_entropy.h"

#include <algorithm>

namespace vn::jpeg {

ExactEntropy::ExactEntropy(std::span<const uint8_t> data, size_t start, const EntropyTables& tables, int& scanBytes,
                           int& jpegError, const std::function<void(std::string_view)>& debugMessage)
    : data_(data),
      pos_(start),
      tables_(tables),
      scanBytes_(scanBytes),
      jpegError_(jpegError),
      debugMessage_(debugMessage) {}

// Past its end the data reads as if an EOI marker followed it, so a
// truncated frame ends like a frame whose scan meets EOI early.
uint8_t ExactEntropy::ByteAt(size_t i) const {
    if (i < data_.size()) return data_[i];
    return i == data_.size() ? 0xFF : 0xD9;
}

bool ExactEntropy::FetchByte() {
    byte_ = ByteAt(pos_++);
    bitsLeft_ = 8;
    ++scanBytes_;
    if (byte_ != 0xFF) return false;
    const uint8_t next = ByteAt(pos_);
    if (next == 0x00) {
        ++pos_;
        ++scanBytes_;
        return false;
    }
    // The read pointer stays on the marker's code byte.
    jpegError_ = next;
    return true;
}

uint32_t ExactEntropy::Get1Bit() {
    // On a marker the 0xFF is still delivered as data bits.
    if (bitsLeft_ == 0 && FetchByte()) debugMessage_("Error in Get1Bit");
    --bitsLeft_;
    return byte_ >> bitsLeft_ & 1;
}

bool ExactEntropy::GetBits(int count, uint32_t& value) {
    value = 0;
    while (count > 0) {
        if (bitsLeft_ == 0 && FetchByte()) {
            debugMessage_("Error in GetBits");
            value = 0;
            return false;
        }
        const int take = std::min(count, bitsLeft_);
        bitsLeft_ -= take;
        value = value << take | (byte_ >> bitsLeft_ & ((1u << take) - 1));
        count -= take;
    }
    return true;
}

// The unread bits and the bytes after them, skipping the byte after every
// 0xFF whatever it is; bytes past the end read as zero.
uint32_t ExactEntropy::Peek16() const {
    uint32_t bits = byte_ & ((1u << bitsLeft_) - 1);
    int count = bitsLeft_;
    for (size_t i = pos_; count < 16; count += 8) {
        const uint8_t b = i < data_.size() ? data_[i] : 0;
        bits = bits << 8 | b;
        i += b == 0xFF ? 2 : 1;
    }
    return bits >> (count - 16) & 0xFFFF;
}

void ExactEntropy::DecodeDc(int component, int32_t& predictor) {
    const HuffmanTable& table = *tables_.dc[component];
    uint32_t code = Get1Bit();
    int size = -1;
    for (int length = 1; length <= 16; ++length) {
        size = MatchDcCode(table, length, code);
        if (size >= 0) break;
        code = code << 1 | Get1Bit();
    }
    if (size < 0) {
        jpegError_ = 0xFF;
        return;
    }
    uint32_t bits = 0;
    GetBits(size, bits);
    predictor = WrapAdd(predictor, Extend(bits, size));
}

bool ExactEntropy::DecodeAc(int component, int32_t* coef, int& last) {
    const uint16_t* lookup = tables_.acLookup[component];
    int k = 1;
    last = 1;
    while (k < 64) {
        const uint16_t entry = lookup[Peek16()];
        uint32_t bits = 0;
        if (!GetBits(entry >> 8, bits)) return false;
        const int run = entry >> 4 & 15;
        const int size = entry & 15;
        if (size > 0) {
            k += run;
            if (k > 63) {
                jpegError_ = 0xFF;
                return false;
            }
            if (!GetBits(size, bits)) return false;
            coef[k] = Extend(bits, size);
            last = k;
            ++k;
        } else if (run == 15) {
            k += 16;
        } else {
            break;  // end of block, or no code at all
        }
    }
    return true;
}

BlockResult ExactEntropy::DecodeBlock(int component, int32_t& predictor, CoefficientBlock& out) {
    DecodeDc(component, predictor);
    if (jpegError_ != 0) return BlockResult::kErrorInDc;

    int32_t coef[64] = {};
    coef[0] = predictor;
    int last = 1;
    const bool complete = DecodeAc(component, coef, last);

    // Coefficients past `last` are zero, so dequantising the whole block
    // later gives the same as stopping at `last`.
    std::fill(std::begin(out.coef), std::end(out.coef), 0);
    for (int k = 0; k <= last; ++k) out.coef[tables_.zigzagToTransposed[k]] = coef[k];
    out.acPresent = true;
    return complete ? BlockResult::kDone : BlockResult::kErrorInAc;
}

BlockResult ExactEntropy::SkipBlock(int component, int32_t& predictor) {
    DecodeDc(component, predictor);
    int32_t coef[64] = {};
    int last = 1;
    DecodeAc(component, coef, last);
    return jpegError_ != 0 ? BlockResult::kErrorInAc : BlockResult::kDone;
}

}  // namespace vn::jpeg
