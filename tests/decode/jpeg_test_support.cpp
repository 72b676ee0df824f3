#include "jpeg_test_support.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <turbojpeg.h>

#include "samplewriter/jpeg_encoder.h"

namespace vn::test {

const uint8_t kLuminanceDcBits[16] = {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
const uint8_t kChrominanceDcBits[16] = {0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0};
const uint8_t kDcValues[12] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

std::vector<uint8_t> NaturalImage(int width, int height, uint32_t seed) {
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, 3.0);
    std::vector<uint8_t> bgr(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double texture = 20 * std::sin(x * 0.21 + seed) * std::cos(y * 0.17);
            double level[3] = {60.0 + 120.0 * y / height, 90.0 + 100.0 * x / width, 140.0 - 60.0 * y / height};
            if ((x - width / 3) * (x - width / 3) + (y - height / 2) * (y - height / 2) < width * width / 25) {
                level[0] = 40, level[1] = 60, level[2] = 210;  // a red disc with a hard edge
            }
            for (int c = 0; c < 3; ++c) {
                const double v = level[c] + texture + noise(random);
                bgr[(static_cast<size_t>(y) * width + x) * 3 + c] = static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
            }
        }
    }
    return bgr;
}

namespace {

void PutSegment(std::vector<uint8_t>& out, int marker, std::initializer_list<uint8_t> payload) {
    out.insert(out.end(), {0xFF, static_cast<uint8_t>(marker), static_cast<uint8_t>((payload.size() + 2) >> 8),
                           static_cast<uint8_t>(payload.size() + 2)});
    out.insert(out.end(), payload);
}

void PutDcTable(std::vector<uint8_t>& out, int id, std::span<const uint8_t> countsAndValues) {
    out.insert(out.end(), {0xFF, 0xC4, 0, static_cast<uint8_t>(countsAndValues.size() + 3), static_cast<uint8_t>(id)});
    out.insert(out.end(), countsAndValues.begin(), countsAndValues.end());
}

std::vector<uint8_t> StandardDcTable(const uint8_t* bits) {
    std::vector<uint8_t> table(16 + 12);
    std::copy(bits, bits + 16, table.begin());
    std::copy(kDcValues, kDcValues + 12, table.begin() + 16);
    return table;
}

void PutQuantTable(std::vector<uint8_t>& out, int id, int dcQuantiser) {
    out.insert(out.end(), {0xFF, 0xDB, 0, 67, static_cast<uint8_t>(id), static_cast<uint8_t>(dcQuantiser)});
    out.insert(out.end(), 63, 1);
}

// Size category and value bits of a DC difference (T.81 F.1.2.1).
void DcBits(int difference, int& size, uint32_t& bits) {
    const int magnitude = std::abs(difference);
    size = 0;
    while ((1 << size) <= magnitude) ++size;
    bits = difference >= 0 ? difference : difference + (1 << size) - 1;
}

}  // namespace

std::vector<uint8_t> EncodeFrame(const std::vector<uint8_t>& bgr, int width, int height, int quality, int turboFlags) {
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    const int failed =
        tjCompress2(handle, bgr.data(), width, 0, height, TJPF_BGR, &jpeg, &size, TJSAMP_420, quality, turboFlags);
    tjDestroy(handle);
    if (failed) throw std::runtime_error("libjpeg-turbo could not encode");
    // libjpeg-turbo writes all its tables into one DHT and one DQT segment;
    // the cameras write one table per segment, which is all the decoder reads.
    std::vector<uint8_t> split = samples::SplitTableSegments({jpeg, size});
    tjFree(jpeg);
    if (split.empty()) throw std::runtime_error("encoded frame without usable segments");
    return split;
}

std::vector<uint8_t> DecodeWithTurbo(std::span<const uint8_t> jpeg, int width, int height) {
    std::vector<uint8_t> bgr(static_cast<size_t>(width) * height * 3);
    tjhandle handle = tjInitDecompress();
    tjDecompress2(handle, jpeg.data(), jpeg.size(), bgr.data(), width, 0, height, TJPF_BGR, 0);
    tjDestroy(handle);
    return bgr;
}

size_t ScanOffset(std::span<const uint8_t> jpeg) {
    for (size_t pos = 2; pos + 4 <= jpeg.size();) {
        const size_t length = jpeg[pos + 2] << 8 | jpeg[pos + 3];
        if (jpeg[pos + 1] == 0xDA) return pos + 2 + length;
        pos += 2 + length;
    }
    return 0;
}

void BitWriter::Put(uint32_t bits, int count) {
    for (int i = count - 1; i >= 0; --i) {
        pending_ = pending_ << 1 | (bits >> i & 1);
        ++bitCount_;
        if (++pendingBits_ == 8) {
            bytes_.push_back(static_cast<uint8_t>(pending_));
            if (pending_ == 0xFF) bytes_.push_back(0x00);
            pending_ = 0;
            pendingBits_ = 0;
        }
    }
}

void BitWriter::Put(const char* binaryDigits) {
    for (const char* d = binaryDigits; *d; ++d) Put(*d == '1' ? 1 : 0, 1);
}

std::vector<uint8_t> BitWriter::Finish() {
    while (pendingBits_ != 0) {
        Put(1, 1);
        --bitCount_;
    }
    return bytes_;
}

std::vector<uint8_t> MakeFrame(const FrameLayout& layout, std::span<const uint8_t> entropy, bool endMarker) {
    std::vector<uint8_t> out = {0xFF, 0xD8};
    PutQuantTable(out, 0, layout.lumaDcQuantiser);
    PutQuantTable(out, 1, layout.chromaDcQuantiser);
    PutDcTable(out, 0x00, layout.lumaDcTable.empty() ? StandardDcTable(kLuminanceDcBits) : layout.lumaDcTable);
    PutDcTable(out, 0x01, StandardDcTable(kChrominanceDcBits));
    const uint8_t h = static_cast<uint8_t>(layout.height), w = static_cast<uint8_t>(layout.width);
    PutSegment(out, 0xC0,
               {8, static_cast<uint8_t>(layout.height >> 8), h, static_cast<uint8_t>(layout.width >> 8), w, 3, 1, 0x22,
                0, 2, 0x11, 1, 3, 0x11, 1});
    if (layout.restartInterval) PutSegment(out, 0xDD, {0, 1});
    PutSegment(out, 0xDA, {3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0});
    out.insert(out.end(), entropy.begin(), entropy.end());
    if (endMarker) out.insert(out.end(), {0xFF, 0xD9});
    return out;
}

void PutDc(BitWriter& out, int component, int difference) {
    static const char* const codes[2][12] = {
        {"00", "010", "011", "100", "101", "110", "1110", "11110", "111110", "1111110", "11111110", "111111110"},
        {"00", "01", "10", "110", "1110", "11110", "111110", "1111110", "11111110", "111111110", "1111111110",
         "11111111110"},
    };
    int size;
    uint32_t bits;
    DcBits(difference, size, bits);
    out.Put(codes[component][size]);
    out.Put(bits, size);
}

void PutDcOnlyMcu(BitWriter& out, std::initializer_list<int> lumaDifferences, int cbDifference, int crDifference) {
    for (int difference : lumaDifferences) {
        PutDc(out, 0, difference);
        out.Put(kLumaEob);
    }
    for (int difference : {cbDifference, crDifference}) {
        PutDc(out, 1, difference);
        out.Put(kChromaEob);
    }
}

}  // namespace vn::test
