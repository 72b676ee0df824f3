// A small JSON emitter for the tool's output: values are written in order,
// commas and quoting are taken care of.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace vn::tool {

template <typename T>
concept ResultCode = std::is_enum_v<T>;

class JsonWriter {
public:
    // pretty: one member per line, indented by two spaces.
    explicit JsonWriter(bool pretty = false) : pretty_(pretty) {}

    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view key);

    JsonWriter& Value(int64_t value);
    JsonWriter& Value(int value) { return Value(static_cast<int64_t>(value)); }
    JsonWriter& Value(uint32_t value) { return Value(static_cast<int64_t>(value)); }
    JsonWriter& Value(uint64_t value);
    JsonWriter& Value(bool value);
    JsonWriter& Value(std::string_view value);
    JsonWriter& Value(const char* value) { return Value(std::string_view(value)); }
    JsonWriter& Null();
    // Result codes are written as their numbers.
    template <ResultCode E>
    JsonWriter& Value(E code) {
        return Value(static_cast<int64_t>(code));
    }
    // A number with that many digits after the point.
    JsonWriter& Fixed(double value, int decimals);
    template <typename T>
    JsonWriter& Value(const std::optional<T>& value) {
        return value ? Value(*value) : Null();
    }

    // Key and value in one call.
    template <typename T>
    JsonWriter& Field(std::string_view key, const T& value) {
        Key(key);
        return Value(value);
    }
    JsonWriter& NullField(std::string_view key) { return Key(key).Null(); }
    template <typename T>
    JsonWriter& ArrayField(std::string_view key, const T& values) {
        Key(key).BeginArray();
        for (const auto& v : values) Value(v);
        return EndArray();
    }

    // key: the object that write(*this) produces when present, else null.
    template <typename WriteValue>
    JsonWriter& FieldIf(std::string_view key, bool present, WriteValue write) {
        Key(key);
        if (!present) return Null();
        write(*this);
        return *this;
    }

    const std::string& str() const { return out_; }

private:
    void BeforeValue();
    void Quoted(std::string_view text);
    void Open(char bracket);
    void Close(char bracket);
    void NewLine();

    bool pretty_;
    std::string out_;
    // One entry per open object or array: whether it has a member yet.
    std::vector<bool> hasMember_;
    bool afterKey_ = false;
};

}  // namespace vn::tool
