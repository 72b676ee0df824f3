// printf-style texts for the fixed-width numbers of labels and log lines.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

namespace vn {

// The text that snprintf makes of format and values, up to 127 characters.
template <typename... Values>
std::string Format(const char* format, Values... values) {
    char text[128];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// Each byte as two hexadecimal digits (upper or lower case), each followed
// by `after`.
inline std::string HexText(std::span<const uint8_t> bytes, bool upperCase, const char* after = "") {
    std::string text;
    for (uint8_t b : bytes) text += Format(upperCase ? "%02X%s" : "%02x%s", b, after);
    return text;
}

}  // namespace vn
