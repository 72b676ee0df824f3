// Full decode of one frame: the MCU loop over the planes, the conversion
// into the picture and the end-of-image check.
#include <algorithm>

#include "decode/colour.h"
#include "decode/decoder_tables.h"
#include "decode/idct.h"
#include "decode/jpeg_decoder.h"
#include "decode/scan_runner.h"

namespace vn {

namespace {

constexpr int kMcuSize = 16;
constexpr int kEndCheckBytes = 128;

// Decodes the MCUs of the coded area in order; rowDone(m) follows every
// completed MCU row m.
template <class Source, class RowDone>
ScanEnd DecodeMcus(Source& source, FramePlanes& planes, const QuantTable (&quant)[3], RowDone&& rowDone) {
    DequantisedBlock block;
    int32_t predictor[3] = {0, 0, 0};
    const int lumaStride = planes.codedWidth;
    const int chromaStride = planes.chromaStride();
    for (int m = 0; m < planes.codedHeight / kMcuSize; ++m) {
        for (int n = 0; n < planes.codedWidth / kMcuSize; ++n) {
            int32_t* luma = planes.y.data() + static_cast<size_t>(kMcuSize * m) * lumaStride + kMcuSize * n;
            const size_t chromaOffset = static_cast<size_t>(8 * m) * chromaStride + 8 * n;
            int32_t* const destinations[6] = {
                luma, luma + 8, luma + 8 * lumaStride, luma + 8 * lumaStride + 8,
                planes.cb.data() + chromaOffset, planes.cr.data() + chromaOffset,
            };
            for (int b = 0; b < 6; ++b) {
                const int component = b < 4 ? 0 : 1;
                const BlockResult result =
                    source.DecodeBlock(component, quant[component], predictor[b < 4 ? 0 : b - 3], block);
                if (result == BlockResult::kRetry) return ScanEnd::kRetry;
                if (result == BlockResult::kErrorInDc) return ScanEnd::kError;
                StoreBlock(block, destinations[b], component == 0 ? lumaStride : chromaStride, component == 0);
                if (result == BlockResult::kErrorInAc) return ScanEnd::kError;
            }
        }
        rowDone(m);
    }
    return ScanEnd::kComplete;
}

// 0 when an EOI can follow the scan: among the bytes after it, the first
// 0xD9 must not come before the first 0xFF.
int CheckEndOfImage(std::span<const uint8_t> data, size_t from) {
    int firstFF = -1;
    int firstD9 = -1;
    for (size_t i = from; i < data.size() && i - from < kEndCheckBytes; ++i) {
        if (data[i] == 0xFF && firstFF < 0) firstFF = static_cast<int>(i - from);
        if (data[i] == 0xD9 && firstD9 < 0) firstD9 = static_cast<int>(i - from);
    }
    if (firstD9 < 0) return -4;
    return firstD9 < firstFF ? -5 : 0;
}

}  // namespace

int JpegDecoder::DecodeJpegFrame(std::span<const uint8_t> data, Picture& picture, int* intervalMs,
                                 uint32_t* clockLow) {
    uint64_t clock = 0;
    const int offset = ParseJpegHeaders(data, kMarkerWalkLimit, &frameHeader, &scanHeader, &clock, nullptr);
    if (offset <= 0) return -1;

    const uint32_t low = static_cast<uint32_t>(clock);
    if (intervalMs) *intervalMs = static_cast<int32_t>((low - static_cast<uint32_t>(previousClock)) * 10u);
    if (clockLow) *clockLow = low;
    previousClock = clock;

    // MCU rows are converted as soon as they are complete, while their
    // samples are still in the cache; the rest follows after the scan.
    int rowsConverted = 0;
    auto convertUpTo = [&](int rowEnd) {
        ConvertPlaneRows(planes_, picture, width_, height_, rowsConverted, rowEnd, g_bForceBW);
        rowsConverted = std::max(rowsConverted, rowEnd);
    };
    const EntropyTables tables = tables_->ForScan(dcTables_);
    const std::function<void(std::string_view)> debug = [this](std::string_view text) { DebugMessage(text); };
    const ScanEnd end = RunScan(data, static_cast<size_t>(offset), tables, g_nScanBytes, g_nJpegError, debug,
                                [&](auto& source) {
                                    return DecodeMcus(source, planes_, quant_,
                                                      [&](int m) { convertUpTo(kMcuSize * (m + 1)); });
                                });
    convertUpTo(height_);

    if (end == ScanEnd::kError) return g_nScanBytes;
    if (bCheckSpuriousEOI) return CheckEndOfImage(data, static_cast<size_t>(offset) + g_nScanBytes);
    return 0;
}

}  // namespace vn
