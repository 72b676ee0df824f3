#include "movie/dequant.h"

#include <array>

#include "decode/quant.h"

namespace vn::mpeg4 {

namespace {

// ISO/IEC 14496-2 6.3.3 default matrices, natural order.
constexpr uint8_t kDefaultIntraMatrix[64] = {
    8,  17, 18, 19, 21, 23, 25, 27,  //
    17, 18, 19, 21, 23, 25, 27, 28,  //
    20, 21, 22, 23, 24, 26, 28, 30,  //
    21, 22, 23, 24, 26, 28, 30, 32,  //
    22, 23, 24, 26, 28, 30, 32, 35,  //
    23, 24, 26, 28, 30, 32, 35, 38,  //
    25, 26, 28, 30, 32, 35, 38, 41,  //
    27, 28, 30, 32, 35, 38, 41, 45,
};
constexpr uint8_t kDefaultInterMatrix[64] = {
    16, 17, 18, 19, 20, 21, 22, 23,  //
    17, 18, 19, 20, 21, 22, 23, 24,  //
    18, 19, 20, 21, 22, 23, 24, 25,  //
    19, 20, 21, 22, 23, 24, 26, 27,  //
    20, 21, 22, 23, 25, 26, 27, 28,  //
    21, 22, 23, 24, 26, 27, 28, 30,  //
    22, 23, 24, 26, 27, 28, 30, 31,  //
    23, 24, 25, 27, 28, 30, 31, 33,
};

// Table 7-1 of the standard.
QuantiserScales MakeScales(int qp) {
    QuantiserScales s;
    if (qp <= 4) {
        s.lumaDcScaler = 8;
        s.chromaDcScaler = 8;
    } else if (qp <= 8) {
        s.lumaDcScaler = 2 * qp;
        s.chromaDcScaler = (qp + 13) / 2;
    } else if (qp <= 24) {
        s.lumaDcScaler = qp + 8;
        s.chromaDcScaler = (qp + 13) / 2;
    } else {
        s.lumaDcScaler = 2 * qp - 16;
        s.chromaDcScaler = qp - 6;
    }
    for (int i = 0; i < 64; ++i) {
        s.intra[i] = (kDefaultIntraMatrix[i] * qp * 100) / 800;
        s.inter[i] = (kDefaultInterMatrix[i] * qp * 100) / 800;
    }
    s.intra[0] = s.lumaDcScaler;
    for (int k = 0; k < 64; ++k) {
        s.intraInScanOrder[k] = s.intra[jpeg::kZigzagToNatural[k]];
        s.interInScanOrder[k] = s.inter[jpeg::kZigzagToNatural[k]];
    }
    return s;
}

const auto kScales = [] {
    std::array<QuantiserScales, kMaxQuantiser + 1> all{};
    for (int qp = 0; qp <= kMaxQuantiser; ++qp) all[qp] = MakeScales(qp);
    return all;
}();

}  // namespace

const QuantiserScales& ScalesForQuantiser(int quantiser) { return kScales[std::clamp(quantiser, 0, kMaxQuantiser)]; }

}  // namespace vn::mpeg4
