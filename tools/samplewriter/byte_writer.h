// Little-endian byte composer for the files the sample writer builds, with
// helpers for RIFF-style chunks (tag, u32 size, data).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vn::samples {

class ByteWriter {
public:
    void U8(uint8_t value);
    void U16(uint16_t value);
    void U32(uint32_t value);
    void I32(int32_t value);
    // Writes exactly four characters: shorter text is padded with blanks,
    // longer text is cut.
    void Tag(std::string_view fourChars);
    void Bytes(std::span<const uint8_t> data);
    void Zeros(size_t n);

    size_t size() const { return bytes_.size(); }
    // Overwrites four bytes already written; out-of-range positions are ignored.
    void PatchU32(size_t at, uint32_t value);
    std::vector<uint8_t>& bytes() { return bytes_; }

    // Writes the tag and a size placeholder; returns the chunk's position.
    size_t BeginChunk(std::string_view tag);
    // Sets the chunk's size to the bytes written after its size field. No pad
    // byte follows an odd size: the cameras do not write one.
    void EndChunk(size_t pos);

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace vn::samples
