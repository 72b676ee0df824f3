#include "movie/null_audio_device.h"

#include <algorithm>
#include <vector>

#include "movie/ima_adpcm.h"

namespace vn::movie {

NullAudioDevice::NullAudioDevice(BufferPlayed played, PcmSink pcm)
    : played_(std::move(played)), pcm_(std::move(pcm)), thread_([this] { Run(); }) {}

NullAudioDevice::~NullAudioDevice() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

std::chrono::microseconds NullAudioDevice::PlayingTime(size_t byteCount) {
    const auto samples = static_cast<int64_t>(AdpcmSampleCount(byteCount));
    return std::chrono::microseconds(samples * 1'000'000 / kAdpcmSampleRate);
}

int NullAudioDevice::Write(std::span<const uint8_t> bytes) {
    if (pcm_) {
        std::vector<int16_t> samples(AdpcmSampleCount(bytes.size()));
        DecodeAdpcm(bytes, samples);
        pcm_(samples);
    }
    {
        std::lock_guard lock(mutex_);
        // A buffer written after the last has played starts now: a sound
        // card that ran dry does not catch up.
        lastEnd_ = std::max(lastEnd_, Clock::now()) + PlayingTime(bytes.size());
        ends_.push_back(lastEnd_);
    }
    wake_.notify_one();
    return 0;
}

void NullAudioDevice::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (stopping_) return;
        if (ends_.empty()) {
            wake_.wait(lock);
            continue;
        }
        const Clock::time_point end = ends_.front();
        if (Clock::now() < end) {
            wake_.wait_until(lock, end);
            continue;
        }
        ends_.pop_front();
        lock.unlock();
        played_();
        lock.lock();
    }
}

}  // namespace vn::movie
