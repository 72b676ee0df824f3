// Runs one scan with the fast entropy decoder and, when that gives up,
// again from the start with the exact one. Both write the same values, so
// whatever the fast run stored before giving up is simply rewritten.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "decode/exact_entropy.h"
#include "decode/fast_entropy.h"

namespace vn::jpeg {

enum class ScanEnd { kComplete, kError, kRetry };

// scan(source) decodes the whole scan from `source` and returns how it
// ended; it is called with a FastEntropy and maybe an ExactEntropy.
template <class Scan>
ScanEnd RunScan(std::span<const uint8_t> data, size_t start, const EntropyTables& tables, DestuffedScan& copy,
                int& scanBytes, int& jpegError, const std::function<void(std::string_view)>& debugMessage,
                Scan&& scan) {
    scanBytes = 0;
    jpegError = 0;
    copy.Fill(data, start);
    FastEntropy fast(copy, tables);
    const ScanEnd end = scan(fast);
    if (end != ScanEnd::kRetry) {
        scanBytes = fast.ScanBytes();
        return end;
    }
    ExactEntropy exact(data, start, tables, scanBytes, jpegError, debugMessage);
    return scan(exact);
}

}  // namespace vn::jpeg
