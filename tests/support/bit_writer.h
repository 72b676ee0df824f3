// Builds byte streams bit by bit, most significant bit first, for
// hand-made test streams: MPEG-4 headers and VOPs, user-data chunks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

namespace vn::test {

class BitWriter {
public:
    // The low n bits of value, n from 0 to 32.
    void Bits(uint32_t value, int n) {
        for (int i = n - 1; i >= 0; --i) Bit((value >> i) & 1);
    }
    void Bit(uint32_t bit) {
        if (bitCount_ % 8 == 0) bytes_.push_back(0);
        if (bit) bytes_.back() |= static_cast<uint8_t>(0x80 >> (bitCount_ % 8));
        ++bitCount_;
    }
    // A code written as text of '0' and '1' ("0000011"); other characters
    // (spaces) are ignored.
    void Code(const std::string& text) {
        for (char c : text) {
            if (c == '0' || c == '1') Bit(c == '1');
        }
    }
    // Whole bytes; pads to a byte boundary with zero bits first.
    void Bytes(const uint8_t* data, size_t n) {
        AlignWithZeros();
        bytes_.insert(bytes_.end(), data, data + n);
        bitCount_ += 8 * n;
    }
    void Bytes(const std::vector<uint8_t>& data) { Bytes(data.data(), data.size()); }
    void Bytes(std::initializer_list<uint8_t> data) { Bytes(data.begin(), data.size()); }
    void Le16(uint16_t v) { Bytes({static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)}); }
    void Le32(uint32_t v) {
        Le16(static_cast<uint16_t>(v));
        Le16(static_cast<uint16_t>(v >> 16));
    }
    // 00 00 01 code, after zero bits up to a byte boundary.
    void StartCode(uint8_t code) { Bytes({0x00, 0x00, 0x01, code}); }
    // The stream's stuffing before a start code: a zero bit, then one bits
    // up to the byte boundary (a whole 0x7F byte when already aligned).
    void AlignWithStuffing() {
        Bit(0);
        while (bitCount_ % 8 != 0) Bit(1);
    }
    void AlignWithZeros() {
        while (bitCount_ % 8 != 0) Bit(0);
    }

    size_t bitCount() const { return bitCount_; }
    bool byteAligned() const { return bitCount_ % 8 == 0; }
    std::vector<uint8_t> bytes() const { return bytes_; }

    bool WriteFile(const std::string& path) const {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes_.data()), static_cast<std::streamsize>(bytes_.size()));
        return static_cast<bool>(out);
    }

private:
    std::vector<uint8_t> bytes_;
    size_t bitCount_ = 0;
};

}  // namespace vn::test
