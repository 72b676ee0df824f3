// Full decode of one frame: the MCU loop over the planes, the conversion
// into the picture and the end-of-image check.
#include <algorithm>
#include <cassert>
#include <functional>

#include "decode/colour.h"
#include "decode/decoder_tables.h"
#include "decode/idct.h"
#include "decode/jpeg_decoder.h"
#include "decode/scan_runner.h"

namespace vn::jpeg {

namespace {

constexpr int kMcuSize = 16;
// The planes are too large to stay in the nearer caches from one frame to
// the next; their lines are fetched this many MCUs before they are written.
constexpr int kPrefetchMcus = 4;

// An MCU covers one cache line in each of its 16 luma rows and half a line
// in each of its 8 rows of Cb and of Cr.
void PrefetchMcu(FramePlanes& planes, int m, int n) {
    const int chromaStride = planes.chromaStride();
    int32_t* luma = planes.y.data() + static_cast<size_t>(kMcuSize * m) * planes.codedWidth + kMcuSize * n;
    for (int r = 0; r < kMcuSize; ++r) __builtin_prefetch(luma + static_cast<size_t>(r) * planes.codedWidth, 1);
    const size_t chromaOffset = static_cast<size_t>(8 * m) * chromaStride + 8 * n;
    for (int r = 0; r < 8; ++r) {
        __builtin_prefetch(planes.cb.data() + chromaOffset + static_cast<size_t>(r) * chromaStride, 1);
        __builtin_prefetch(planes.cr.data() + chromaOffset + static_cast<size_t>(r) * chromaStride, 1);
    }
}

constexpr int kEndCheckBytes = 128;

// Decodes the MCUs of the coded area in order; rowDone(m) follows every
// completed MCU row m. An MCU's blocks are all decoded before any is
// transformed, which keeps the transform's loads away from the decoder's
// scattered stores into the same blocks.
template <class Source>
[[gnu::always_inline]] inline ScanEnd DecodeMcus(Source& source, FramePlanes& planes,
                                                 const BlockMultipliers (&multipliers)[2],
                                                 const std::function<void(int)>& rowDone) {
    CoefficientBlock blocks[6];
    int32_t predictor[3] = {0, 0, 0};
    const int lumaStride = planes.codedWidth;
    const int chromaStride = planes.chromaStride();
    const int mcuRows = planes.codedHeight / kMcuSize;
    const int mcuColumns = planes.codedWidth / kMcuSize;
    // Every block stored lies inside its plane.
    assert(planes.codedWidth % kMcuSize == 0 && planes.codedHeight % kMcuSize == 0);
    assert(planes.y.size() >= static_cast<size_t>(lumaStride) * planes.codedHeight);
    assert(planes.cb.size() >= static_cast<size_t>(chromaStride) * planes.codedHeight / 2);
    assert(planes.cr.size() == planes.cb.size());
    for (int m = 0; m < mcuRows; ++m) {
        for (int n = 0; n < mcuColumns; ++n) {
            const int ahead = m * mcuColumns + n + kPrefetchMcus;
            if (ahead < mcuRows * mcuColumns) PrefetchMcu(planes, ahead / mcuColumns, ahead % mcuColumns);
            int decoded = 0;
            BlockResult result = BlockResult::kDone;
            for (; decoded < 6; ++decoded) {
                const int component = decoded < 4 ? 0 : 1;
                int32_t& blockPredictor = predictor[decoded < 4 ? 0 : decoded - 3];
                result = source.DecodeBlock(component, blockPredictor, blocks[decoded]);
                if (result != BlockResult::kDone) break;
            }
            if (result == BlockResult::kRetry) return ScanEnd::kRetry;
            // A block whose AC coefficients stopped early is stored as it is.
            const int stored = result == BlockResult::kErrorInAc ? decoded + 1 : decoded;

            int32_t* luma = planes.y.data() + static_cast<size_t>(kMcuSize * m) * lumaStride + kMcuSize * n;
            const size_t chromaOffset = static_cast<size_t>(8 * m) * chromaStride + 8 * n;
            int32_t* const destinations[6] = {
                luma,
                luma + 8,
                luma + 8 * lumaStride,
                luma + 8 * lumaStride + 8,
                planes.cb.data() + chromaOffset,
                planes.cr.data() + chromaOffset,
            };
            for (int b = 0; b < stored; ++b) {
                const int component = b < 4 ? 0 : 1;
                StoreBlock(blocks[b], multipliers[component], destinations[b],
                           component == 0 ? lumaStride : chromaStride, component == 0);
            }
            if (result != BlockResult::kDone) return ScanEnd::kError;
        }
        rowDone(m);
    }
    return ScanEnd::kComplete;
}

// The fast scan runs for nearly every frame; it gets its own processor
// variants, with the inverse DCT compiled into them.
VN_SIMD_CLONES
ScanEnd DecodeScan(FastEntropy& source, FramePlanes& planes, const BlockMultipliers (&multipliers)[2],
                   const std::function<void(int)>& rowDone) {
    FastEntropy local = source;
    const ScanEnd end = DecodeMcus(local, planes, multipliers, rowDone);
    source = local;
    return end;
}

ScanEnd DecodeScan(ExactEntropy& source, FramePlanes& planes, const BlockMultipliers (&multipliers)[2],
                   const std::function<void(int)>& rowDone) {
    return DecodeMcus(source, planes, multipliers, rowDone);
}

// Complete when an EOI can follow the scan: among the bytes after it, the
// first 0xD9 must not come before the first 0xFF.
DecodeStatus CheckEndOfImage(std::span<const uint8_t> data, size_t from) {
    int firstFF = -1;
    int firstD9 = -1;
    for (size_t i = from; i < data.size() && i - from < kEndCheckBytes; ++i) {
        if (data[i] == 0xFF && firstFF < 0) firstFF = static_cast<int>(i - from);
        if (data[i] == 0xD9 && firstD9 < 0) firstD9 = static_cast<int>(i - from);
    }
    if (firstD9 < 0) return DecodeStatus::kNoEndOfImage;
    return firstD9 < firstFF ? DecodeStatus::kEndOfImageTooEarly : DecodeStatus::kComplete;
}

}  // namespace

DecodeResult JpegDecoder::DecodeJpegFrame(std::span<const uint8_t> data, Picture& picture, int* intervalMs,
                                          uint32_t* clockLow) {
    scanComplete = false;
    uint64_t clock = 0;
    const int offset = ParseJpegHeaders(data, kMarkerWalkLimit, &frameHeader, &scanHeader, &clock, nullptr);
    if (offset <= 0) return {DecodeStatus::kNoScan};

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
    // Slot 0 serves Y blocks, slot 1 Cb and Cr; the frame header's
    // selectors are not consulted.
    BlockMultipliers multipliers[2];
    for (int c = 0; c < 2; ++c) ArrangeMultipliers(quant_[c], tables.zigzagToTransposed, multipliers[c]);
    const std::function<void(std::string_view)> debug = [this](std::string_view text) { DebugMessage(text); };
    const std::function<void(int)> rowDone = [&](int m) { convertUpTo(kMcuSize * (m + 1)); };
    const ScanEnd end = RunScan(data, static_cast<size_t>(offset), tables, *scanCopy_, g_nScanBytes, g_nJpegError,
                                debug, [&](auto& source) { return DecodeScan(source, planes_, multipliers, rowDone); });
    convertUpTo(height_);
    scanComplete = end == ScanEnd::kComplete;

    if (end == ScanEnd::kError) return {DecodeStatus::kScanStopped, g_nScanBytes};
    if (bCheckSpuriousEOI) return {CheckEndOfImage(data, static_cast<size_t>(offset) + g_nScanBytes)};
    return {DecodeStatus::kComplete};
}

}  // namespace vn::jpeg
