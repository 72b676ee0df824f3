#include "samplewriter/search_samples.h"

#include <algorithm>

namespace vn::samples {

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

SampleRecording NewRecording(const char* fileName, const char* summary, const char* modelTag, Landscape landscape,
                             uint32_t seed) {
    SampleRecording s;
    s.fileName = fileName;
    s.summary = summary;
    s.avi.width = kWidth;
    s.avi.height = kHeight;
    s.avi.scale = 60;
    s.avi.rate = 300;
    s.avi.modelTag = modelTag;
    s.places = {{landscape, seed}};
    return s;
}

// The records a camera writes with every frame: its readings and the date,
// `interval` seconds apart from `start`.
TsRecord Readings(int f, uint8_t cameraKind, const char* firmware, const CameraDate& start, int interval) {
    TsRecord ts;
    ts.unnamed = 165;
    ts.luma = static_cast<uint16_t>(480 + f % 7);
    ts.minBattery = 3100;
    ts.battery = static_cast<uint16_t>(3300 - f % 50);
    ts.aeGain = 64;
    ts.date = AddSeconds(start, int64_t{interval} * f);
    ts.firmware = firmware;
    ts.cameraKind = cameraKind;
    ts.switches = 0x01;
    return ts;
}

SampleFrame StillFrame(float daylight, bool infrared, const TsRecord& ts, const char* comment) {
    SampleFrame frame;
    frame.view.daylight = daylight;
    frame.view.infrared = infrared;
    frame.comment = comment;
    frame.ts = ts;
    return frame;
}

bool Contains(const std::vector<int>& frames, int f) {
    return std::find(frames.begin(), frames.end(), f) != frames.end();
}

SampleRecording StillMeadow() {
    SampleRecording s =
        NewRecording("SRCH0001.AVI", "XPR310 meadow at noon: nothing moves", "XPR310", Landscape::Meadow, 5001);
    for (int f = 0; f < 20; ++f) {
        s.frames.push_back(
            StillFrame(1.0f, false, Readings(f, 1, "XPR2.14", {2014, 5, 10, 12, 0, 0}, 60), "Morvat XPR310"));
    }
    return s;
}

SampleRecording StillForestWithTrigger() {
    SampleRecording s = NewRecording("SRCH0002.AVI", "WRD310 forest at night: the trigger sensor and two events",
                                     "WRD310", Landscape::Forest, 5002);
    s.triggerFrames = {5, 6, 8};  // the sensor reads 0, 1, 1, 0, 1 from frame 4
    s.eventFrames = {6, 12};
    for (int f = 0; f < 20; ++f) {
        TsRecord ts = Readings(f, 3, "WRD1.09", {2014, 5, 10, 22, 0, 0}, 60);
        ts.triggerSensor = Contains(s.triggerFrames, f);
        SampleFrame frame = StillFrame(0.6f, true, ts, "Morvat WRD310 trail camera");
        frame.eventByte = f == 0 ? 0x01 : (Contains(s.eventFrames, f) ? 0x80 : 0x00);
        s.frames.push_back(frame);
    }
    return s;
}

SampleRecording FoxOnTheRocks() {
    SampleRecording s = NewRecording("SRCH0003.AVI", "WRD310 rocks at dusk: a fox crosses from frame 12", "WRD310",
                                     Landscape::Rocky, 5003);
    s.eventFrames = {0};
    s.changedFrames = {12, 13, 14, 15, 16, 17, 18};  // the fox's frames and the one after it leaves
    s.motionThreshold = 12;
    for (int f = 0; f < 24; ++f) {
        SampleFrame frame = StillFrame(0.5f, false, Readings(f, 3, "WRD1.09", {2014, 5, 11, 20, 30, 0}, 60),
                                       "Morvat WRD310 trail camera");
        if (f >= 12 && f <= 17) frame.view.animals.push_back({Animal::Kind::Fox, 0.15f + 0.13f * (f - 12), 0.8f, 0.2f});
        // Frame 0 lists the recording's events and is its only event frame.
        frame.eventByte = f == 0 ? 0x81 : 0x00;
        s.frames.push_back(frame);
    }
    return s;
}

}  // namespace

std::vector<SampleRecording> SearchPlayListSamples() {
    std::vector<SampleRecording> list = {StillMeadow(), StillForestWithTrigger(), FoxOnTheRocks()};
    // One threshold for the whole play list.
    for (SampleRecording& s : list) s.motionThreshold = FoxOnTheRocks().motionThreshold;
    return list;
}

SampleRecording LongEventRecording(int frames) {
    SampleRecording s =
        NewRecording("EVENTS.AVI", "WRD310 forest at night, a long event recording", "WRD310", Landscape::Forest, 5004);
    s.avi.scale = 1;
    s.avi.rate = 5;
    for (int f = 0; f < frames; ++f) {
        SampleFrame frame =
            StillFrame(0.6f, true, Readings(f, 3, "WRD1.09", {2014, 6, 1, 0, 0, 0}, 1), "Morvat WRD310 trail camera");
        frame.eventByte = f == 0 ? 0x01 : (f % 97 == 0 ? 0x80 : 0x00);
        if (frame.eventByte == 0x80) s.eventFrames.push_back(f);
        s.frames.push_back(frame);
    }
    return s;
}

}  // namespace vn::samples
