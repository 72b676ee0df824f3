// Fixed-size camera records: each field is written at its own offset and
// the bytes between fields stay zero.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "samplewriter/camera_date.h"

namespace vn::samples {

class RecordWriter {
public:
    // Offsets passed to the writers count from `origin`: a record whose
    // layout is documented from an earlier point (a chunk tag, say) keeps
    // those offsets.
    explicit RecordWriter(size_t size, size_t origin = 0) : bytes_(size, 0), origin_(origin) {}

    // A field outside the record is not written.
    void U8(size_t at, uint8_t value) {
        if (at >= origin_ && at - origin_ < bytes_.size()) bytes_[at - origin_] = value;
    }
    void U16(size_t at, uint16_t value) {
        U8(at, static_cast<uint8_t>(value));
        U8(at + 1, static_cast<uint8_t>(value >> 8));
    }
    void U32(size_t at, uint32_t value) {
        U16(at, static_cast<uint16_t>(value));
        U16(at + 2, static_cast<uint16_t>(value >> 16));
    }
    // At most maxLength characters; the rest of the field stays zero.
    void Text(size_t at, std::string_view text, size_t maxLength) {
        const size_t n = std::min(text.size(), maxLength);
        for (size_t i = 0; i < n; ++i) U8(at + i, static_cast<uint8_t>(text[i]));
    }
    // Second, minute, hour, day, month, one unused byte, u16 year.
    void Date(size_t at, const CameraDate& date) {
        U8(at, static_cast<uint8_t>(date.second));
        U8(at + 1, static_cast<uint8_t>(date.minute));
        U8(at + 2, static_cast<uint8_t>(date.hour));
        U8(at + 3, static_cast<uint8_t>(date.day));
        U8(at + 4, static_cast<uint8_t>(date.month));
        U16(at + 6, static_cast<uint16_t>(date.year));
    }
    std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
    size_t origin_;
};

}  // namespace vn::samples
