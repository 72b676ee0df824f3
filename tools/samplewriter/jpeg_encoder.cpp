#include "samplewriter/jpeg_encoder.h"

#include <memory>
#include <optional>
#include <turbojpeg.h>

#include "samplewriter/camera_segments.h"

namespace vn::samples {

namespace {

constexpr uint8_t kDht = 0xC4;
constexpr uint8_t kSos = 0xDA;
constexpr uint8_t kDqt = 0xDB;

// Length of the table at the start of a DHT or DQT payload, or nothing
// when the table runs past the payload.
std::optional<size_t> TableLength(uint8_t marker, std::span<const uint8_t> tables) {
    if (tables.empty()) return std::nullopt;
    size_t length = 0;
    if (marker == kDqt) {
        const bool sixteenBit = (tables[0] >> 4) != 0;
        length = 1 + 64 * (sixteenBit ? 2 : 1);
    } else {
        if (tables.size() < 17) return std::nullopt;
        length = 17;
        for (size_t i = 1; i <= 16; ++i) length += tables[i];
    }
    if (length > tables.size()) return std::nullopt;
    return length;
}

// Appends one segment per table of a DHT or DQT payload; false when the
// payload is not a whole number of tables.
bool AppendSplitTables(uint8_t marker, std::span<const uint8_t> payload, std::vector<uint8_t>& out) {
    while (!payload.empty()) {
        const auto length = TableLength(marker, payload);
        if (!length) return false;
        const auto segment = Segment(marker, payload.first(*length));
        out.insert(out.end(), segment.begin(), segment.end());
        payload = payload.subspan(*length);
    }
    return true;
}

}  // namespace

std::vector<uint8_t> SplitTableSegments(std::span<const uint8_t> jpeg) {
    if (jpeg.size() < 2 || jpeg[0] != 0xFF || jpeg[1] != 0xD8) return {};
    std::vector<uint8_t> out(jpeg.begin(), jpeg.begin() + 2);
    size_t pos = 2;
    while (pos + 4 <= jpeg.size() && jpeg[pos] == 0xFF) {
        const uint8_t marker = jpeg[pos + 1];
        const size_t length = static_cast<size_t>(jpeg[pos + 2]) << 8 | jpeg[pos + 3];
        if (length < 2 || pos + 2 + length > jpeg.size()) return {};
        if (marker == kSos) {
            out.insert(out.end(), jpeg.begin() + static_cast<std::ptrdiff_t>(pos), jpeg.end());
            return out;
        }
        const auto segment = jpeg.subspan(pos, length + 2);
        if (marker == kDht || marker == kDqt) {
            if (!AppendSplitTables(marker, segment.subspan(4), out)) return {};
        } else {
            out.insert(out.end(), segment.begin(), segment.end());
        }
        pos += length + 2;
    }
    return {};
}

std::vector<uint8_t> EncodeJpeg(const uint8_t* rgb, int width, int height, int quality) {
    if (rgb == nullptr || width <= 0 || height <= 0 || quality < 1 || quality > 100) return {};
    const std::unique_ptr<void, int (*)(tjhandle)> encoder(tjInitCompress(), tjDestroy);
    if (!encoder) return {};
    unsigned char* jpeg = nullptr;
    unsigned long jpegSize = 0;
    // No optimised Huffman coding and no progressive mode: the standard
    // tables in a baseline frame.
    const int failed =
        tjCompress2(encoder.get(), rgb, width, 0, height, TJPF_RGB, &jpeg, &jpegSize, TJSAMP_420, quality, 0);
    const std::unique_ptr<unsigned char, void (*)(unsigned char*)> owned(jpeg, tjFree);
    if (failed != 0 || jpeg == nullptr) return {};
    return SplitTableSegments(std::span<const uint8_t>(jpeg, jpegSize));
}

}  // namespace vn::samples
