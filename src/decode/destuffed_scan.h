// A scan's entropy-coded bytes with the stuffed zero bytes taken out, up to
// the first marker or the end of the frame, then zero padding. The fast
// decoder reads it with plain 8-byte loads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vn::jpeg {

class DestuffedScan {
public:
    // Room for what a damaged block can read past the data before the
    // decoder looks at how far it went.
    static constexpr size_t kPadding = 512;

    void Fill(std::span<const uint8_t> data, size_t start);

    const uint8_t* bytes() const { return bytes_.data(); }
    // Data bytes before the first marker or the end.
    size_t size() const { return size_; }
    // How many stream bytes (stuffed zeros included) the first `dataBytes`
    // data bytes took.
    int StreamBytes(size_t dataBytes) const;

private:
    std::vector<uint8_t> bytes_;
    size_t size_ = 0;
    std::vector<size_t> stuffedAfter_;  // data offsets of the 0xFF bytes that had a zero after them
};

}  // namespace vn::jpeg
