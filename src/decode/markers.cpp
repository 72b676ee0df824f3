// The marker walk: from SOI up to the start of the entropy-coded data,
// taking in tables, headers and the camera's own segments on the way.
#include <algorithm>

#include "decode/jpeg_decoder.h"

namespace vn::jpeg {

namespace {

enum Marker : int {
    kSOF0 = 0xFFC0,
    kDHT = 0xFFC4,
    kRST0 = 0xFFD0,
    kRST7 = 0xFFD7,
    kEOI = 0xFFD9,
    kSOS = 0xFFDA,
    kDQT = 0xFFDB,
    kDNL = 0xFFDC,
    kDRI = 0xFFDD,
    kAPP0 = 0xFFE0,
    kAPP4 = 0xFFE4,
    kAPP5 = 0xFFE5,
    kAPP15 = 0xFFEF,
    kCOM = 0xFFFE,
};

// Byte i of a payload, 0 past its end: headers shorter than they claim read
// as zeros rather than as the bytes after them.
uint8_t At(std::span<const uint8_t> payload, size_t i) { return i < payload.size() ? payload[i] : 0; }

int BigEndian16(std::span<const uint8_t> payload, size_t i) { return At(payload, i) << 8 | At(payload, i + 1); }

void FillFrameHeader(FrameHeader& header, std::span<const uint8_t> payload, int components) {
    header.precision = At(payload, 0);
    header.height = BigEndian16(payload, 1);
    header.width = BigEndian16(payload, 3);
    header.components = components;
    for (int c = 0; c < components; ++c) {
        const size_t at = 6 + 3 * static_cast<size_t>(c);
        header.component[c].id = At(payload, at);
        header.component[c].h = At(payload, at + 1) >> 4;
        header.component[c].v = At(payload, at + 1) & 15;
        header.component[c].tq = At(payload, at + 2);
    }
}

void FillScanHeader(ScanHeader& header, int length, std::span<const uint8_t> payload, int components) {
    header.length = length;
    header.components = components;
    for (int c = 0; c < components; ++c) {
        const size_t at = 1 + 2 * static_cast<size_t>(c);
        header.component[c].id = At(payload, at);
        header.component[c].td = At(payload, at + 1) >> 4;
        header.component[c].ta = At(payload, at + 1) & 15;
    }
    const size_t after = 1 + 2 * static_cast<size_t>(components);
    header.ss = At(payload, after);
    header.se = At(payload, after + 1);
    header.ah = At(payload, after + 2) >> 4;
    header.al = At(payload, after + 2) & 15;
}

}  // namespace

int JpegDecoder::ParseJpegHeaders(std::span<const uint8_t> data, int maxLength, FrameHeader* frameHeader,
                                  ScanHeader* scanHeader, uint64_t* clockOut, int* eventPos) {
    return WalkHeaders(data, maxLength, true, frameHeader, scanHeader, clockOut, eventPos);
}

int JpegDecoder::WalkCameraRecords(std::span<const uint8_t> data, int maxLength) {
    return WalkHeaders(data, maxLength, false, nullptr, nullptr, nullptr, nullptr);
}

int JpegDecoder::WalkHeaders(std::span<const uint8_t> data, int maxLength, bool buildTables, FrameHeader* frameHeader,
                             ScanHeader* scanHeader, uint64_t* clockOut, int* eventPos) {
    camera.BeginWalk();
    walkDcTables_ = walkQuantTables_ = 0;
    if (clockOut) *clockOut = 0;
    if (eventPos) *eventPos = -1;
    if (data.size() < 2 || data[0] != 0xFF || data[1] != 0xD8) return -1;

    // Whatever way the walk ends, the caller gets the clock it met.
    struct ClockHandOver {
        const CameraRecords& records;
        uint64_t* out;
        ~ClockHandOver() {
            if (out) *out = records.FrameClock;
        }
    } handOver{camera, clockOut};

    const size_t limit = static_cast<size_t>(std::max(maxLength, 0));
    size_t pos = 2;
    while (pos < limit) {
        // A marker and its two length bytes must lie inside the frame.
        if (pos + 4 > data.size() || data[pos] != 0xFF) return 0;
        const int marker = 0xFF00 | data[pos + 1];
        const int length = data[pos + 2] << 8 | data[pos + 3];
        const size_t end = pos + 2 + static_cast<size_t>(length);
        if (end > data.size()) return 0;
        const auto payload = data.subspan(pos + 4, length >= 2 ? static_cast<size_t>(length) - 2 : 0);

        if (marker == kDHT) {
            const int tableClass = At(payload, 0) >> 4;
            const int id = At(payload, 0) & 15;
            if (buildTables && !payload.empty() && tableClass <= 1 && id <= 1) {
                HuffmanTable& table = tableClass == 0 ? dcTables_[id] : acTables_[id];
                if (BuildHuffmanTable(table, payload.subspan(1)) && tableClass == 0) walkDcTables_ |= 1 << id;
            }
            ++camera.walk.dhtSegments;
        } else if (marker == kSOF0) {
            const int components = At(payload, 5);
            if (components > 4) return 0;
            if (frameHeader) FillFrameHeader(*frameHeader, payload, components);
        } else if (marker == kSOS) {
            // More than three components cannot be this kind of frame; such a
            // segment is passed over like any other.
            const int components = At(payload, 0);
            if (components <= 3) {
                if (scanHeader) FillScanHeader(*scanHeader, length, payload, components);
                return static_cast<int>(end);
            }
        } else if (marker == kDQT) {
            const int id = At(payload, 0) & 15;
            if (buildTables && id <= 2 && payload.size() >= 65) {
                BuildQuantTable(quant_[id], payload.subspan<1, 64>());
                walkQuantTables_ |= 1 << id;
            }
            ++camera.walk.dqtSegments;
        } else if (marker == kAPP4) {
            camera.ReadApp4(payload);
        } else if (marker == kAPP5) {
            camera.ReadApp5(payload);
            if (eventPos && !payload.empty()) *eventPos = static_cast<int>(pos + 4);
        } else if (marker == kAPP15) {
            camera.ReadApp15(payload);
        } else if (marker == kCOM) {
            camera.ReadComment(payload);
        } else {
            const bool skipped = (marker >= kRST0 && marker <= kRST7) || marker == kEOI || marker == kDNL ||
                                 marker == kDRI || (marker >= kAPP0 && marker <= kAPP15);
            if (!skipped) return 0;
        }
        pos = end;
    }
    return 0;
}

}  // namespace vn::jpeg
