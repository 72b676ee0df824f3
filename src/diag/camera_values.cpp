#include "diag/camera_values.h"

#include <array>

#include "common/text_format.h"

namespace vn::diag {

namespace {

std::string Decimal(int64_t value) { return std::to_string(value); }

// Empty while the value is still the one meaning "not known".
std::string DecimalUnless(int64_t value, int64_t unknown) { return value == unknown ? std::string() : Decimal(value); }

std::string Triple(const int (&values)[3]) {
    return values[0] == -1 ? std::string() : Format("%3d, %3d, %3d", values[0], values[1], values[2]);
}

// A named value, or the number when the camera wrote one we have no name for.
template <size_t N>
std::string NameOf(int value, const std::array<const char*, N>& names) {
    return value >= 0 && value < static_cast<int>(N) ? names[value] : Decimal(value);
}

constexpr std::array<const char*, 4> kExposureTypes = {"Fast", "Slow", "Fast Semi", "Slow Semi"};
constexpr std::array<const char*, 7> kWhiteBalanceModes = {
    "Auto", "5000 Daylight", "7000 Shadow", "6000 Cloudy", "4000 Fluor(cool)", "3300 Fluor(warm)", "2800 Incandescent"};

// "%d %c" of the temperature and its unit. The unit byte is a character of
// the camera's 8-bit set (a degree sign among them), so it is carried over
// as Latin-1 into UTF-8; a zero byte ends the text as it would in C.
std::string Temperature(int temperature, int unit) {
    std::string text = Decimal(temperature) + ' ';
    const auto c = static_cast<unsigned char>(unit & 0xFF);
    if (c >= 0x80) {
        text += static_cast<char>(0xC0 | c >> 6);
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c != 0) {
        text += static_cast<char>(c);
    }
    return text;
}

std::string Hex4(int value) { return Format("%04X", static_cast<unsigned>(value) & 0xFFFF); }

}  // namespace

LabelTexts CameraValueTexts(const jpeg::FrameCameraRecord& r) {
    return {
        {"lblFWRev", r.firmware},
        {"lblFPGARev", r.fpgaRevision == -1 ? std::string() : "0x" + Hex4(r.fpgaRevision)},
        {"lblAWBSamples", DecimalUnless(r.awbSamples, -1)},
        {"lblRGBAvg", Triple(r.rgbAvg)},
        {"lblRGBGain", Triple(r.rgbGain)},
        {"lblLuma", DecimalUnless(r.luma, -1)},
        {"lblLuma1", DecimalUnless(r.luma1, -1)},
        {"lblLuma2", DecimalUnless(r.luma2, -1)},
        {"lblRawExpo", DecimalUnless(r.rawExposure, -1)},
        {"lblPhysExpo", DecimalUnless(r.physExposure, -1)},
        {"lblAEGain", DecimalUnless(r.aeGain, -1)},
        {"lblBatt", DecimalUnless(r.minBattery, -1)},
        {"lblBatt2", DecimalUnless(r.battery, 0)},
        {"lblFRC", DecimalUnless(r.retries, -1)},
        {"lblExpType", NameOf(r.exposureType, kExposureTypes)},
        {"lblWBMode", NameOf(r.whiteBalanceMode, kWhiteBalanceModes)},
        {"lblTemp", Temperature(r.temperature, r.temperatureUnit)},
    };
}

LabelTexts ChecksumTexts(const jpeg::FrameCameraRecord& r) {
    return {
        {"lblsig1", Hex4(r.signature[0])}, {"lblsig2", Hex4(r.signature[1])}, {"lblcs1", Hex4(r.checksum[0])},
        {"lblcs2", Hex4(r.checksum[1])},   {"lblcs3", Hex4(r.checksum[2])},   {"lblcs4", Hex4(r.checksum[3])},
    };
}

int64_t FrameFocusScore(const jpeg::JpegDecoder& decoder) {
    constexpr int kWidth = 320;
    constexpr int kHeight = 180;
    return decoder.FocusScore(640 - kWidth / 2, 360 - kHeight, kWidth, kHeight);
}

}  // namespace vn::diag
