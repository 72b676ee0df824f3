// The one open MPEG-4 stream (.m4v) or raw movie (.mvm): the reader, the
// decoder and what the open learned. Pictures are read one at a time in
// stream order; user-data chunks on the way deliver the raw movies' sound to
// the audio ring. Seeking finds an intra picture near a position.
// Positions are 1024-byte units of file offset.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/camera_time.h"
#include "common/file_source.h"
#include "common/picture.h"
#include "movie/audio_ring.h"
#include "movie/mpeg4_decoder.h"
#include "movie/start_codes.h"
#include "movie/stream_window.h"

namespace vn::movie {

class MovieFile {
public:
    // Delivered audio goes to ring, or to a ring of the file's own when none is given.
    explicit MovieFile(AudioRing* ring = nullptr);
    MovieFile(const MovieFile&) = delete;
    MovieFile& operator=(const MovieFile&) = delete;

    // Closes any open stream and opens path. Returns the file's length in
    // position units (whole units only), or 0 on failure, with the reason
    // in openFailure(); nothing stays open after a failure.
    int64_t OpenStream(const std::string& path);
    // The same over any source of the file's bytes, named in messages by
    // name; windowSize as for StreamWindow::Open.
    int64_t OpenStream(std::unique_ptr<FileSource> source, const std::string& name, uint32_t windowSize = 0);

    // Reads user-data chunks, a group-of-VOP header and the next VOP.
    // Returns the position after the VOP, or nothing (no VOP where one should
    // be, a damaged VOP, the end of the file); after a failure the next read
    // starts from the next start code. audioLength receives the audio byte
    // count (L - S) of the last audio chunk met (untouched when there was none),
    // quantiser the running quantiser after the VOP; picture, when given,
    // the decoded picture. Each output may be null.
    std::optional<int> ReadNextPicture(Picture* picture, int* audioLength, bool honourSkip, bool deliverAudio,
                                       int* quantiser);

    // Looks from position x unitsPerStep units for an intra VOP, forwards
    // (direction >= 0) or backwards, and stands on it (or on the clock record
    // right before it). Returns its offset in steps; 0 when the search ran
    // off the file or found none within kMaxSearchBytes; nothing when the
    // target lies beyond the end of the file, the step is not positive or a
    // window cannot be read.
    std::optional<int> Seek(int64_t position, int unitsPerStep, int direction);
    // Byte offset that the last seek stood on, or -1 when it found nothing.
    int64_t seekOffset() const { return seekOffset_; }

    // Back to the first picture; false when no stream is open.
    bool RewindStream();
    void CloseStream();
    bool isOpen() const { return headerEndOffset != 0; }

    mpeg4::StreamWindow& window() { return window_; }
    mpeg4::Mpeg4Decoder& decoder() { return decoder_; }
    AudioRing& audioRing() { return *ring_; }
    const std::string& openFailure() const { return openFailure_; }

    // Offset of the first byte after the stream headers; 0 while nothing is open.
    uint32_t headerEndOffset = 0;
    // The open file's modification time, local time in DOS form.
    DosDateTime fileTime;

    // How far a search for a start code after a damaged element, or for an
    // intra VOP, goes. The cameras write an intra VOP every few seconds;
    // this much without one is damage (the zeros of an unwritten tail, say),
    // which is not read through to the end.
    static constexpr uint64_t kMaxSearchBytes = uint64_t{16} << 20;

private:
    bool ReadUserDataChunk(int* audioLength, bool honourSkip, bool deliverAudio);
    bool DeliverAudio(uint32_t length);
    void SkipToNextStartCode(uint64_t failedAt);
    // Maps the window holding offset unless it is the current one and puts
    // the reader, byte-aligned, on offset; false when the mapping fails.
    bool StandAt(uint64_t offset);
    std::optional<int> FailRead(uint64_t failedAt);

    mpeg4::StreamWindow window_;
    mpeg4::Mpeg4Decoder decoder_;
    std::unique_ptr<AudioRing> ownRing_;
    AudioRing* ring_;
    std::vector<uint8_t> audioBytes_;
    int64_t seekOffset_ = -1;
    std::string openFailure_;
};

}  // namespace vn::movie
