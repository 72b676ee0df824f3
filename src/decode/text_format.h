// printf-style texts for the fixed-width numbers of labels and log lines.
#pragma once

#include <cstdio>
#include <string>

namespace vn {

// The text that snprintf makes of format and values, up to 127 characters.
template <typename... Values>
std::string Format(const char* format, Values... values) {
    char text[128];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

}  // namespace vn
