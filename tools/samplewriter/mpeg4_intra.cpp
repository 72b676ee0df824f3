#include "samplewriter/mpeg4_intra.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "decode/quant.h"
#include "movie/dc_prediction.h"
#include "movie/dequant.h"
#include "movie/vlc_tables.h"

namespace vn::samples {

namespace {

using mpeg4::DcNeighbour;
using mpeg4::kNoDcNeighbour;
using mpeg4::QuantiserScales;
using mpeg4::TcoefCode;
using mpeg4::VlcCode;

constexpr int kLevelLimit = 2047;  // escape mode 3 carries 12 bits, -2048 excluded

void Put(BitWriter& w, const VlcCode& code) { w.Bits(code.code, code.length); }

// The forward DCT that the decoder's inverse undoes: F(u, v) =
// C(u) C(v) / 4 x the sum of f(x, y) cos((2x + 1) u pi / 16) cos((2y + 1) v pi / 16),
// into natural order (row v, column u).
std::array<double, 64> ForwardDct(const std::array<double, 64>& samples) {
    static const auto kBasis = [] {
        std::array<double, 64> basis{};
        for (int u = 0; u < 8; ++u) {
            const double scale = (u == 0 ? std::numbers::sqrt2 / 2 : 1.0) / 2;
            for (int x = 0; x < 8; ++x) basis[u * 8 + x] = scale * std::cos((2 * x + 1) * u * std::numbers::pi / 16);
        }
        return basis;
    }();
    std::array<double, 64> rows{}, out{};
    for (int y = 0; y < 8; ++y) {
        for (int u = 0; u < 8; ++u) {
            for (int x = 0; x < 8; ++x) rows[y * 8 + u] += kBasis[u * 8 + x] * samples[y * 8 + x];
        }
    }
    for (int v = 0; v < 8; ++v) {
        for (int u = 0; u < 8; ++u) {
            for (int y = 0; y < 8; ++y) out[v * 8 + u] += kBasis[v * 8 + y] * rows[y * 8 + u];
        }
    }
    return out;
}

// One block's quantised coefficients in zig-zag order; index 0 is the DC.
struct QuantisedBlock {
    std::array<int, 64> level{};
    bool HasAc() const {
        return std::any_of(level.begin() + 1, level.end(), [](int l) { return l != 0; });
    }
};

QuantisedBlock QuantiseBlock(const uint8_t* plane, int stride, int planeWidth, int planeHeight, int x0, int y0,
                             int dcScaler, const QuantiserScales& scales) {
    std::array<double, 64> samples{};
    for (int y = 0; y < 8; ++y) {
        const uint8_t* row = plane + static_cast<size_t>(std::min(y0 + y, planeHeight - 1)) * stride;
        for (int x = 0; x < 8; ++x) samples[y * 8 + x] = row[std::min(x0 + x, planeWidth - 1)];
    }
    const std::array<double, 64> f = ForwardDct(samples);
    QuantisedBlock block;
    block.level[0] = static_cast<int>(std::lround(f[0] / dcScaler));
    for (int k = 1; k < 64; ++k) {
        const int natural = jpeg::kZigzagToNatural[k];
        const long level = std::lround(f[natural] / scales.intra[natural]);
        block.level[k] = static_cast<int>(std::clamp<long>(level, -kLevelLimit, kLevelLimit));
    }
    return block;
}

const TcoefCode* FindIntraTcoef(int last, int run, int level) {
    for (const TcoefCode& c : mpeg4::kIntraTcoefCodes) {
        if (c.last == last && c.run == run && c.level == level) return &c;
    }
    return nullptr;
}

// One TCOEF event: its code when the table holds it, else the escape with
// the first mode that reaches it (level less LMAX, run less RMAX + 1, or
// both written out).
void PutEvent(BitWriter& w, int last, int run, int level) {
    const int magnitude = std::abs(level);
    const uint32_t sign = level < 0 ? 1 : 0;
    if (const TcoefCode* c = FindIntraTcoef(last, run, magnitude)) {
        w.Bits(c->code, c->length);
        w.Bit(sign);
        return;
    }
    Put(w, mpeg4::kTcoefEscape);
    const int lmax = mpeg4::TcoefLmax(true, last, run);
    if (const TcoefCode* c = lmax > 0 ? FindIntraTcoef(last, run, magnitude - lmax) : nullptr) {
        w.Bit(0);
        w.Bits(c->code, c->length);
        w.Bit(sign);
        return;
    }
    const int rmax = mpeg4::TcoefRmax(true, last, magnitude);
    if (const TcoefCode* c = rmax >= 0 ? FindIntraTcoef(last, run - rmax - 1, magnitude) : nullptr) {
        w.Code("10");
        w.Bits(c->code, c->length);
        w.Bit(sign);
        return;
    }
    w.Code("11");
    w.Bit(last);
    w.Bits(static_cast<uint32_t>(run), 6);
    w.Bit(1);
    w.Bits(static_cast<uint32_t>(level) & 0xFFF, 12);
    w.Bit(1);
}

// The DC difference: its size code, then size bits (ones' complement when
// negative), and a marker after sizes above 8.
void PutDcDifference(BitWriter& w, bool luma, int difference) {
    const int size = std::bit_width(static_cast<unsigned>(std::abs(difference)));
    Put(w, (luma ? mpeg4::kDcSizeLumaCodes : mpeg4::kDcSizeChromaCodes)[size]);
    if (size == 0) return;
    const int bits = difference > 0 ? difference : difference + (1 << size) - 1;
    w.Bits(static_cast<uint32_t>(bits), size);
    if (size > 8) w.Bit(1);
}

void PutAcEvents(BitWriter& w, const QuantisedBlock& block) {
    int lastCoded = 63;
    while (block.level[lastCoded] == 0) --lastCoded;
    int run = 0;
    for (int k = 1; k <= lastCoded; ++k) {
        if (block.level[k] == 0) {
            ++run;
            continue;
        }
        PutEvent(w, k == lastCoded ? 1 : 0, run, block.level[k]);
        run = 0;
    }
}

// Blocks of one plane on a grid of 8 x 8 blocks, with the DC prediction
// that the decoder makes from their neighbours.
class BlockPlane {
public:
    BlockPlane(const std::vector<uint8_t>& samples, int width, int height, int columns, int rows, bool luma,
               const QuantiserScales& scales)
        : columns_(columns), luma_(luma), scaler_(luma ? scales.lumaDcScaler : scales.chromaDcScaler) {
        blocks_.reserve(static_cast<size_t>(columns) * rows);
        for (int by = 0; by < rows; ++by) {
            for (int bx = 0; bx < columns; ++bx) {
                blocks_.push_back(QuantiseBlock(samples.data(), width, width, height, 8 * bx, 8 * by, scaler_, scales));
            }
        }
    }
    const QuantisedBlock& At(int bx, int by) const { return blocks_[static_cast<size_t>(by) * columns_ + bx]; }

    // Writes the DC difference of the block at (bx, by).
    void PutDc(BitWriter& w, int bx, int by) const {
        const int perMacroblock = luma_ ? 2 : 1;
        auto neighbour = [&](int x, int y) {
            if (x < 0 || y < 0) return DcNeighbour{kNoDcNeighbour};
            const int q = At(x, y).level[0];
            const bool inMacroblock =
                x / perMacroblock == bx / perMacroblock && y / perMacroblock == by / perMacroblock;
            return DcNeighbour{q * scaler_, q, inMacroblock};
        };
        const int prediction = mpeg4::PredictDc(neighbour(bx - 1, by), neighbour(bx - 1, by - 1).reconstructed,
                                                neighbour(bx, by - 1), scaler_);
        PutDcDifference(w, luma_, At(bx, by).level[0] - prediction);
    }

private:
    int columns_;
    bool luma_;
    int scaler_;
    std::vector<QuantisedBlock> blocks_;
};

}  // namespace

YuvPicture YuvFromRgb(std::span<const uint8_t> rgb, int width, int height) {
    YuvPicture p;
    if (width <= 0 || height <= 0 || rgb.size() < static_cast<size_t>(width) * height * 3) return p;
    p.width = width;
    p.height = height;
    p.y.resize(static_cast<size_t>(width) * height);
    std::vector<double> cb(p.y.size()), cr(p.y.size());
    for (size_t i = 0; i < p.y.size(); ++i) {
        const double r = rgb[3 * i], g = rgb[3 * i + 1], b = rgb[3 * i + 2];
        p.y[i] = static_cast<uint8_t>(std::lround(16 + (65.481 * r + 128.553 * g + 24.966 * b) / 255));
        cb[i] = 128 + (-37.797 * r - 74.203 * g + 112.0 * b) / 255;
        cr[i] = 128 + (112.0 * r - 93.786 * g - 18.214 * b) / 255;
    }
    const int cw = p.chromaWidth(), ch = p.chromaHeight();
    p.cb.resize(static_cast<size_t>(cw) * ch);
    p.cr.resize(p.cb.size());
    for (int y = 0; y < ch; ++y) {
        for (int x = 0; x < cw; ++x) {
            double sumB = 0, sumR = 0;
            int n = 0;
            for (int dy = 0; dy < 2 && 2 * y + dy < height; ++dy) {
                for (int dx = 0; dx < 2 && 2 * x + dx < width; ++dx) {
                    const size_t at = static_cast<size_t>(2 * y + dy) * width + 2 * x + dx;
                    sumB += cb[at];
                    sumR += cr[at];
                    ++n;
                }
            }
            p.cb[static_cast<size_t>(y) * cw + x] = static_cast<uint8_t>(std::lround(sumB / n));
            p.cr[static_cast<size_t>(y) * cw + x] = static_cast<uint8_t>(std::lround(sumR / n));
        }
    }
    return p;
}

YuvPicture FlatPicture(int width, int height, uint8_t y, uint8_t cb, uint8_t cr) {
    YuvPicture p;
    p.width = std::max(width, 0);
    p.height = std::max(height, 0);
    p.y.assign(static_cast<size_t>(p.width) * p.height, y);
    p.cb.assign(static_cast<size_t>(p.chromaWidth()) * p.chromaHeight(), cb);
    p.cr.assign(p.cb.size(), cr);
    return p;
}

void WriteIntraMacroblocks(BitWriter& w, const YuvPicture& picture, int quantiser) {
    if (picture.width <= 0 || picture.height <= 0) return;
    // vop_quant is 1 to 31; 0 would quantise by nothing.
    const QuantiserScales& scales = mpeg4::ScalesForQuantiser(std::clamp(quantiser, 1, mpeg4::kMaxQuantiser));
    const int columns = (picture.width + 15) / 16, rows = (picture.height + 15) / 16;
    const BlockPlane luma(picture.y, picture.width, picture.height, 2 * columns, 2 * rows, true, scales);
    const BlockPlane cb(picture.cb, picture.chromaWidth(), picture.chromaHeight(), columns, rows, false, scales);
    const BlockPlane cr(picture.cr, picture.chromaWidth(), picture.chromaHeight(), columns, rows, false, scales);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            // Y0 Y1 Y2 Y3 Cb Cr, each with its plane and block position.
            const struct {
                const BlockPlane* plane;
                int bx, by;
            } blocks[6] = {{&luma, 2 * column, 2 * row},
                           {&luma, 2 * column + 1, 2 * row},
                           {&luma, 2 * column, 2 * row + 1},
                           {&luma, 2 * column + 1, 2 * row + 1},
                           {&cb, column, row},
                           {&cr, column, row}};
            int codedBlocks = 0;  // Y0 highest
            for (const auto& b : blocks) codedBlocks = codedBlocks << 1 | (b.plane->At(b.bx, b.by).HasAc() ? 1 : 0);
            Put(w, mpeg4::kMcbpcIntraCodes[4 * (codedBlocks & 3) + 1]);  // type 3, intra
            w.Bit(0);                                                    // ac_pred_flag
            Put(w, mpeg4::kCbpyCodes[codedBlocks >> 2]);
            for (int i = 0; i < 6; ++i) {
                blocks[i].plane->PutDc(w, blocks[i].bx, blocks[i].by);
                if ((codedBlocks >> (5 - i)) & 1) PutAcEvents(w, blocks[i].plane->At(blocks[i].bx, blocks[i].by));
            }
        }
    }
}

void WriteNotCodedMacroblocks(BitWriter& w, int width, int height) {
    const int count = ((width + 15) / 16) * ((height + 15) / 16);
    for (int i = 0; i < count; ++i) w.Bit(1);  // not_coded
}

}  // namespace vn::samples
