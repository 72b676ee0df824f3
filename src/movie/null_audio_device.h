// The silent sound device: plays nothing, but takes each buffer's playing
// time (the samples it decodes to, at 16000 a second) and reports it played
// when that time is up, as a sound card would. Raw movies keep their pace
// through it where there is no sound output: on servers, in tests, in
// vnplay-tool.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <span>
#include <thread>

#include "movie/audio_device.h"

namespace vn::movie {

class NullAudioDevice : public AudioDevice {
public:
    // Receives the samples of each buffer written, on the writer's thread.
    using PcmSink = std::function<void(std::span<const int16_t> samples)>;

    explicit NullAudioDevice(BufferPlayed played, PcmSink pcm = {});
    // Buffers whose time is not up yet are not reported.
    ~NullAudioDevice() override;

    int Write(std::span<const uint8_t> bytes) override;

    // A buffer's playing time: its samples at the movies' sample rate.
    static std::chrono::microseconds PlayingTime(size_t byteCount);

private:
    using Clock = std::chrono::steady_clock;
    void Run();

    BufferPlayed played_;
    PcmSink pcm_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Clock::time_point> ends_;  // when each buffer written has played
    Clock::time_point lastEnd_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace vn::movie
