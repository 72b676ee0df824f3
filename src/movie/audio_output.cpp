#include "movie/audio_output.h"

#include <algorithm>

namespace vn::movie {

namespace {

// At most this many pictures without sound are stepped past in a row: the
// ring of pictures holds no more.
constexpr int kMostSilentPictures = 8;

}  // namespace

AudioOutput::AudioOutput(PostAudioNotice post) : post_(std::move(post)) {}

// The device goes first, so that its thread reports nothing more.
AudioOutput::~AudioOutput() { device_.reset(); }

bool AudioOutput::Initialise(const AudioDeviceMaker& makeDevice) {
    Close();
    const uint32_t serial = ++deviceSerial_;
    // The report runs on the device's thread: it posts, and touches nothing of ours.
    device_ = makeDevice([post = post_, serial] { post({AudioMessage::BufferDone, serial, 0}); });
    buffersPlayed_ = 0;
    return device_ != nullptr;
}

void AudioOutput::Close() {
    device_.reset();
    onDevice_.clear();
    running = false;
    ring.Clear();
    ResetTable();
}

void AudioOutput::ResetTable() {
    for (OutputBuffer& buffer : buffers) buffer.filled = 0;
    fillIndex = 0;
    playIndex = -1;
}

int AudioOutput::Start(int prefill, int queue) {
    if (running || device_ == nullptr) return 0;
    // Buffers of an earlier run still playing were copied by the device;
    // their entries are free.
    ResetTable();
    ++run_;
    const int filled = Prefill(std::clamp(prefill, 0, kBufferCount));
    pacingCounter = 0;
    // The play index stops at the first entry not written, also when fewer
    // buffers were filled than were to be written: an entry filled later
    // must not be passed over.
    int queued = 0;
    while (queued < std::min(queue, filled) && QueueEntry(queued) == 0) buffers[queued++].filled = 0;
    playIndex = queued;
    running = true;
    return filled;
}

int AudioOutput::Prefill(int count) {
    const int n = std::min<int>(count, static_cast<int>(ring.count() / kBufferBytes));
    for (int i = 0; i < n; ++i) {
        ring.Take(buffers[i].data);
        buffers[i].filled = kBufferBytes;
    }
    fillIndex = n;
    return n;
}

void AudioOutput::Stop() {
    running = false;
    ring.Clear();
    if (onDevice_.empty()) ResetTable();
}

bool AudioOutput::TakeBufferDone(const AudioNotice& notice) {
    if (notice.device != deviceSerial_ || device_ == nullptr || onDevice_.empty()) return false;
    const uint32_t run = onDevice_.front();
    onDevice_.pop_front();
    ++buffersPlayed_;
    if (running && run == run_) return true;
    if (!running && onDevice_.empty()) ResetTable();
    return false;
}

bool AudioOutput::IsCurrentUnderrun(const AudioNotice& notice) const {
    return notice.message == AudioMessage::Underrun && running && notice.device == deviceSerial_ && notice.run == run_;
}

void AudioOutput::BufferDone(PicturePacer& pacer) {
    QueueNext();
    if (running) Move(pacer);
}

int AudioOutput::QueueEntry(int index) {
    OutputBuffer& buffer = buffers[index];
    if (buffer.filled == 0) return 0;
    const int result = device_->Write(std::span<const uint8_t>(buffer.data.data(), buffer.filled));
    if (result == 0) onDevice_.push_back(run_);
    return result;
}

void AudioOutput::QueueNext() {
    if (playIndex < 0) return;
    OutputBuffer& buffer = buffers[playIndex];
    if (buffer.filled == 0) {
        Post(AudioMessage::Underrun);
        return;
    }
    // A device error leaves the entry full and the index where it is: the
    // next buffer played tries again.
    if (QueueEntry(playIndex) != 0) return;
    buffer.filled = 0;
    // An entry written while still being filled is closed: filling goes on
    // in the next one, which becomes the next to write.
    if (playIndex == fillIndex) fillIndex = (fillIndex + 1) % kBufferCount;
    playIndex = (playIndex + 1) % kBufferCount;
}

void AudioOutput::Move(PicturePacer& pacer) {
    AdvancePastSilentPictures(pacer);
    if (!running) return;
    int budget = kBufferBytes;
    int offset = buffers[fillIndex].filled;
    bool reachedPlayIndex = false;
    while (budget > 0 && ring.count() > 0 && !reachedPlayIndex) {
        ring.Take(std::span<uint8_t>(&buffers[fillIndex].data[offset], 1));
        --budget;
        if (++offset == kBufferBytes) {
            buffers[fillIndex].filled = kBufferBytes;
            fillIndex = (fillIndex + 1) % kBufferCount;
            offset = 0;
            // The rest stays in the ring until that entry is on the device.
            reachedPlayIndex = fillIndex == playIndex;
            if (!reachedPlayIndex) buffers[fillIndex].filled = 0;
        }
        if (!Pace(pacer)) return;
    }
    if (!reachedPlayIndex) buffers[fillIndex].filled = offset;
    // Once the movie has been read, its last pictures follow the sound that
    // is still playing: the budget keeps counting when nothing is left to move.
    if (ring.count() == 0 && pacer.MovieRead()) {
        for (; budget > 0; --budget) {
            if (!Pace(pacer)) return;
        }
    }
}

bool AudioOutput::Pace(PicturePacer& pacer) {
    if (++pacingCounter != pacer.DueAudioLength()) return true;
    pacingCounter = 0;
    const uint32_t run = run_;
    pacer.AdvanceRawFrame();
    // The picture may have ended the run (the end of the movie, a stop).
    if (!running || run_ != run) return false;
    AdvancePastSilentPictures(pacer);
    return running && run_ == run;
}

// A picture without sound would never be due by the count of its bytes.
void AudioOutput::AdvancePastSilentPictures(PicturePacer& pacer) {
    for (int i = 0; i < kMostSilentPictures && running && pacer.DueAudioLength() == 0; ++i) pacer.AdvanceRawFrame();
}

int AudioOutput::BuffersOnDevice() const {
    return static_cast<int>(std::count(onDevice_.begin(), onDevice_.end(), run_));
}

bool AudioOutput::Drained() const {
    const bool tableEmpty =
        std::all_of(buffers.begin(), buffers.end(), [](const OutputBuffer& buffer) { return buffer.filled == 0; });
    return ring.count() == 0 && tableEmpty && BuffersOnDevice() == 0;
}

void AudioOutput::Post(AudioMessage message) const {
    if (post_) post_({message, deviceSerial_, run_});
}

}  // namespace vn::movie
