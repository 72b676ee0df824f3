#include "decode/camera_record.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/camera_time.h"
#include "samplewriter/camera_date.h"
#include "samplewriter/camera_segments.h"

namespace vn::jpeg {
namespace {

using samples::TsRecord;

TsRecord FullRecord() {
    TsRecord r;
    r.unnamed = 165;
    r.luma = 500;
    r.retries = 2;
    r.temperature = -3;
    r.temperatureUnit = 'C';
    r.minBattery = 3100;
    r.physExposure = 70000;
    r.aeGain = 64;
    r.rgbGain[0] = 300, r.rgbGain[1] = 256, r.rgbGain[2] = 410;
    r.date = {2011, 12, 31, 23, 59, 50};
    r.rgbAvg[0] = 120, r.rgbAvg[1] = 130, r.rgbAvg[2] = 90;
    r.signature[0] = 0xCAFE, r.signature[1] = 0x5A5A;
    r.checksum[0] = 4096, r.checksum[1] = 8192;
    r.luma1 = 480;
    r.luma2 = 520;
    r.rawExposure = 123456;
    r.battery = 3300;
    r.exposureType = 1;
    r.whiteBalanceMode = 4;
    r.firmware = "WRD1.07";
    r.fpgaRevision = 0x213;
    r.cameraKind = 2;
    r.quality = 1;
    r.bandFilter = 2;
    r.scene = 3;
    r.exposureValue = 9;
    r.timerStart = 30;
    r.timerStop = 72;
    r.switches = 5;
    r.whiteBalance = 6;
    r.contrast = 1;
    r.sharpness = 2;
    r.saturation = 3;
    r.hdrRange = 2;
    return r;
}

TEST(CameraRecords, ReadsEveryFieldOfATsRecord) {
    CameraRecords records;
    records.BeginWalk();
    records.ReadApp15(samples::TsPayload(FullRecord()));

    const FrameCameraRecord& f = records.frame;
    EXPECT_TRUE(records.recordSeen);
    EXPECT_TRUE(records.walk.tsRecord);
    EXPECT_EQ(f.unnamed, 165);
    EXPECT_EQ(f.luma, 500);
    EXPECT_EQ(f.retries, 2);
    EXPECT_EQ(f.temperature, -3);
    EXPECT_EQ(f.temperatureUnit & 0xFF, 'C');
    EXPECT_EQ(f.minBattery, 3100);
    EXPECT_EQ(f.physExposure, 70000);
    EXPECT_EQ(f.aeGain, 64);
    EXPECT_EQ(f.rgbGain[2], 410);
    EXPECT_EQ(f.rgbAvg[1], 130);
    EXPECT_EQ(f.signature[0], 0xCAFE);
    EXPECT_EQ(f.checksum[0], 4096);
    EXPECT_EQ(f.checksum[2], 480);  // checksums 3 and 4 are the two luma words
    EXPECT_EQ(f.checksum[3], 520);
    EXPECT_EQ(f.luma2, 520);
    EXPECT_EQ(f.rawExposure, 123456);
    EXPECT_EQ(f.battery, 3300);
    EXPECT_EQ(f.exposureType, 1);
    EXPECT_EQ(f.whiteBalanceMode, 4);
    EXPECT_EQ(f.firmware, "WRD1.07");
    EXPECT_EQ(f.fpgaRevision, 0x213);
    EXPECT_EQ(f.year, 2011);
    EXPECT_EQ(f.month, 12);
    EXPECT_EQ(f.day, 31);
    EXPECT_EQ(f.second, 50);
    EXPECT_EQ(f.cameraKind, 2);
    EXPECT_EQ(f.Specific(102), 0x12);
    EXPECT_EQ(f.Specific(104), 9);
    EXPECT_EQ(f.Specific(107), 72);
    EXPECT_EQ(f.Specific(110), 6);
    EXPECT_EQ(f.Specific(114), 2);
    EXPECT_EQ(records.FrameClock, ClockFromCameraDate(50, 59, 23, 31, 12, 2011));
}

TEST(CameraRecords, FieldsBeyondAShortSegmentKeepTheirValues) {
    CameraRecords records;
    records.ReadApp15(samples::TsPayload(FullRecord()));
    TsRecord next = FullRecord();
    next.luma = 111;
    next.date.day = 1;
    next.rgbAvg[0] = 7;
    auto payload = samples::TsPayload(next);
    payload.resize(38);  // ends inside the capture date

    records.BeginWalk();
    records.ReadApp15(payload);
    EXPECT_EQ(records.frame.luma, 111);
    EXPECT_EQ(records.frame.day, 31);  // the date was not there to read
    EXPECT_EQ(records.frame.rgbAvg[0], 120);
    EXPECT_EQ(records.FrameClock, 0u);  // no date, no clock from this record
}

TEST(CameraRecords, CameraKindZeroEndsTheRecord) {
    CameraRecords records;
    records.ReadApp15(samples::TsPayload(FullRecord()));
    TsRecord unknown = FullRecord();
    unknown.cameraKind = 0;
    unknown.exposureValue = 1;
    records.ReadApp15(samples::TsPayload(unknown));
    EXPECT_EQ(records.frame.cameraKind, 0);
    EXPECT_EQ(records.frame.Specific(104), 9);
}

TEST(CameraRecords, TriggerEdgeRisesWhenTheSensorTurnsOn) {
    CameraRecords records;
    TsRecord r = FullRecord();
    r.cameraKind = 3;
    std::vector<bool> edges;
    for (bool sensor : {false, true, true, false, true}) {
        r.triggerSensor = sensor;
        records.BeginWalk();
        records.ReadApp15(samples::TsPayload(r));
        edges.push_back(records.triggerEdge);
    }
    EXPECT_EQ(edges, (std::vector<bool>{false, true, false, false, true}));
    records.BeginWalk();
    EXPECT_FALSE(records.triggerEdge);
    EXPECT_TRUE(records.triggerRemembered);
}

TEST(CameraRecords, TsSignatureWinsOverFinf) {
    CameraRecords records;
    auto payload = samples::TsPayload(FullRecord());
    const auto finf = samples::FinfPayload({2010, 5, 6, 7, 8, 9});
    std::copy(finf.begin() + 1, finf.begin() + 31, payload.begin() + 1);
    records.BeginWalk();
    records.ReadApp15(payload);
    EXPECT_TRUE(records.walk.tsRecord);
    EXPECT_FALSE(records.walk.finfRecord);
    EXPECT_EQ(records.info.valid(), 0);
}

TEST(CameraRecords, FinfRecordHoldsADateUntilTheNextWalk) {
    CameraRecords records;
    records.BeginWalk();
    records.ReadApp15(samples::FinfPayload({2010, 5, 6, 7, 8, 9}));
    EXPECT_NE(records.info.valid(), 0);
    EXPECT_EQ(records.info.year(), 2010);
    EXPECT_EQ(records.info.month(), 5);
    EXPECT_EQ(records.info.second(), 9);
    EXPECT_FALSE(records.recordSeen);
    records.BeginWalk();
    EXPECT_EQ(records.info.valid(), 0);
}

TEST(CameraRecords, ExposureAndEventSegments) {
    CameraRecords records;
    records.BeginWalk();
    samples::ExposureValues values;
    values.exposure = 300;
    values.vsyncs = 416;
    values.physExposure = 1000;
    records.ReadApp4(samples::ExposurePayload(values));
    records.ReadApp5(samples::EventPayload(0x81));
    EXPECT_TRUE(records.exposurePresent);
    EXPECT_EQ(records.exposure.exposure(), 300);
    EXPECT_EQ(records.exposure.vsyncs(), 416);
    EXPECT_EQ(records.exposure.physExposure(), 1000);
    EXPECT_TRUE(records.hasEventByte);
    EXPECT_EQ(records.EventByte, 0x81);

    records.BeginWalk();
    records.ReadApp5({});  // an empty APP5 carries no event byte
    EXPECT_FALSE(records.exposurePresent);
    EXPECT_FALSE(records.hasEventByte);
}

TEST(CameraRecords, CommentsNameTheCameraFamily) {
    CameraRecords wrd;
    wrd.ReadComment(samples::CommentPayload("Morvat WRD310 trail camera"));
    EXPECT_TRUE(wrd.familySeen);
    EXPECT_FALSE(wrd.familyNotWrd);

    CameraRecords max;
    max.ReadComment(samples::CommentPayload("Morvat Inc. MAX"));
    max.ReadComment(samples::CommentPayload("just a comment"));
    EXPECT_TRUE(max.familySeen);
    EXPECT_TRUE(max.familyNotWrd);
}

TEST(CameraRecords, ClockRecordAndItsDump) {
    CameraRecords records;
    records.BeginWalk();
    records.ReadComment(samples::ClockCommentPayload(0x1234'89ABCDEFull));
    EXPECT_EQ(records.FrameClock, 0x1234'89ABCDEFull);
    EXPECT_TRUE(records.walk.clockRecord);
    EXPECT_TRUE(records.rtcDumpLines.empty());

    std::vector<uint8_t> dump = samples::ClockCommentPayload(100);
    dump.resize(7);
    for (char c : std::string("RTCD")) dump.push_back(static_cast<uint8_t>(c));
    for (int i = 0; i < 32; ++i) dump.push_back(static_cast<uint8_t>(i * 9));
    records.bDumpRTCData = true;
    records.ReadComment(dump);
    ASSERT_EQ(records.rtcDumpLines.size(), 2u);
    EXPECT_EQ(records.rtcDumpLines[0], "00 09 12 1B 24 2D 36 3F 48 51 5A 63 6C 75 7E 87 ");
    EXPECT_EQ(records.rtcDumpLines[1].substr(0, 6), "90 99 ");
}
}  // namespace
}  // namespace vn::jpeg
