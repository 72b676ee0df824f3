#include "samplewriter/byte_writer.h"

namespace vn::samples {

void ByteWriter::U8(uint8_t value) { bytes_.push_back(value); }

void ByteWriter::U16(uint16_t value) {
    U8(static_cast<uint8_t>(value));
    U8(static_cast<uint8_t>(value >> 8));
}

void ByteWriter::U32(uint32_t value) {
    U16(static_cast<uint16_t>(value));
    U16(static_cast<uint16_t>(value >> 16));
}

void ByteWriter::I32(int32_t value) { U32(static_cast<uint32_t>(value)); }

void ByteWriter::Tag(std::string_view fourChars) {
    for (size_t i = 0; i < 4; ++i) U8(i < fourChars.size() ? static_cast<uint8_t>(fourChars[i]) : ' ');
}

void ByteWriter::Bytes(std::span<const uint8_t> data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }

void ByteWriter::Zeros(size_t n) { bytes_.resize(bytes_.size() + n, 0); }

void ByteWriter::PatchU32(size_t at, uint32_t value) {
    if (at > bytes_.size() || bytes_.size() - at < 4) return;
    for (int i = 0; i < 4; ++i) bytes_[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

size_t ByteWriter::BeginChunk(std::string_view tag) {
    const size_t pos = size();
    Tag(tag);
    U32(0);
    return pos;
}

void ByteWriter::EndChunk(size_t pos) {
    const size_t dataStart = pos + 8;
    if (dataStart > size()) return;
    PatchU32(pos + 4, static_cast<uint32_t>(size() - dataStart));
}

}  // namespace vn::samples
