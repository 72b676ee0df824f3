// Frames for the decoder's tests: natural-looking pictures encoded with
// libjpeg-turbo, and small hand-made frames whose entropy data the tests
// write bit by bit.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

namespace vn::test {

// Blue-green-red pixels: gradients, texture, noise and hard edges.
std::vector<uint8_t> NaturalImage(int width, int height, uint32_t seed);

// Baseline 4:2:0 frame with the standard tables, one table per DHT and DQT
// segment as the cameras write them.
std::vector<uint8_t> EncodeFrame(const std::vector<uint8_t>& bgr, int width, int height, int quality,
                                 int turboFlags = 0);

// libjpeg-turbo's own decode into blue-green-red rows of 3 x width bytes.
std::vector<uint8_t> DecodeWithTurbo(std::span<const uint8_t> jpeg, int width, int height);

// Offset of the first entropy-coded byte (after SOS), or 0.
size_t ScanOffset(std::span<const uint8_t> jpeg);

// Writes entropy-coded bits with 0xFF stuffing; Finish pads with 1 bits.
class BitWriter {
public:
    void Put(uint32_t bits, int count);
    void Put(const char* binaryDigits);  // e.g. "1010"
    std::vector<uint8_t> Finish();
    size_t bitCount() const { return bitCount_; }

private:
    std::vector<uint8_t> bytes_;
    uint32_t pending_ = 0;
    int pendingBits_ = 0;
    size_t bitCount_ = 0;
};

// Standard Annex K DC tables (K.3 luminance, K.4 chrominance).
extern const uint8_t kLuminanceDcBits[16];
extern const uint8_t kChrominanceDcBits[16];
extern const uint8_t kDcValues[12];

// A hand-made frame: SOI, DQT 0 and 1 with the given DC quantisers (AC
// values 1), the standard DC tables, SOF0, SOS, the entropy data, EOI.
struct FrameLayout {
    int width = 16;
    int height = 16;
    int lumaDcQuantiser = 16;
    int chromaDcQuantiser = 16;
    bool restartInterval = false;  // adds a DRI segment
    // Replaces the luminance DC table: 16 counts, then the values.
    std::vector<uint8_t> lumaDcTable = {};
};
std::vector<uint8_t> MakeFrame(const FrameLayout& layout, std::span<const uint8_t> entropy, bool endMarker = true);

// The standard DC code and value bits for a difference; component 0 is
// luminance, 1 chrominance.
void PutDc(BitWriter& out, int component, int difference);
// End of block codes of the standard AC tables.
constexpr const char* kLumaEob = "1010";
constexpr const char* kChromaEob = "00";

// One MCU of DC-only blocks: four luminance DC differences, then Cb and Cr.
void PutDcOnlyMcu(BitWriter& out, std::initializer_list<int> lumaDifferences, int cbDifference, int crDifference);

}  // namespace vn::test
