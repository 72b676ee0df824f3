// Reads little- and big-endian fields of composed files in tests.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vn::samples::test {

inline uint32_t U32At(std::span<const uint8_t> b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
inline int32_t I32At(std::span<const uint8_t> b, size_t at) { return static_cast<int32_t>(U32At(b, at)); }
inline uint16_t U16At(std::span<const uint8_t> b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }
inline uint16_t BigU16At(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint16_t>(b[at] << 8 | b[at + 1]);
}
inline std::string TextAt(std::span<const uint8_t> b, size_t at, size_t n) {
    return std::string(reinterpret_cast<const char*>(b.data() + at), n);
}

}  // namespace vn::samples::test
