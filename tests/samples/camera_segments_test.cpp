#include "samplewriter/camera_segments.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "samples/byte_view.h"
#include "samplewriter/camera_date.h"

namespace vn::samples {
namespace {

using test::BigU16At;
using test::TextAt;
using test::U16At;
using test::U32At;

TEST(CameraSegments, SegmentCarriesBigEndianLengthAndRefusesOversizedPayloads) {
    const std::vector<uint8_t> payload = {9, 8, 7};
    EXPECT_EQ(Segment(kApp5, payload), (std::vector<uint8_t>{0xFF, 0xE5, 0, 5, 9, 8, 7}));
    const std::vector<uint8_t> largest(65533, 1);
    EXPECT_EQ(BigU16At(Segment(kComment, largest), 2), 0xFFFF);
    EXPECT_TRUE(Segment(kComment, std::vector<uint8_t>(65534, 1)).empty());
}

TEST(CameraSegments, InsertAfterSoiPutsSegmentsFirstAndRejectsNonJpeg) {
    const std::vector<uint8_t> jpeg = {0xFF, 0xD8, 0xFF, 0xD9};
    const std::vector<uint8_t> segments = {0xFF, 0xFE, 0, 2};
    EXPECT_EQ(InsertAfterSoi(jpeg, segments), (std::vector<uint8_t>{0xFF, 0xD8, 0xFF, 0xFE, 0, 2, 0xFF, 0xD9}));
    EXPECT_TRUE(InsertAfterSoi(std::vector<uint8_t>{0xFF}, segments).empty());
    EXPECT_TRUE(InsertAfterSoi(std::vector<uint8_t>{0x89, 'P', 'N', 'G'}, segments).empty());
}

// Fields a recorded WRD310 frame leaves zero (see the next test for the rest).
TEST(CameraSegments, TsPayloadPlacesSettingsTimersAndSensorBits) {
    TsRecord r;
    r.retries = 2;
    r.exposureType = 1;
    r.whiteBalanceMode = 7;
    r.firmware = "WRD1.07-and-more-than-15";
    r.cameraKind = 2;
    r.quality = 1;
    r.bandFilter = 2;
    r.timerStart = 30;
    r.timerStop = 72;
    r.whiteBalance = 1;
    r.contrast = 3;
    r.sharpness = 4;
    r.saturation = 5;
    r.hdrRange = 2;
    r.triggerSensor = true;

    const auto p = TsPayload(r);
    ASSERT_EQ(p.size(), kTsPayloadSize);
    EXPECT_EQ(U16At(p, 5), 2);
    EXPECT_EQ(U16At(p, 73), 1);
    EXPECT_EQ(U16At(p, 75), 7);
    EXPECT_EQ(TextAt(p, 81, 16), std::string("WRD1.07-and-mor\0", 16));  // 15 characters at most
    EXPECT_EQ(p[102], 0x12);                                             // quality high, band filter low
    EXPECT_EQ(p[105], 30);
    EXPECT_EQ(p[107], 72);
    EXPECT_EQ((std::vector<uint8_t>(p.begin() + 110, p.begin() + 115)), (std::vector<uint8_t>{0x09, 3, 4, 5, 2}));
}

std::vector<uint8_t> FromHex(std::string_view hex) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return bytes;
}

TEST(CameraSegments, TsPayloadMatchesARecordedWrd310Frame) {
    // Frame 0 of a WRD310 recording (tests/fixtures/avi/evt320.avi).
    const auto recorded = FromHex(
        "00a500f4010000fdff43001c0c7011010040002c0100019a010000000000007473323b171f0c00db07000000000000000078008200"
        "5a00feca5a5a00100020e001080240e20100e40c0000000000000000575244312e3037000000000000000000130200000301020500"
        "0000000500000000000000000000");
    TsRecord r;
    r.unnamed = 165;
    r.luma = 500;
    r.temperature = -3;
    r.minBattery = 3100;
    r.physExposure = 70000;
    r.aeGain = 64;
    r.rgbGain[0] = 300, r.rgbGain[1] = 256, r.rgbGain[2] = 410;
    r.date = {2011, 12, 31, 23, 59, 50};
    r.rgbAvg[0] = 120, r.rgbAvg[1] = 130, r.rgbAvg[2] = 90;
    r.signature[0] = 0xCAFE, r.signature[1] = 0x5A5A;
    r.checksum[0] = 4096, r.checksum[1] = 8192;
    r.luma1 = 480, r.luma2 = 520;
    r.rawExposure = 123456;
    r.battery = 3300;
    r.firmware = "WRD1.07";
    r.fpgaRevision = 531;
    r.cameraKind = 3;
    r.bandFilter = 1;
    r.scene = 2;
    r.exposureValue = 5;
    r.switches = 5;
    EXPECT_EQ(TsPayload(r), recorded);
}

TEST(CameraSegments, SmallRecordsMatchTheCamerasBytes) {
    // Bytes as the cameras write them (seen in recorded frames).
    ExposureValues v{300, 120, 3, 410, 118, 2, 40, 1000};
    const auto app4 = ExposurePayload(v);
    ASSERT_EQ(app4.size(), kExposurePayloadSize);
    EXPECT_EQ(TextAt(app4, 0, 2), "AE");
    for (auto [offset, value] :
         {std::pair{2, 300}, {4, 120}, {6, 3}, {8, 410}, {12, 118}, {18, 2}, {22, 40}, {26, 1000}})
        EXPECT_EQ(U16At(app4, offset), value) << offset;

    EXPECT_EQ(ClockCommentPayload(25246091345), (std::vector<uint8_t>{'T', 0x51, 0xC8, 0xC8, 0xE0, 0x05, 0x00}));
    EXPECT_EQ(EventPayload(0x81), (std::vector<uint8_t>{0x81, 0, 0, 0}));
    EXPECT_EQ(CommentPayload("Morvat"), (std::vector<uint8_t>{'M', 'o', 'r', 'v', 'a', 't', 0}));

    const auto finf = FinfPayload({2012, 2, 29, 13, 14, 15});
    ASSERT_EQ(finf.size(), 37u);
    EXPECT_EQ(TextAt(finf, 1, 4), "finf");
    EXPECT_EQ(U16At(finf, 5), 1);
    EXPECT_EQ((std::vector<uint8_t>(finf.begin() + 7, finf.begin() + 15)),
              (std::vector<uint8_t>{15, 14, 13, 29, 2, 0, 0xDC, 0x07}));
    EXPECT_EQ(U16At(FinfPayload({}, 0), 5), 0);
}

TEST(CameraDate, ClockUsesTheCamerasDayArithmetic) {
    EXPECT_EQ(CameraClock({2011, 12, 31, 23, 59, 50}), 25246079000u);
    EXPECT_EQ(CameraClock({2004, 1, 1, 0, 0, 0}), 100u * 86400);  // the day of the month counts whole
    // 29 February 2012 and 1 March 2012 are one day apart.
    EXPECT_EQ(CameraClock({2012, 3, 1, 0, 0, 0}) - CameraClock({2012, 2, 29, 0, 0, 0}), 100u * 86400);
}

TEST(CameraDate, AddSecondsCrossesDaysMonthsAndYears) {
    EXPECT_EQ(AddSeconds({2011, 12, 31, 23, 59, 50}, 14), (CameraDate{2012, 1, 1, 0, 0, 4}));
    EXPECT_EQ(AddSeconds({2012, 2, 28, 23, 45, 0}, 3600), (CameraDate{2012, 2, 29, 0, 45, 0}));
    EXPECT_EQ(AddSeconds({2011, 2, 28, 23, 45, 0}, 3600), (CameraDate{2011, 3, 1, 0, 45, 0}));
    EXPECT_EQ(AddSeconds({2012, 3, 1, 0, 0, 0}, -1), (CameraDate{2012, 2, 29, 23, 59, 59}));
    EXPECT_EQ(AddSeconds({2012, 1, 1, 0, 0, 0}, 366LL * 86400), (CameraDate{2013, 1, 1, 0, 0, 0}));
}

}  // namespace
}  // namespace vn::samples
