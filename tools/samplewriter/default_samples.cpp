#include "samplewriter/default_samples.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "samplewriter/search_samples.h"

namespace vn::samples {

namespace {

std::vector<int> Range(int first, int last) {
    std::vector<int> frames;
    for (int f = first; f <= last; ++f) frames.push_back(f);
    return frames;
}

std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

bool Contains(const std::vector<int>& frames, int f) {
    return std::find(frames.begin(), frames.end(), f) != frames.end();
}

// Readings that drift slowly over a recording, as a camera's sensors do.
ExposureValues ExposureAt(int f) {
    return {static_cast<uint16_t>(300 + f % 7 * 10), static_cast<uint16_t>(118 + f % 5), 3, 410, 118, 2, 40, 1000};
}

TsRecord SensorReadings(int f) {
    TsRecord r;
    r.unnamed = 165;
    r.luma = static_cast<uint16_t>(480 + f % 9);
    r.temperature = static_cast<int16_t>(-2 + f / 20);
    r.minBattery = 3100;
    r.physExposure = 70000;
    r.aeGain = 64;
    r.rgbGain[0] = 300, r.rgbGain[1] = 256, r.rgbGain[2] = 410;
    r.rgbAvg[0] = 120, r.rgbAvg[1] = 130, r.rgbAvg[2] = 90;
    r.signature[0] = 0xCAFE, r.signature[1] = 0x5A5A;
    r.checksum[0] = 0x1000, r.checksum[1] = 0x2000;
    r.luma1 = 480, r.luma2 = 520;
    r.rawExposure = 123456;
    r.battery = static_cast<uint16_t>(3300 - f);
    return r;
}

// An XPR310 (camera kind 1) record with its settings: timer 05:00 to 21:30,
// time stamp on, the night scene when it is dark.
TsRecord Xpr310Record(int f, const CameraDate& date, bool dark) {
    TsRecord ts = SensorReadings(f);
    ts.date = date;
    ts.firmware = "XPR2.14";
    ts.fpgaRevision = 0x0120;
    ts.cameraKind = 1;
    ts.quality = 1;
    ts.bandFilter = 2;
    ts.scene = dark ? 1 : 0;
    ts.exposureValue = 7;
    ts.timerStart = 20;
    ts.timerStop = 86;
    ts.switches = 0x01;
    return ts;
}

SampleRecording NewSample(std::string fileName, std::string summary, int width, int height, int32_t scale, int32_t rate,
                          std::string modelTag, uint8_t modelMode) {
    SampleRecording s;
    s.fileName = std::move(fileName);
    s.summary = std::move(summary);
    s.avi.width = width;
    s.avi.height = height;
    s.avi.scale = scale;
    s.avi.rate = rate;
    s.avi.modelTag = std::move(modelTag);
    s.avi.modelMode = modelMode;
    return s;
}

}  // namespace

SampleRecording EventRecordingSample() {
    // Mode 0: the camera records on motion.
    SampleRecording s =
        NewSample("REC0001.AVI", "WRD310 motion camera at night: events, trigger sensor, clock and ts records", 320,
                  240, 1, 5, "WRD310", 0);
    s.places = {{Landscape::Forest, 1001}};
    s.eventFrames = {10, 30, 45, 52};
    s.triggerFrames = {9, 10, 11, 12, 30, 31, 44, 45, 46, 47, 50};
    s.changedFrames = Join({Range(10, 20), Range(30, 35), Range(45, 53)});
    s.motionThreshold = 20;

    // Bursts one second apart, the camera sleeping between them; the first
    // burst crosses midnight into 29 February.
    const std::map<int, int> sleepBefore = {{10, 95}, {30, 1800}, {45, 3600}};
    CameraDate date{2012, 2, 28, 23, 59, 20};
    for (int f = 0; f < 60; ++f) {
        if (f > 0) date = AddSeconds(date, sleepBefore.count(f) ? sleepBefore.at(f) : 1);
        SampleFrame frame;
        frame.view.daylight = 0.6f;
        frame.view.infrared = true;
        if (f >= 10 && f <= 19)
            frame.view.animals.push_back({Animal::Kind::Deer, 0.1f + 0.08f * (f - 10), 0.72f, 0.28f});
        if (f >= 30 && f <= 34)
            frame.view.animals.push_back({Animal::Kind::Fox, 0.8f - 0.12f * (f - 30), 0.8f, 0.18f, true});
        if (f >= 45 && f <= 52)
            frame.view.animals.push_back({Animal::Kind::Deer, 0.9f - 0.07f * (f - 45), 0.7f, 0.3f, true});

        frame.comment = "Morvat WRD310 trail camera";
        frame.exposure = ExposureAt(f);
        frame.clockRecord = CameraClock(date) + 37;  // the clock's hundredths
        if (f < 55) {  // the last frames lost their "ts" record: the clock record stands alone
            TsRecord ts = SensorReadings(f);
            ts.date = date;
            ts.firmware = "WRD1.09";
            ts.fpgaRevision = 0x0214;
            ts.cameraKind = 3;
            ts.bandFilter = 1;
            ts.scene = 2;
            ts.exposureValue = 5;
            ts.switches = 0x03;
            ts.triggerSensor = Contains(s.triggerFrames, f);
            frame.ts = ts;
        }
        if (f == 0) {
            frame.eventByte = 0x01;     // the recording lists its events
        } else if (f < 25 || f > 27) {  // frames 25 to 27 carry no event segment
            frame.eventByte = Contains(s.eventFrames, f) ? 0x80 : 0x00;
        }
        s.frames.push_back(std::move(frame));
    }
    return s;
}

SampleRecording MovieRecordSample() {
    // Five frames a second; players raise it to ten for XPRMAX stop motion.
    SampleRecording s =
        NewSample("REC0002.AVI", "XPRMAX stop motion on a midsummer night: movie record, no clock, index after RIFF",
                  640, 480, 30, 150, "XPRMAX", 3);
    s.avi.index = CameraAviOptions::Index::AfterRiff;
    MovieSettings m;
    m.modelName = "XPR310 Max";
    m.firmware = 1302;
    m.bandFilter = 1;
    m.led = 1;
    m.timeStamp = 1;
    m.whiteBalance = 1;
    m.captureMode = 3;
    m.hdr = 2;
    m.contrast = 5;
    m.saturation = 3;
    m.sharpness = 2;
    m.intervalTenths = 300;
    m.expoComp = -1;
    m.timerStart = 360;
    m.timerStop = 1230;
    m.timerDays = 0x54;  // Monday, Wednesday, Friday
    s.movie = m;
    s.places = {{Landscape::Meadow, 2001}};
    // Frames carry no date: readers count from the file time, and 36 frames
    // 30 s apart cross midnight into July.
    s.fileTime = CameraDate{2013, 6, 30, 23, 52, 0};
    s.changedFrames = Range(1, 35);
    s.motionThreshold = 4;  // the night sky darkens slowly
    for (int f = 0; f < 36; ++f) {
        SampleFrame frame;
        frame.view.daylight = 0.3f - 0.002f * f;
        frame.view.cloudShift = 0.012f * f;
        if (f >= 8 && f <= 20) frame.view.animals.push_back({Animal::Kind::Bird, 0.05f + 0.07f * (f - 8), 0.2f, 0.06f});
        frame.comment = "Morvat Inc. MAX";
        frame.exposure = ExposureAt(f);
        s.frames.push_back(std::move(frame));
    }
    return s;
}

SampleRecording ScenesSample() {
    SampleRecording s =
        NewSample("REC0003.AVI", "XPR310 time-lapse at three places: dawn meadow, forest at noon, rocks at dusk", 640,
                  480, 10, 50, "XPR310", 0);
    s.avi.frameTag = "00db";
    s.places = {{Landscape::Meadow, 3001}, {Landscape::Forest, 3002}, {Landscape::Rocky, 3003}};
    // Dawn and dusk brighten and darken every frame; at noon the forest
    // stands still until a deer walks through.
    s.changedFrames = Join({Range(1, 15), Range(20, 25), Range(30, 44)});
    s.motionThreshold = 4;

    const CameraDate sessionStart[3] = {{2013, 7, 4, 5, 10, 0}, {2013, 7, 5, 12, 0, 0}, {2013, 7, 6, 20, 30, 0}};
    for (int f = 0; f < 45; ++f) {
        const int session = f / 15, step = f % 15;
        SampleFrame frame;
        frame.place = session;
        // Dawn brightens, dusk darkens; the noon sky holds still.
        const float daylight[3] = {0.2f + 0.03f * step, 1.0f, 0.7f - 0.03f * step};
        const float cloudShift[3] = {0.01f * step, 0.3f, 0.5f + 0.01f * step};
        frame.view.daylight = daylight[session];
        frame.view.cloudShift = cloudShift[session];
        if (f >= 20 && f <= 24)
            frame.view.animals.push_back({Animal::Kind::Deer, 0.2f + 0.12f * (f - 20), 0.75f, 0.25f});

        frame.comment = "Morvat XPR310";
        frame.exposure = ExposureAt(f);
        const CameraDate date = AddSeconds(sessionStart[session], 10 * step);
        frame.ts = Xpr310Record(f, date, frame.view.daylight < 0.35f);
        s.frames.push_back(std::move(frame));
    }
    return s;
}

SampleRecording BenchmarkSample() {
    SampleRecording s = NewSample(
        "BENCH720.AVI", "1280 x 720 sunset, 240 frames with clouds, foliage and animals: decoder benchmark input", 1280,
        720, 2, 30, "XPR310", 0);
    s.quality = 85;
    s.places = {{Landscape::Meadow, 4001}};
    s.changedFrames = Range(1, 239);
    s.motionThreshold = 4;
    for (int f = 0; f < 240; ++f) {
        SampleFrame frame;
        const float t = f / 239.0f;
        frame.view.daylight = 1.0f - 0.65f * t;
        frame.view.cloudShift = 0.004f * f;
        frame.view.sway = std::sin(f * 0.3f);
        if (f >= 40 && f < 160)
            frame.view.animals.push_back({Animal::Kind::Deer, -0.1f + 0.009f * (f - 40), 0.74f, 0.2f});
        if (f >= 100 && f < 200)
            frame.view.animals.push_back(
                {Animal::Kind::Bird, 1.0f - 0.011f * (f - 100), 0.25f - 0.001f * (f - 100), 0.05f, true});
        if (f >= 180) frame.view.animals.push_back({Animal::Kind::Fox, 0.95f - 0.008f * (f - 180), 0.85f, 0.14f, true});
        frame.comment = "Morvat XPR310";
        frame.exposure = ExposureAt(f);
        frame.ts = Xpr310Record(f, AddSeconds({2014, 9, 20, 18, 30, 0}, 2 * f), frame.view.daylight < 0.35f);
        s.frames.push_back(std::move(frame));
    }
    return s;
}

std::vector<SampleRecording> DefaultSamples() {
    std::vector<SampleRecording> samples = {EventRecordingSample(), MovieRecordSample(), ScenesSample(),
                                            BenchmarkSample()};
    for (SampleRecording& s : SearchPlayListSamples()) samples.push_back(std::move(s));
    return samples;
}

}  // namespace vn::samples
