// Opening a recording: header values, camera chunks, the frame index, the
// working buffers and what frame 0 tells about the whole recording.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include "common/text_format.h"
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
bool Reserve(std::vector<T>& buffer, size_t count) {
    try {
        buffer.clear();
        buffer.reserve(count);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

template <typename T>
void Release(std::vector<T>& buffer) {
    std::vector<T>().swap(buffer);
}

// Why a file could not be opened, in the words of the messages.
const char* OpenFailureReason(int error) {
    switch (error) {
        case ENOENT:
            return kNoSuchFile;
        case EISDIR:
            return "a folder, not a file";
        default:
            return std::strerror(error);
    }
}

}  // namespace

OpenResult Recording::Refuse(const std::string& reason) {
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
    if (file_.TagAt(0) != FourCC("RIFF") || file_.TagAt(8) != FourCC("AVI ")) return Refuse("not a recording");
    riffSize_ = file_.U32At(4);
    return OpenResult::kOpened;
}

// Header values are the file's word; none may size a buffer or a read
// beyond what the file could hold.
OpenResult Recording::CheckHeaderValues() {
    if (header.frames <= 0) return Refuse(kNoFrames);
    if (header.width <= 0 || header.height <= 0 || header.width > kMaxSide || header.height > kMaxSide) {
        return Refuse("picture size " + std::to_string(header.width) + " x " + std::to_string(header.height));
    }
    if (uint64_t{static_cast<uint32_t>(header.frames)} * 16 > fileSize) {
        return Refuse("frame count does not fit the file");
    }
    return OpenResult::kOpened;
}

// The header's count only has to fit the file; the index chunk tells how
// many entries there really are.
void Recording::CountIndexEntries(uint32_t idx1Chunk) {
    const uint64_t indexStart = uint64_t{idx1Chunk} + 8;
    const uint64_t indexBytes =
        std::min<uint64_t>(file_.U32At(idx1Chunk + uint64_t{4}), fileSize > indexStart ? fileSize - indexStart : 0);
    header.frames = static_cast<int32_t>(std::min<uint64_t>(static_cast<uint32_t>(header.frames), indexBytes / 16));
}

OpenResult Recording::AllocateFrameBufferAndIndex() {
    int missing = 0;
    const uint64_t width = static_cast<uint64_t>(header.width);
    const uint64_t height = static_cast<uint64_t>(header.height);
    // No frame is longer than the file, so the frame buffer need not be either.
    if (!AllocateZeroed(frameBuffer, static_cast<size_t>(std::min(width * height * 3, fileSize)))) ++missing;
    // The index grows as its entries are read (ReadFrameIndex).
    if (!Reserve(frameIndex, std::min<size_t>(static_cast<size_t>(header.frames), kIndexEntriesPerRead))) ++missing;
    return missing == 0 ? OpenResult::kOpened : NotEnoughMemory(missing);
}

// The five working buffers are the frame buffer, the index and the
// decoder's three planes; the result counts those missing.
OpenResult Recording::NotEnoughMemory(int missingBuffers) {
    CloseRecording();
    openFailure = "not enough memory";
    return static_cast<OpenResult>(-missingBuffers);
}

OpenResult Recording::ExamineFrameZero() {
    // Frame 0's clock becomes the previous clock, so that the first frame
    // shown measures its interval from it.
    const bool fetched = ReadFrame(0) == FrameRead::kOk;
    const auto bytes = fetched ? LastFrameBytes() : std::span<const uint8_t>();
    jpeg::FrameHeader frameZero;
    decoder_.ParseJpegHeaders(bytes, jpeg::kMarkerWalkLimit, &frameZero, nullptr, &decoder_.previousClock, nullptr);
    // The picture size comes from the header; frames of another size would
    // decode as garbage, at the header's size, frame after frame. A size of
    // 0 (set later by a DNL segment) says nothing.
    if ((frameZero.width != 0 && frameZero.width != header.width) ||
        (frameZero.height != 0 && frameZero.height != header.height)) {
        return Refuse(Format("frames are %d x %d, the header says %d x %d", frameZero.width, frameZero.height,
                             header.width, header.height));
    }
    hasClock = decoder_.previousClock != 0;
    hasEvents = decoder_.camera.hasEventByte && (decoder_.camera.EventByte & kListsEvents) != 0;
    return OpenResult::kOpened;
}

void Recording::BuildEventList() {
    try {
        EventList = scanner.ListEventFrames();
    } catch (const std::bad_alloc&) {
        Release(EventList);
    }
}

OpenResult Recording::OpenRecording(const std::string& path) {
    auto source = OpenFileSource(path);
    if (!source) {
        const int error = errno;
        header.frames = -1;
        return Refuse(OpenFailureReason(error));
    }
    return OpenRecording(std::move(source));
}

OpenResult Recording::OpenRecording(std::unique_ptr<FileSource> source) {
    CloseRecording();
    openFailure.clear();
    file_.Open(std::move(source));
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

    if (const OpenResult result = CheckHeaderValues(); result != OpenResult::kOpened) return result;
    const auto idx1 = FallbackWalk(idx1Pos);
    if (!idx1) return Refuse("no frame index");
    idx1Pos = *idx1 + 8;
    CountIndexEntries(*idx1);
    if (header.frames == 0) return Refuse(kNoFrames);
    currentFrame_ = 0;
    if (const OpenResult result = AllocateFrameBufferAndIndex(); result != OpenResult::kOpened) return result;
    decoder_.InitJpegDecoder();
    const OpenResult result = ReadFrameIndex();
    if (result != OpenResult::kOpened) openFailure = "bad frame index entry";
    // The planes, the largest buffers, wait until frame 0 has not
    // contradicted the picture size they are made for.
    if (const OpenResult examined = ExamineFrameZero(); examined != OpenResult::kOpened) return examined;
    if (!decoder_.AllocatePlanes(header.width, header.height)) return NotEnoughMemory(3);
    if (hasEvents) BuildEventList();
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
