// The entropy decoder exactly as the cameras' player reads a scan, byte by
// byte and bit by bit, with its handling of markers met inside the data.
// Slow; it only runs for frames the fast decoder hands back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "decode/entropy.h"

namespace vn::jpeg {

class ExactEntropy {
public:
    // Reads data from `start`; counts into scanBytes and reports markers and
    // undecodable codes in jpegError, as g_nScanBytes and g_nJpegError.
    ExactEntropy(std::span<const uint8_t> data, size_t start, const EntropyTables& tables, int& scanBytes,
                 int& jpegError, const std::function<void(std::string_view)>& debugMessage);

    // component: 0 luminance, 1 chrominance.
    BlockResult DecodeBlock(int component, int32_t& predictor, CoefficientBlock& out);
    // Updates the predictor and reads past the AC coefficients. Any error
    // is reported as kErrorInAc: the block's DC value is still used.
    BlockResult SkipBlock(int component, int32_t& predictor);

private:
    uint8_t ByteAt(size_t i) const;
    bool FetchByte();  // true when the byte was the start of a marker
    uint32_t Get1Bit();
    bool GetBits(int count, uint32_t& value);  // false (value 0) on a marker
    uint32_t Peek16() const;
    void DecodeDc(int component, int32_t& predictor);
    // Coefficients by zig-zag index into coef[1..63]; false when stopped early.
    bool DecodeAc(int component, int32_t* coef, int& last);

    std::span<const uint8_t> data_;
    size_t pos_;
    uint32_t byte_ = 0;  // current byte; its low bitsLeft_ bits are unread
    int bitsLeft_ = 0;
    const EntropyTables& tables_;
    int& scanBytes_;
    int& jpegError_;
    const std::function<void(std::string_view)>& debugMessage_;
};

}  // namespace vn::jpeg
