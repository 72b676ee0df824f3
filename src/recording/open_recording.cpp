// Opening a recording: header values, camera chunks, the frame index, the
// working buffers and what frame 0 tells about the whole recording.
#include <new>

#include "recording/recording.h"

namespace vn::avi {

namespace {

// Largest picture side taken from a header; far above any camera's.
constexpr int32_t kMaxSide = 8192;
constexpr int32_t kOneDayScale = 65535;
constexpr int32_t kSecondsPerDay = 86400;
constexpr uint8_t kListsEvents = 0x01;

template <typename T>
bool AllocateZeroed(std::vector<T>& buffer, size_t count) {
    try {
        buffer.assign(count, T{});
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

template <typename T>
void Release(std::vector<T>& buffer) {
    std::vector<T>().swap(buffer);
}

}  // namespace

OpenResult Recording::Refuse(const char* reason) {
    openFailure = reason;
    CloseRecording();
    return OpenResult::kUnusable;
}

OpenResult Recording::ReadHeaderValues() {
    header.frames = static_cast<int32_t>(file_.U32At(48));
    const int32_t scale = static_cast<int32_t>(file_.U32At(128));
    header.interval = scale == kOneDayScale ? kSecondsPerDay : scale;
    header.rate = static_cast<int32_t>(file_.U32At(132));
    if (header.rate < 0) header.rate = TenFramesPerSecond(header.interval);
    header.width = static_cast<int32_t>(file_.U32At(64));
    header.height = static_cast<int32_t>(file_.U32At(68));
    if (file_.TagAt(0) != FourCC("RIFF") || file_.TagAt(8) != FourCC("AVI ")) return Refuse("not a RIFF AVI file");
    riffSize_ = file_.U32At(4);
    return OpenResult::kOpened;
}

// Header values are the file's word; none may size a buffer or a read
// beyond what the file could hold.
OpenResult Recording::CheckHeaderValues() {
    if (header.frames <= 0) return Refuse("no frames");
    if (header.width <= 0 || header.height <= 0 || header.width > kMaxSide || header.height > kMaxSide) {
        return Refuse("unusable picture size");
    }
    if (uint64_t{static_cast<uint32_t>(header.frames)} * 16 > fileSize) {
        return Refuse("frame count does not fit the file");
    }
    return OpenResult::kOpened;
}

OpenResult Recording::AllocateBuffers() {
    // One step up from kNoBuffers for each buffer obtained; the decoder's
    // planes are three.
    int result = static_cast<int>(OpenResult::kNoBuffers);
    const size_t width = static_cast<size_t>(header.width);
    const size_t height = static_cast<size_t>(header.height);
    if (AllocateZeroed(frameBuffer, width * height * 3)) result += 1;
    if (decoder_.AllocatePlanes(header.width, header.height)) result += 3;
    if (AllocateZeroed(frameIndex, static_cast<size_t>(header.frames))) result += 1;
    if (result != 0) {
        CloseRecording();
        openFailure = "not enough memory";
    }
    return static_cast<OpenResult>(result);
}

void Recording::ExamineFrameZero() {
    // Frame 0's clock becomes the previous clock, so that the first frame
    // shown measures its interval from it.
    const bool fetched = ReadFrame(0) == FrameRead::kOk;
    const auto bytes = fetched ? LastFrameBytes() : std::span<const uint8_t>();
    decoder_.ParseJpegHeaders(bytes, jpeg::kMarkerWalkLimit, nullptr, nullptr, &decoder_.previousClock, nullptr);
    hasClock = decoder_.previousClock != 0;
    hasEvents = decoder_.camera.hasEventByte && (decoder_.camera.EventByte & kListsEvents) != 0;
    if (!hasEvents) return;
    try {
        EventList = scanner.ListEventFrames();
    } catch (const std::bad_alloc&) {
        Release(EventList);
    }
}

OpenResult Recording::OpenRecording(const std::string& path) {
    CloseRecording();
    openFailure.clear();
    if (!file_.Open(path)) {
        header.frames = -1;
        return Refuse("cannot open the file");
    }
    file_.ModificationTime(fileTime);
    fileSize = file_.size();
    if (const OpenResult result = ReadHeaderValues(); result != OpenResult::kOpened) return result;
    idx1Pos = FindTopLevelChunk(FourCC("idx1"));

    movieRecord = MovieRecord{};
    movieRecordPresent = false;
    infoPos = FindTopLevelChunk(FourCC("INFO"));
    hasInfo = infoPos != 0;
    altIntervalSecs = 0;
    if (hasInfo) {
        ReadMovieRecord(infoPos);
        altIntervalSecs = static_cast<int>(movieRecord.intervalTenths() / 10);
        asap = altIntervalSecs == 0;
    }
    // A recording without a model tag must not show the previous one's.
    modelTag = ModelTag{};
    junkPos = FindTopLevelChunk(FourCC("JUNK"));
    if (junkPos != 0) ReadModelTagChunk(junkPos);

    const auto idx1 = FallbackWalk(idx1Pos);
    if (!idx1) return Refuse("no frame index");
    if (const OpenResult result = CheckHeaderValues(); result != OpenResult::kOpened) return result;
    idx1Pos = *idx1 + 8;
    currentFrame_ = 0;
    if (const OpenResult result = AllocateBuffers(); result != OpenResult::kOpened) return result;
    decoder_.InitJpegDecoder();
    const OpenResult result = ReadFrameIndex();
    if (result != OpenResult::kOpened) openFailure = "bad frame index entry";
    ExamineFrameZero();
    return result;
}

void Recording::CloseRecording() {
    scanner.RecordingClosing();
    file_.Close();
    Release(frameBuffer);
    Release(frameIndex);
    Release(EventList);
    decoder_.ReleasePlanes();
    lastFrameLength = 0;
    hasClock = false;
    hasEvents = false;
}

}  // namespace vn::avi
