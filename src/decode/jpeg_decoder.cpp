// The decoder's lifecycle (tables, planes, debug channel) and the focus
// score over its luma plane.
#include "decode/jpeg_decoder.h"

#include <cstdio>
#include <new>

#include "decode/decoder_tables.h"
#include "decode/destuffed_scan.h"

namespace vn::jpeg {

namespace {
// Largest side accepted for a recording; far above any camera's resolution.
constexpr int kMaxSide = 16384;
}  // namespace

JpegDecoder::JpegDecoder() : scanCopy_(std::make_unique<DestuffedScan>()) { InitJpegDecoder(); }

JpegDecoder::~JpegDecoder() = default;

void JpegDecoder::InitJpegDecoder() {
    // The tables never change, so later calls keep the first ones.
    if (tables_) return;
    tables_ = std::make_unique<DecoderTables>();
    tables_->Build();
}

bool JpegDecoder::AllocatePlanes(int width, int height) {
    ReleasePlanes();
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
    const int codedWidth = (width + 15) / 16 * 16;
    const int codedHeight = (height + 15) / 16 * 16;
    const size_t lumaSize = static_cast<size_t>(codedWidth) * codedHeight;
    try {
        planes_.y.assign(lumaSize, 0);
        planes_.cb.assign(lumaSize / 4, 0);
        planes_.cr.assign(lumaSize / 4, 0);
    } catch (const std::bad_alloc&) {
        ReleasePlanes();
        return false;
    }
    planes_.codedWidth = codedWidth;
    planes_.codedHeight = codedHeight;
    width_ = width;
    height_ = height;
    return true;
}

void JpegDecoder::ReleasePlanes() {
    planes_ = FramePlanes{};
    width_ = height_ = 0;
}

void JpegDecoder::DebugMessage(std::string_view text) {
    if (debugOutput) {
        debugOutput(text);
    } else {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
    }
}

int64_t JpegDecoder::FocusScore(int x, int y, int width, int height) const {
    // Each sample is compared with its right neighbour, which must lie in
    // the same row of the plane.
    if (x < 0 || y < 0 || width < 0 || height < 0) return 0;
    if (static_cast<int64_t>(x) + width + 1 > planes_.codedWidth ||
        static_cast<int64_t>(y) + height > planes_.codedHeight) {
        return 0;
    }
    int64_t sum = 0;
    for (int r = y; r < y + height; ++r) {
        const int32_t* row = planes_.y.data() + static_cast<size_t>(r) * planes_.codedWidth;
        for (int c = x; c < x + width; ++c) sum += row[c] > row[c + 1] ? row[c] - row[c + 1] : row[c + 1] - row[c];
    }
    return sum;
}

}  // namespace vn::jpeg
