// The recording's cursor, decoding the fetched frame and its capture date.
#include "recording/recording.h"

namespace vn::avi {

Recording::Recording(jpeg::JpegDecoder& decoder) : decoder_(decoder) {}

Recording::~Recording() { CloseRecording(); }

bool Recording::isOpen() const { return file_.isOpen(); }

jpeg::DecodeResult Recording::DecodeCurrentFrame(std::span<const uint8_t> bytes, Picture& picture, int* intervalMs,
                                                 uint32_t* clockLow) {
    return decoder_.DecodeJpegFrame(bytes, picture, intervalMs, clockLow);
}

StepResult Recording::StepFrame(int count) {
    int64_t next = int64_t{currentFrame_} + count;
    if (next < 0) next = 0;
    // Beyond the last frame the cursor stays; it is not clamped.
    if (next > int64_t{header.frames} - 1 || next == currentFrame_) return StepResult::kStayed;
    currentFrame_ = static_cast<int>(next);
    return StepResult::kMoved;
}

int Recording::SetFrame(int frame) {
    currentFrame_ = frame;
    return 0;
}

int Recording::GoToEnd() {
    currentFrame_ = header.frames;
    return 0;
}

void Recording::FrameDateTime(int64_t elapsedSeconds, std::string& date, std::string& time) {
    const jpeg::CameraRecords& camera = decoder_.camera;
    DateTimeFields t = lastDate_;
    int source = 4;
    if (hasClock) {
        source = 1;
        DateTimeFromClock(camera.FrameClock, t);  // a clock beyond its range keeps the last date
    } else if (camera.recordSeen) {
        source = 2;
        const jpeg::FrameCameraRecord& f = camera.frame;
        t = DateTimeFields{f.year, f.month, f.day, f.hour, f.minute, f.second};
    } else if (camera.info.valid() != 0) {
        source = 3;
        const jpeg::FrameInfoRecord& f = camera.info;
        t = DateTimeFields{f.year(), f.month(), f.day(), f.hour(), f.minute(), f.second()};
    }
    // A month past December, as the clock gives on most years' last day,
    // is no date: the file time stands in.
    if (source <= 2 && t.month > 12) source = 4;
    if (source == 4) t = FileTimePlusSeconds(fileTime, elapsedSeconds);
    lastDate_ = t;
    lastDateSource_ = source;
    date = FormatDate(t);
    time = FormatTime(t);
}

}  // namespace vn::avi
