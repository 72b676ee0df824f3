// Frames of the open recording in DC form, handed out strictly in order
// while worker threads decode the frames to come. Each worker has its own
// decoder and fetch buffer and reads the file by offset, so the workers
// share nothing with the caller but the recording's index; a frame's image
// depends on that frame alone, so the frames come out the same whatever the
// number of workers.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "decode/jpeg_decoder.h"
#include "recording/dc_image.h"

namespace vn::avi {

class Recording;

class DecodeAhead {
public:
    // The frames first, first + step, ..., count of them. With threads 0
    // each frame is decoded on the caller's thread when it is asked for;
    // otherwise that many workers decode up to a few frames each ahead.
    DecodeAhead(Recording& recording, int first, int step, int count, int threads);
    ~DecodeAhead();
    DecodeAhead(const DecodeAhead&) = delete;
    DecodeAhead& operator=(const DecodeAhead&) = delete;

    // False when the buffers could not be had; nothing else may be called then.
    bool ok() const { return ok_; }

    // The next frame, once decoded. It is the caller's until the next call,
    // which may swap the image's planes for others of the same size.
    DcFrame& Next();

    // Ends the workers (each finishes the frame in hand). Next must not be
    // called afterwards. The destructor stops too.
    void Stop();

private:
    struct Slot {
        DcFrame frame;
        int sequence = -1;  // the frame's place in the walk once decoded
    };
    // What one thread decodes with. The frames' errors are counted as
    // skipped frames by the scans rather than reported one by one.
    struct Decoder {
        explicit Decoder(size_t fetchBytes);
        jpeg::JpegDecoder decoder;
        // Left uninitialised: only each frame's own bytes are ever touched.
        std::unique_ptr<uint8_t[]> fetchBuffer;
        size_t fetchBytes;
    };
    void Work(Decoder& decoder);
    void Decode(Decoder& decoder, int sequence, DcFrame& into);

    Recording& recording_;
    const int first_;
    const int step_;
    const int count_;
    bool ok_ = false;
    std::vector<Slot> slots_;
    int next_ = 0;  // the sequence the next call hands out

    // One for the caller's thread, or one per worker.
    std::vector<std::unique_ptr<Decoder>> decoders_;

    // Decoding ahead: slots from firstInUse_ on are being decoded, ready or
    // held by the caller; claimed_ is the next sequence a worker takes.
    std::mutex mutex_;
    std::condition_variable slotFreed_;
    std::condition_variable frameDecoded_;
    int firstInUse_ = 0;
    int claimed_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace vn::avi
