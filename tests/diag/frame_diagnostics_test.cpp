#include "diag/frame_diagnostics.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "samplewriter/camera_segments.h"

namespace vn::diag {
namespace {

using Lines = std::vector<std::string>;

TEST(BadFrameLine, OneBasedNumberAndHexOffset) {
    EXPECT_EQ(BadFrameLine(0, 0x1234), "    1: 00001234");
    EXPECT_EQ(BadFrameLine(99999, 0xDEADBEEF), "100000: deadbeef");
}

class FrameLog : public ::testing::Test {
protected:
    // A frame walk that met an exposure record and ends at 13:45:07.25.
    void Walk(uint16_t vsyncs) {
        camera.BeginWalk();
        samples::ExposureValues values;
        values.exposure = 310;
        values.luminance = 88;
        values.cameraReady = 3;
        values.vsyncs = vsyncs;
        values.target = 90;
        values.flicker = 2;
        values.gain = 16;
        values.physExposure = 1200;
        camera.ReadApp4(samples::ExposurePayload(values));
        camera.FrameClock = 100ull * (86400 * 5 + 13 * 3600 + 45 * 60 + 7) + 25;
    }
    jpeg::CameraRecords camera;
    FrameDiagnosticsLog log;
};

TEST_F(FrameLog, NothingWithoutAnExposureRecord) {
    camera.BeginWalk();
    EXPECT_TRUE(log.LogFrameDiagnostics(4, camera, 1000, true, true, true).empty());
}

TEST_F(FrameLog, ClockIntervalAndExposureLines) {
    Walk(400);
    EXPECT_EQ(log.LogFrameDiagnostics(0, camera, 1000, true, true, true),
              (Lines{"--- Frame 0 -----", "13:45:07.25", "FrmInt =   1000 MS", "CamRdy  =    3", "Lum     =   88",
                     "Target  =   90", "Expo    =  310", "PhysExp = 1200", "Gain    =   16", "Vsyncs  =  400",
                     "Flicker =    2"}));
}

TEST_F(FrameLog, SwitchesChooseTheLinesAndTheUsualVsyncCountIsLeftOut) {
    Walk(416);
    EXPECT_EQ(log.LogFrameDiagnostics(7, camera, 1000, true, false, false), (Lines{"--- Frame 7 -----"}));
    const Lines expo = log.LogFrameDiagnostics(7, camera, 1000, true, false, true);
    EXPECT_EQ(expo.size(), 8u);
    EXPECT_EQ(std::count(expo.begin(), expo.end(), "Vsyncs  =  416"), 0);
    // An interval the decoder never reached is not logged.
    EXPECT_EQ(log.LogFrameDiagnostics(7, camera, 0, false, true, false), (Lines{"--- Frame 7 -----", "13:45:07.25"}));
}

TEST_F(FrameLog, AJumpOfMoreThanASecondIsMarkedFromTheThirdFrameOn) {
    Walk(416);
    EXPECT_EQ(log.LogFrameDiagnostics(1, camera, 5000, true, true, false)[2], "FrmInt =   5000 MS");
    EXPECT_EQ(log.LogFrameDiagnostics(2, camera, 6001, true, true, false)[2], "FrmInt =   6001 MS ***");
    EXPECT_EQ(log.LogFrameDiagnostics(3, camera, 5001, true, true, false)[2], "FrmInt =   5001 MS");
    EXPECT_EQ(log.LogFrameDiagnostics(4, camera, 4001, true, true, false)[2], "FrmInt =   4001 MS");
}

}  // namespace
}  // namespace vn::diag
