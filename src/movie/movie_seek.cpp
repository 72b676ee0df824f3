// Seeking in a movie: from a position, byte by byte forwards or backwards to
// the next intra VOP start code, then onto the clock record that may stand
// right before it, so that the next read passes over the record.
#include <algorithm>
#include <cstring>

#include "movie/movie_file.h"

namespace vn::movie {

namespace {

// A VOP start code followed by coding type 0 in the top two bits.
bool IsIntraVopStart(const uint8_t head[5]) {
    static constexpr uint8_t kIntraVop[5] = {0x00, 0x00, 0x01, 0xB6, 0x00};
    return std::memcmp(head, kIntraVop, 4) == 0 && (head[4] & 0xC0) == kIntraVop[4];
}

// Start code, L = 6 little-endian, type 0x82: a clock record's first 7 bytes.
constexpr uint8_t kClockRecordHead[7] = {0x00, 0x00, 0x01, 0xB2, 0x06, 0x00, 0x82};
constexpr int kClockRecordLength = 14;

}  // namespace

std::optional<int> MovieFile::Seek(int64_t position, int unitsPerStep, int direction) {
    seekOffset_ = -1;
    if (!isOpen() || unitsPerStep < 1) return std::nullopt;
    position = std::max<int64_t>(position, 0);
    const uint64_t stepBytes = uint64_t{static_cast<uint32_t>(unitsPerStep)} * mpeg4::kPositionUnit;
    const uint64_t fileSize = window_.fileSize();
    // Compared before multiplying, so that no position can overflow the target.
    if (static_cast<uint64_t>(position) > fileSize / stepBytes) return std::nullopt;
    const uint64_t target = static_cast<uint64_t>(position) * stepBytes;
    if (target >= fileSize) return std::nullopt;

    const uint64_t start = target & ~uint64_t{3};
    if (!StandAt(start)) return std::nullopt;

    const uint64_t last = start + kMaxSearchBytes;
    const uint64_t first = start > kMaxSearchBytes ? start - kMaxSearchBytes : 0;
    uint8_t head[sizeof(kClockRecordHead)];
    for (;;) {
        // Only a start code's first byte can begin an intra VOP.
        const bool found = direction >= 0 ? window_.FindPrefixForward(last) : window_.FindPrefixBackward(first);
        if (!found) return 0;
        if (window_.CopyAhead(head, 5) && IsIntraVopStart(head)) break;
        const bool moved = direction >= 0 ? window_.Advance() : window_.StepBack();
        if (!moved) return 0;
    }

    const mpeg4::StreamWindow::Mark vop = window_.Save();
    bool onClockRecord = true;
    for (int i = 0; i < kClockRecordLength && onClockRecord; ++i) onClockRecord = window_.StepBack();
    onClockRecord = onClockRecord && window_.CopyAhead(head, sizeof(head)) &&
                    std::memcmp(head, kClockRecordHead, sizeof(head)) == 0;
    if (!onClockRecord) window_.Restore(vop);

    seekOffset_ = static_cast<int64_t>(window_.position());
    return static_cast<int>(window_.position() / stepBytes);
}

}  // namespace vn::movie
