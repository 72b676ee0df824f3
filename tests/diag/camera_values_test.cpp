#include "diag/camera_values.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace vn::diag {
namespace {

std::map<std::string, std::string> ByLabel(const LabelTexts& texts) {
    std::map<std::string, std::string> map;
    for (const auto& [label, text] : texts) map[label] = text;
    return map;
}

jpeg::FrameCameraRecord MeasuredRecord() {
    jpeg::FrameCameraRecord r;
    r.firmware = "WRD1.07";
    r.fpgaRevision = 0x2a3;
    r.rgbAvg[0] = 7, r.rgbAvg[1] = 130, r.rgbAvg[2] = 1023;
    r.rgbGain[0] = 300, r.rgbGain[1] = 25, r.rgbGain[2] = 410;
    r.luma = 500, r.luma1 = 480, r.luma2 = 0;
    r.rawExposure = 4000000000LL, r.physExposure = 70000, r.aeGain = 64;
    r.minBattery = 3100, r.battery = 3300, r.retries = 2;
    r.exposureType = 3, r.whiteBalanceMode = 6;
    r.temperature = -3, r.temperatureUnit = 'C';
    return r;
}

TEST(CameraValueTexts, ShowAMeasuredRecordInTheLabelsFormats) {
    auto t = ByLabel(CameraValueTexts(MeasuredRecord()));
    EXPECT_EQ(t["lblFWRev"], "WRD1.07");
    EXPECT_EQ(t["lblFPGARev"], "0x02A3");
    EXPECT_EQ(t["lblRGBAvg"], "  7, 130, 1023");
    EXPECT_EQ(t["lblRGBGain"], "300,  25, 410");
    EXPECT_EQ(t["lblLuma"], "500");
    EXPECT_EQ(t["lblLuma2"], "0");
    EXPECT_EQ(t["lblRawExpo"], "4000000000");
    EXPECT_EQ(t["lblBatt"], "3100");
    EXPECT_EQ(t["lblBatt2"], "3300");
    EXPECT_EQ(t["lblFRC"], "2");
    EXPECT_EQ(t["lblExpType"], "Slow Semi");
    EXPECT_EQ(t["lblWBMode"], "2800 Incandescent");
    EXPECT_EQ(t["lblTemp"], "-3 C");
}

TEST(CameraValueTexts, UnknownValuesLeaveTheirLabelsEmpty) {
    jpeg::FrameCameraRecord r;  // as at program start: no record read yet
    r.retries = -1;
    auto t = ByLabel(CameraValueTexts(r));
    for (const char* label : {"lblFPGARev", "lblAWBSamples", "lblRGBAvg", "lblRGBGain", "lblLuma", "lblLuma1",
                              "lblLuma2", "lblRawExpo", "lblPhysExpo", "lblAEGain", "lblBatt", "lblBatt2", "lblFRC"}) {
        EXPECT_EQ(t[label], "") << label;
    }
    // Only the red average and gain decide; the battery is unknown at 0.
    r.rgbAvg[1] = 5;
    r.battery = 0;
    EXPECT_EQ(ByLabel(CameraValueTexts(r))["lblRGBAvg"], "");
    r.rgbAvg[0] = 0;
    EXPECT_EQ(ByLabel(CameraValueTexts(r))["lblRGBAvg"], "  0,   5,  -1");
}

TEST(CameraValueTexts, ValuesWithoutANameShowTheirNumber) {
    jpeg::FrameCameraRecord r;
    r.whiteBalanceMode = 7;
    r.exposureType = 4;
    auto t = ByLabel(CameraValueTexts(r));
    EXPECT_EQ(t["lblWBMode"], "7");
    EXPECT_EQ(t["lblExpType"], "4");
    r.whiteBalanceMode = 0;
    r.exposureType = 0;
    t = ByLabel(CameraValueTexts(r));
    EXPECT_EQ(t["lblWBMode"], "Auto");
    EXPECT_EQ(t["lblExpType"], "Fast");
}

TEST(CameraValueTexts, TemperatureUnitIsTheCamerasCharacter) {
    jpeg::FrameCameraRecord r;
    r.temperature = 25;
    r.temperatureUnit = 0x4600 | 'F';  // only the low byte is the character
    EXPECT_EQ(ByLabel(CameraValueTexts(r))["lblTemp"], "25 F");
    r.temperatureUnit = 0xB0;  // degree sign of the camera's 8-bit set
    EXPECT_EQ(ByLabel(CameraValueTexts(r))["lblTemp"], "25 \u00B0");
    r.temperatureUnit = 0;
    EXPECT_EQ(ByLabel(CameraValueTexts(r))["lblTemp"], "25 ");
}

TEST(ChecksumTexts, FourUpperCaseHexDigitsEach) {
    jpeg::FrameCameraRecord r;
    r.signature[0] = 0xCAFE, r.signature[1] = 0x5A;
    r.checksum[0] = 0x1000, r.checksum[1] = 0, r.checksum[2] = 0xabc, r.checksum[3] = 0xFFFF;
    auto t = ByLabel(ChecksumTexts(r));
    EXPECT_EQ(t["lblsig1"], "CAFE");
    EXPECT_EQ(t["lblsig2"], "005A");
    EXPECT_EQ(t["lblcs1"], "1000");
    EXPECT_EQ(t["lblcs2"], "0000");
    EXPECT_EQ(t["lblcs3"], "0ABC");
    EXPECT_EQ(t["lblcs4"], "FFFF");
}

}  // namespace
}  // namespace vn::diag
