#include "support.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "common/file_source.h"

namespace vn::fuzz {

namespace {

// T.81 Annex K.3 and K.4: the counts of the luminance and chrominance DC
// codes of lengths 1 to 16; both code the sizes 0 to 11.
constexpr uint8_t kDcCounts[2][16] = {
    {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0},
    {0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0},
};
constexpr uint8_t kDcSizes = 12;
constexpr uint8_t kQuantiser = 8;

void Segment(std::vector<uint8_t>& out, uint8_t marker, const std::vector<uint8_t>& payload) {
    const size_t length = payload.size() + 2;
    out.insert(out.end(), {0xFF, marker, static_cast<uint8_t>(length >> 8), static_cast<uint8_t>(length)});
    out.insert(out.end(), payload.begin(), payload.end());
}

// SOI, the two DC tables and the three quantisation tables; no scan.
std::vector<uint8_t> TablesOnly() {
    std::vector<uint8_t> frame = {0xFF, 0xD8};
    for (uint8_t id = 0; id < 2; ++id) {
        // Table class 0 and the identifier, the counts, then the sizes.
        std::vector<uint8_t> table(1 + 16 + kDcSizes, id);
        std::copy(std::begin(kDcCounts[id]), std::end(kDcCounts[id]), table.begin() + 1);
        for (uint8_t size = 0; size < kDcSizes; ++size) table[17 + size] = size;
        Segment(frame, 0xC4, table);
    }
    for (uint8_t id = 0; id < 3; ++id) {
        std::vector<uint8_t> table(65, kQuantiser);
        table[0] = id;
        Segment(frame, 0xDB, table);
    }
    return frame;
}

// The i32 at offset, or 0 when the input is shorter.
int32_t I32At(std::span<const uint8_t> input, size_t offset) {
    if (offset + 4 > input.size()) return 0;
    const uint32_t value = input[offset] | input[offset + 1] << 8 | input[offset + 2] << 16 |
                           static_cast<uint32_t>(input[offset + 3]) << 24;
    return static_cast<int32_t>(value);
}

}  // namespace

void StartAfresh(jpeg::JpegDecoder& decoder) {
    static const std::vector<uint8_t> tables = TablesOnly();
    decoder.debugOutput = [](std::string_view) {};
    decoder.ParseJpegHeaders(tables, jpeg::kMarkerWalkLimit, nullptr, nullptr, nullptr, nullptr);
    decoder.camera.ForgetRecords();
    decoder.camera.bDumpRTCData = false;
    decoder.previousClock = 0;
    decoder.bCheckSpuriousEOI = false;
    decoder.g_bForceBW = false;
}

bool OpenSmallRecording(avi::Recording& recording, jpeg::JpegDecoder& decoder, std::span<const uint8_t> input) {
    // A file time inside the range the DOS date and time can hold.
    constexpr int64_t kFileTime = 1300000000;
    // The header's picture size, where the reader takes it from.
    if (I32At(input, 64) > kMaxSide || I32At(input, 68) > kMaxSide) return false;
    StartAfresh(decoder);
    recording.OpenRecording(std::make_unique<MemoryFile>(input, kFileTime));
    return recording.isOpen();
}

}  // namespace vn::fuzz
