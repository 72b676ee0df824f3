// The raw movies' sound on its way out, and the clock of their pictures.
// The frame reader pushes each picture's sound into the ring; the bytes move
// from the ring into a circle of 16 output buffers of 512 bytes, which are
// written to the sound device a few at a time. Each buffer the device has
// played comes back as a message on the window thread: the next full buffer
// goes to the device and 512 more bytes move out of the ring. The moved
// bytes are counted, and whenever the sound of the picture due next has
// moved, that picture is shown: the pictures keep the pace of the sound.
//
// Everything but the device's report runs on the window thread. The device
// reports on its own thread, and the report is only posted from there.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>

#include "movie/audio_device.h"
#include "movie/audio_ring.h"

namespace vn::movie {

// Message 1281's parameter: a buffer played, or none full when one was due.
enum class AudioMessage : int { BufferDone = 0, Underrun = 1 };

// One message 1281, with what tells a late one from a current one: the
// device it came from and, for an underrun, the run (start to stop) it
// belongs to.
struct AudioNotice {
    AudioMessage message = AudioMessage::BufferDone;
    uint32_t device = 0;
    uint32_t run = 0;
};

// Hands a notice to the window thread, where it is handled later; called on
// the device's thread as well as on the window thread.
using PostAudioNotice = std::function<void(const AudioNotice& notice)>;

// What the moved bytes pace: the pictures of the raw movie playing.
class PicturePacer {
public:
    // The sound byte count after which the next picture is due.
    virtual int DueAudioLength() const = 0;
    // Shows the picture due and reads the next one (AdvanceRawFrame).
    virtual void AdvanceRawFrame() = 0;
    // The movie has been read to its end: the sound left still plays, and
    // the pictures read with it keep following it.
    virtual bool MovieRead() const = 0;

protected:
    ~PicturePacer() = default;
};

class AudioOutput {
public:
    static constexpr int kBufferCount = 16;
    static constexpr int kBufferBytes = 512;
    // What a start fills and writes to the device at once.
    static constexpr int kPrefillBuffers = 5;
    static constexpr int kQueuedBuffers = 3;

    struct OutputBuffer {
        std::array<uint8_t, kBufferBytes> data{};
        int filled = 0;  // 0 free, 1 to 511 being filled, 512 full
    };

    explicit AudioOutput(PostAudioNotice post);
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // For a movie being opened: a new device from makeDevice (the previous
    // one goes), an empty ring, the table idle. False when no device could
    // be made.
    bool Initialise(const AudioDeviceMaker& makeDevice);
    // Lets go of the device; its buffers not yet played are not reported.
    void Close();
    bool isOpen() const { return device_ != nullptr; }

    // Fills up to `prefill` buffers from the ring and writes the first
    // `queue` of them to the device. Ignored (0) while running or without a
    // device; otherwise returns the number of buffers filled.
    int Start(int prefill, int queue);
    // Empties the ring and stops moving; buffers on the device play out.
    void Stop();

    // A BufferDone notice taken on the window thread. True when it reports
    // a buffer of the current run while running: the caller then runs
    // BufferDone. A buffer of a run that has been stopped is counted off,
    // and once the last of them is in, the table is reset.
    bool TakeBufferDone(const AudioNotice& notice);
    // An underrun notice of the run still going.
    bool IsCurrentUnderrun(const AudioNotice& notice) const;
    // After a buffer of the running run was played: writes the next full
    // buffer to the device (or posts an underrun when it is empty), then
    // moves up to 512 bytes from the ring, pacing the pictures.
    void BufferDone(PicturePacer& pacer);

    // Buffers of the current run written to the device and not yet played.
    int BuffersOnDevice() const;
    // No sound left anywhere: the ring and the table are empty and the
    // device has played every buffer of the run.
    bool Drained() const;
    uint32_t buffersPlayed() const { return buffersPlayed_; }

    AudioRing ring;
    std::array<OutputBuffer, kBufferCount> buffers;
    int fillIndex = 0;   // F: the entry being filled
    int playIndex = -1;  // P: the next entry to write to the device; -1 while idle
    bool running = false;
    int pacingCounter = 0;  // bytes moved since the last picture was due

private:
    void ResetTable();
    // Fills entries 0 on with whole buffers from the ring; returns how many.
    int Prefill(int count);
    int QueueEntry(int index);
    void QueueNext();
    void Move(PicturePacer& pacer);
    // Counts one byte moved; false when that stopped the run.
    bool Pace(PicturePacer& pacer);
    void AdvancePastSilentPictures(PicturePacer& pacer);
    void Post(AudioMessage message) const;

    PostAudioNotice post_;
    std::unique_ptr<AudioDevice> device_;
    uint32_t deviceSerial_ = 0;
    uint32_t run_ = 0;
    // The run of each buffer on the device, oldest first.
    std::deque<uint32_t> onDevice_;
    uint32_t buffersPlayed_ = 0;
};

}  // namespace vn::movie
