#include "tool/json_writer.h"

#include <cstdio>

namespace vn::tool {

void JsonWriter::NewLine() {
    if (!pretty_) return;
    out_ += '\n';
    out_.append(2 * hasMember_.size(), ' ');
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (hasMember_.empty()) return;
    if (hasMember_.back()) out_ += ',';
    hasMember_.back() = true;
    NewLine();
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    out_ += bracket;
    hasMember_.push_back(false);
}

void JsonWriter::Close(char bracket) {
    const bool hadMembers = hasMember_.back();
    hasMember_.pop_back();
    if (hadMembers) NewLine();
    out_ += bracket;
}

JsonWriter& JsonWriter::BeginObject() {
    Open('{');
    return *this;
}
JsonWriter& JsonWriter::EndObject() {
    Close('}');
    return *this;
}
JsonWriter& JsonWriter::BeginArray() {
    Open('[');
    return *this;
}
JsonWriter& JsonWriter::EndArray() {
    Close(']');
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
    BeforeValue();
    Quoted(key);
    out_ += pretty_ ? ": " : ":";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::Value(int64_t value) {
    BeforeValue();
    out_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Value(uint64_t value) {
    BeforeValue();
    out_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Value(bool value) {
    BeforeValue();
    out_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Fixed(double value, int decimals) {
    BeforeValue();
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    out_ += text;
    return *this;
}

JsonWriter& JsonWriter::Null() {
    BeforeValue();
    out_ += "null";
    return *this;
}

JsonWriter& JsonWriter::Value(std::string_view value) {
    BeforeValue();
    Quoted(value);
    return *this;
}

void JsonWriter::Quoted(std::string_view value) {
    out_ += '"';
    for (unsigned char c : value) {
        switch (c) {
            case '"':
                out_ += "\\\"";
                break;
            case '\\':
                out_ += "\\\\";
                break;
            case '\n':
                out_ += "\\n";
                break;
            case '\r':
                out_ += "\\r";
                break;
            case '\t':
                out_ += "\\t";
                break;
            default:
                if (c < 0x20 || c >= 0x7f) {  // camera texts are ASCII; anything else stays readable
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out_ += escaped;
                } else {
                    out_ += static_cast<char>(c);
                }
        }
    }
    out_ += '"';
}

}  // namespace vn::tool
