#include "entropy_agreement.h"

#include <algorithm>
#include <functional>
#include <string_view>

#include "decode/destuffed_scan.h"
#include "decode/exact_entropy.h"
#include "decode/fast_entropy.h"

namespace vn::fuzz {

namespace {

void Require(bool agreed) {
    if (!agreed) __builtin_trap();
}

void Compare(std::span<const uint8_t> data, size_t start, const jpeg::EntropyTables& tables, int mcus, bool skip) {
    using jpeg::BlockResult;
    int scanBytes = 0;
    int jpegError = 0;
    const std::function<void(std::string_view)> quiet = [](std::string_view) {};
    jpeg::ExactEntropy exact(data, start, tables, scanBytes, jpegError, quiet);
    static jpeg::DestuffedScan copy;  // kept for its capacity
    copy.Fill(data, start);
    jpeg::FastEntropy fast(copy, tables);
    int32_t exactPredictor[3] = {};
    int32_t fastPredictor[3] = {};
    bool fastRunning = true;
    for (int block = 0; block < 6 * mcus; ++block) {
        const int b = block % 6;
        const int component = b < 4 ? 0 : 1;
        const int slot = b < 4 ? 0 : b - 3;
        jpeg::CoefficientBlock exactBlock{};
        jpeg::CoefficientBlock fastBlock{};
        BlockResult fastResult = BlockResult::kRetry;
        const BlockResult exactResult = skip ? exact.SkipBlock(component, exactPredictor[slot])
                                             : exact.DecodeBlock(component, exactPredictor[slot], exactBlock);
        if (fastRunning) {
            fastResult = skip ? fast.SkipBlock(component, fastPredictor[slot])
                              : fast.DecodeBlock(component, fastPredictor[slot], fastBlock);
            fastRunning = fastResult != BlockResult::kRetry;
        }
        if (fastRunning) {
            Require(fastResult == BlockResult::kDone && exactResult == BlockResult::kDone && jpegError == 0);
            Require(exactPredictor[slot] == fastPredictor[slot]);
            Require(std::equal(exactBlock.coef, exactBlock.coef + 64, fastBlock.coef));
        }
        if (exactResult != BlockResult::kDone) return;
    }
    if (fastRunning) Require(fast.ScanBytes() == scanBytes);
}

}  // namespace

void CheckEntropyAgreement(std::span<const uint8_t> data, size_t start, const jpeg::EntropyTables& tables, int mcus) {
    Compare(data, start, tables, mcus, false);
    Compare(data, start, tables, mcus, true);
}

}  // namespace vn::fuzz
