#include "decode/destuffed_scan.h"

#include <algorithm>
#include <cstring>

namespace vn::jpeg {

void DestuffedScan::Fill(std::span<const uint8_t> data, size_t start) {
    bytes_.clear();
    stuffedAfter_.clear();
    const uint8_t* p = data.data() + std::min(start, data.size());
    const uint8_t* const end = data.data() + data.size();
    while (p < end) {
        const auto* ff = static_cast<const uint8_t*>(std::memchr(p, 0xFF, end - p));
        const uint8_t* runEnd = ff ? ff : end;
        bytes_.insert(bytes_.end(), p, runEnd);
        // A 0xFF without a zero after it starts a marker (or ends the data).
        if (!ff || ff + 1 == end || ff[1] != 0x00) break;
        stuffedAfter_.push_back(bytes_.size());
        bytes_.push_back(0xFF);
        p = ff + 2;
    }
    size_ = bytes_.size();
    bytes_.resize(size_ + kPadding, 0);
}

int DestuffedScan::StreamBytes(size_t dataBytes) const {
    const auto stuffed = std::lower_bound(stuffedAfter_.begin(), stuffedAfter_.end(), dataBytes);
    return static_cast<int>(dataBytes + (stuffed - stuffedAfter_.begin()));
}

}  // namespace vn::jpeg
