// The one open AVI recording: header values at the cameras' fixed offsets,
// model tag, movie record, frame index, the current-frame cursor and the
// frame buffer. Frames are fetched by number and decoded by the decoder that
// the recording was given, which must outlive it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/camera_time.h"
#include "common/picture.h"
#include "decode/jpeg_decoder.h"
#include "recording/frame_scanner.h"
#include "recording/recording_file.h"

namespace vn::avi {

struct RecordingHeader {
    int32_t frames = 0;    // N; -1 when the file could not be opened
    int32_t interval = 0;  // capture interval in seconds (65535 stands for 86400)
    int32_t rate = 0;      // playback rate x interval
    int32_t width = 0;
    int32_t height = 0;
};

struct FrameIndexEntry {
    uint32_t offset = 0;  // absolute file offset of the frame chunk
    uint32_t length = 0;  // picture length in bytes
};

// "JUNK" chunk: six-character model tag, mode byte, spare byte.
struct ModelTag {
    uint8_t bytes[8] = {};
    std::string tag() const;  // the six characters up to the first zero byte
    bool Is(const char* sixChars) const;
    int mode() const { return bytes[6]; }
};

// "minf" movie record: the sub-chunk header and up to 44 bytes of body.
struct MovieRecord {
    uint8_t bytes[52] = {};
    uint32_t U32(int offset) const;
    int U16(int offset) const { return bytes[offset] | bytes[offset + 1] << 8; }
    std::string modelName() const;  // offset 6, up to 16 characters
    int firmware() const { return U16(22); }
    int bandFilter() const { return bytes[26]; }
    int led() const { return bytes[27]; }
    int timeStamp() const { return bytes[28]; }
    int whiteBalance() const { return bytes[30]; }
    int scene() const { return bytes[31]; }
    int captureMode() const { return bytes[32]; }
    int hdr() const { return bytes[33]; }
    int contrast() const { return U16(34); }
    int saturation() const { return U16(36); }
    int sharpness() const { return U16(38); }
    uint32_t intervalTenths() const { return U32(40); }
    int expoComp() const { return static_cast<int16_t>(U16(44)); }
    int timerStart() const { return U16(46); }
    int timerStop() const { return U16(48); }
    int timerDays() const { return bytes[50]; }
};

// What OpenRecording reports.
enum class OpenResult : int {
    kOpened = 0,
    // The file cannot be opened or is no usable recording (it is closed
    // again; openFailure says why), an index entry is bad (the recording
    // stays open with the entries before it), or one of the five working
    // buffers could not be allocated.
    kUnusable = -1,
    // So many of the five working buffers could not be allocated.
    kTwoBuffersShort = -2,
    kThreeBuffersShort = -3,
    kFourBuffersShort = -4,
    kNoBuffers = -5,
};

// What fetching a frame reports.
enum class FrameRead : int {
    kOk = 0,
    kNoSuchFrame = -2,  // the number lies outside the index
    // Not a frame chunk at the indexed offset, too long for the buffer, past
    // the end of the file, or a failed read.
    kNotAFrame = -3,
};

// What moving the cursor reports.
enum class StepResult : int { kMoved = 0, kStayed = -1 };

// Reasons of a failed opening that the player's messages tell apart.
inline constexpr const char* kNoSuchFile = "no such file";
inline constexpr const char* kNoFrames = "no frames";

class Recording {
public:
    explicit Recording(jpeg::JpegDecoder& decoder);
    ~Recording();
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;

    // Closes any open recording first.
    OpenResult OpenRecording(const std::string& path);
    // The same over any source of the file's bytes (held in memory, say).
    OpenResult OpenRecording(std::unique_ptr<FileSource> source);
    void CloseRecording();
    bool isOpen() const;

    // kOk or kNoSuchFrame.
    FrameRead GetFrameEntry(int frame, uint32_t* offset, uint32_t* length) const;
    // Fetches frame's picture bytes into dest (the frame buffer when empty).
    FrameRead ReadFrame(int frame, std::span<uint8_t> dest, uint32_t* offset, uint32_t* length);
    FrameRead ReadFrame(int frame) { return ReadFrame(frame, {}, nullptr, nullptr); }
    // The bytes of the frame fetched last into the frame buffer.
    std::span<const uint8_t> LastFrameBytes() const;
    // Whether the entry's picture fits the frame buffer and its chunk lies
    // wholly inside the file: the frames ReadFrame can fetch.
    bool FrameFits(const FrameIndexEntry& entry) const;
    // Fills dest from the file at offset; false unless every byte was read.
    bool ReadFileBytes(uint64_t offset, std::span<uint8_t> dest) const;
    // Length of the file's header: the bytes before the first top-level
    // chunk that is the "movi" list or the index, where the frames begin.
    // 0 when no such chunk lies inside the RIFF chunk.
    uint32_t HeaderLength() const;

    jpeg::DecodeResult DecodeCurrentFrame(std::span<const uint8_t> bytes, Picture& picture, int* intervalMs,
                                          uint32_t* clockLow);

    // Moves the cursor by count, to frame 0 at the least; a move beyond the
    // last frame is refused.
    StepResult StepFrame(int count);
    int SetFrame(int frame);
    int GoToEnd();
    int currentFrame() const { return currentFrame_; }

    // Capture date "%d/%2.2d/%2.2d" and time "%2.2d:%2.2d:%2.2d" of the frame
    // decoded last, E being its elapsed seconds.
    void FrameDateTime(int64_t elapsedSeconds, std::string& date, std::string& time);
    int lastDateSource() const { return lastDateSource_; }  // 1 clock, 2 "ts", 3 "finf", 4 file time

    jpeg::JpegDecoder& decoder() { return decoder_; }
    const jpeg::JpegDecoder& decoder() const { return decoder_; }

    // Seconds per frame for elapsed time when the frames carry no clock: the
    // movie record's interval when there is one, else the capture interval.
    int elapsedIntervalSecs() const { return hasInfo ? altIntervalSecs : header.interval; }

    // Reader state, named as the recording format describes it.
    RecordingHeader header;
    uint64_t fileSize = 0;
    uint32_t idx1Pos = 0;  // first index entry once opened
    uint32_t infoPos = 0;
    uint32_t junkPos = 0;
    uint32_t moviPos = 0;
    ModelTag modelTag;
    MovieRecord movieRecord;
    bool movieRecordPresent = false;
    bool hasInfo = false;
    int altIntervalSecs = 0;  // movie record interval / 10
    // Display flags; not reset by opening.
    bool showCaptureInterval = true;
    bool showElapsedTime = true;
    bool asap = false;
    int wrdCaptureMode = -1;
    std::vector<FrameIndexEntry> frameIndex;
    uint32_t lastFrameLength = 0;  // of the frame in the frame buffer
    bool hasClock = false;
    bool hasEvents = false;
    std::vector<int32_t> EventList;
    std::vector<uint8_t> frameBuffer;  // W x H x 3 bytes
    DosDateTime fileTime;
    // Why the last OpenRecording failed, for messages ("no such file", "not a
    // recording", "picture size 0 x 0", ...); empty on success.
    std::string openFailure;

    // The scanning loops over this recording and their stop request.
    FrameScanner scanner{*this};

private:
    OpenResult ReadHeaderValues();
    OpenResult CheckHeaderValues();
    uint32_t FindTopLevelChunk(uint32_t tag, uint32_t listType = 0) const;
    std::optional<uint32_t> FallbackWalk(uint32_t start);
    void ReadMovieRecord(uint32_t position);
    void ReadModelTagChunk(uint32_t position);
    void ApplyModelTable();
    void CountIndexEntries(uint32_t idx1Chunk);
    OpenResult AllocateFrameBufferAndIndex();
    OpenResult NotEnoughMemory(int missingBuffers);
    OpenResult ReadFrameIndex();
    // Index entry of a frame that can be fetched into capacity bytes; kOk,
    // else ReadFrame's result.
    FrameRead LocateFrame(int frame, size_t capacity, FrameIndexEntry& entry) const;
    OpenResult ExamineFrameZero();
    void BuildEventList();
    OpenResult Refuse(const std::string& reason);
    static int32_t TenFramesPerSecond(int32_t scale);

    // Index entries read, and added to the index, at a time.
    static constexpr size_t kIndexEntriesPerRead = 4096;

    jpeg::JpegDecoder& decoder_;
    RecordingFile file_;
    uint32_t riffSize_ = 0;
    int currentFrame_ = 0;
    int lastDateSource_ = 0;
    // Last date and time computed; kept when a clock cannot be converted.
    DateTimeFields lastDate_;
};

}  // namespace vn::avi
