// The raw movies' sound through the computer's sound output: Qt's audio sink
// on the default output, fed with the PCM that each buffer's IMA ADPCM
// decodes to. The sink lives on a thread of its own, so that a busy window
// does not starve it; a buffer counts as played once the sink's processed
// time has passed its end, and is reported through BufferPlayed on that
// thread.
#pragma once

#include <QAudioFormat>
#include <QThread>

#include <memory>

#include "movie/audio_device.h"

class QAudioDevice;

namespace vn::ui {

class SinkFeeder;

class AudioSinkDevice : public movie::AudioDevice {
public:
    // The sink on the default output, started; null when there is no output
    // or it cannot play the movies' sound.
    static std::unique_ptr<movie::AudioDevice> Make(movie::BufferPlayed played);
    // Stops the sink; buffers not played by then are not reported.
    ~AudioSinkDevice() override;

    int Write(std::span<const uint8_t> bytes) override;

    // One channel of 16-bit samples at the movies' sample rate.
    static QAudioFormat MovieFormat();

private:
    explicit AudioSinkDevice(movie::BufferPlayed played);
    bool Open(const QAudioDevice& output);

    QThread thread_;
    SinkFeeder* feeder_;  // lives on thread_, deleted there
};

}  // namespace vn::ui
