// Builds byte streams bit by bit, most significant bit first: MPEG-4
// headers, macroblocks and user-data chunks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace vn::samples {

class BitWriter {
public:
    // The low n bits of value, n from 0 to 32.
    void Bits(uint32_t value, int n);
    void Bit(uint32_t bit);
    // A code written as text of '0' and '1' ("0000011"); other characters
    // (spaces) are ignored.
    void Code(const std::string& text);
    // Whole bytes; pads to a byte boundary with zero bits first.
    void Bytes(std::span<const uint8_t> data);
    void Bytes(std::initializer_list<uint8_t> data) { Bytes(std::span<const uint8_t>(data.begin(), data.size())); }
    void Le16(uint16_t v);
    void Le32(uint32_t v);
    // 00 00 01 code, after zero bits up to a byte boundary.
    void StartCode(uint8_t code) { Bytes({0x00, 0x00, 0x01, code}); }
    // The stream's stuffing before a start code: a zero bit, then one bits
    // up to the byte boundary (a whole 0x7F byte when already aligned).
    void AlignWithStuffing();
    void AlignWithZeros();

    size_t bitCount() const { return bitCount_; }
    bool byteAligned() const { return bitCount_ % 8 == 0; }
    const std::vector<uint8_t>& bytes() const { return bytes_; }

    // Writes the bytes to path; false on failure.
    bool WriteFile(const std::string& path) const;

private:
    std::vector<uint8_t> bytes_;
    size_t bitCount_ = 0;
};

}  // namespace vn::samples
