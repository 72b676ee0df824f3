#include "samplewriter/bit_writer.h"

#include <fstream>

namespace vn::samples {

void BitWriter::Bits(uint32_t value, int n) {
    for (int i = n - 1; i >= 0; --i) Bit((value >> i) & 1);
}

void BitWriter::Bit(uint32_t bit) {
    if (bitCount_ % 8 == 0) bytes_.push_back(0);
    if (bit) bytes_.back() |= static_cast<uint8_t>(0x80 >> (bitCount_ % 8));
    ++bitCount_;
}

void BitWriter::Code(const std::string& text) {
    for (char c : text) {
        if (c == '0' || c == '1') Bit(c == '1');
    }
}

void BitWriter::Bytes(std::span<const uint8_t> data) {
    AlignWithZeros();
    bytes_.insert(bytes_.end(), data.begin(), data.end());
    bitCount_ += 8 * data.size();
}

void BitWriter::Le16(uint16_t v) { Bytes({static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)}); }

void BitWriter::Le32(uint32_t v) {
    Le16(static_cast<uint16_t>(v));
    Le16(static_cast<uint16_t>(v >> 16));
}

void BitWriter::AlignWithStuffing() {
    Bit(0);
    while (bitCount_ % 8 != 0) Bit(1);
}

void BitWriter::AlignWithZeros() {
    while (bitCount_ % 8 != 0) Bit(0);
}

bool BitWriter::WriteFile(const std::string& path) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes_.data()), static_cast<std::streamsize>(bytes_.size()));
    return static_cast<bool>(out);
}

}  // namespace vn::samples
