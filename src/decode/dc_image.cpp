// DC-only decode: one mean value per 8 x 8 block, for the motion scan.
#include "decode/decoder_tables.h"
#include "decode/jpeg_decoder.h"
#include "decode/scan_runner.h"
#include "decode/simd.h"

namespace vn::jpeg {

namespace {

struct DcImage {
    int32_t* luma;
    int32_t* cb;  // may be null
    int32_t* cr;  // may be null
    int blocksWide;
    int blocksHigh;
    int32_t lumaQuantiser;
    int32_t chromaQuantiser;
};

inline int32_t Clamp255(int32_t v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

// The block's mean value: DC x quantiser / 8, truncating.
inline int32_t BlockMean(int32_t quantiser, int32_t predictor) { return WrapMul(quantiser, predictor) / 8; }

template <class Source>
[[gnu::always_inline]] inline ScanEnd DecodeDcGrid(Source& source, const DcImage& image) {
    int32_t predictor[3] = {0, 0, 0};
    const int mcuColumns = (image.blocksWide + 1) / 2;
    const int mcuRows = (image.blocksHigh + 1) / 2;
    for (int m = 0; m < mcuRows; ++m) {
        for (int n = 0; n < mcuColumns; ++n) {
            for (int b = 0; b < 4; ++b) {
                const BlockResult result = source.SkipBlock(0, predictor[0]);
                if (result == BlockResult::kRetry) return ScanEnd::kRetry;
                // Blocks of the last MCU row or column that lie outside an
                // odd grid are decoded but not stored.
                const int row = 2 * m + b / 2;
                const int column = 2 * n + b % 2;
                if (row < image.blocksHigh && column < image.blocksWide) {
                    image.luma[static_cast<size_t>(row) * image.blocksWide + column] =
                        Clamp255(BlockMean(image.lumaQuantiser, predictor[0]) + 128);
                }
                if (result != BlockResult::kDone) return ScanEnd::kError;
            }
            const size_t mcu = static_cast<size_t>(m) * mcuColumns + n;
            int32_t* const chroma[2] = {image.cb, image.cr};
            for (int c = 0; c < 2; ++c) {
                const BlockResult result = source.SkipBlock(1, predictor[1 + c]);
                if (result == BlockResult::kRetry) return ScanEnd::kRetry;
                if (chroma[c]) chroma[c][mcu] = BlockMean(image.chromaQuantiser, predictor[1 + c]);
                if (result != BlockResult::kDone) return ScanEnd::kError;
            }
        }
    }
    return ScanEnd::kComplete;
}

VN_SIMD_CLONES
ScanEnd DecodeScan(FastEntropy& source, const DcImage& image) {
    FastEntropy local = source;  // kept in registers
    const ScanEnd end = DecodeDcGrid(local, image);
    source = local;
    return end;
}

ScanEnd DecodeScan(ExactEntropy& source, const DcImage& image) { return DecodeDcGrid(source, image); }

}  // namespace

DcImageStatus JpegDecoder::DecodeJpegDcImage(std::span<const uint8_t> data, int32_t* luma, int32_t* cb, int32_t* cr,
                                             int blocksWide, int blocksHigh) {
    scanComplete = false;
    if (luma == nullptr) return DcImageStatus::kNoScan;
    const int offset = ParseJpegHeaders(data, kMarkerWalkLimit, nullptr, nullptr, nullptr, nullptr);
    if (offset <= 0) return DcImageStatus::kNoScan;

    const DcImage image{luma, cb, cr, blocksWide, blocksHigh, quant_[0].dcQuantiser, quant_[1].dcQuantiser};
    const EntropyTables tables = tables_->ForScan(dcTables_);
    const std::function<void(std::string_view)> debug = [this](std::string_view text) { DebugMessage(text); };
    const ScanEnd end = RunScan(data, static_cast<size_t>(offset), tables, *scanCopy_, g_nScanBytes, g_nJpegError,
                                debug, [&](auto& source) { return DecodeScan(source, image); });
    scanComplete = end == ScanEnd::kComplete;
    return DcImageStatus::kDecoded;
}

}  // namespace vn::jpeg
