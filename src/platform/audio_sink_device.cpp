#include "platform/audio_sink_device.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QByteArray>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <deque>

#include "movie/ima_adpcm.h"

namespace vn::ui {

namespace {

// Often enough that a buffer (62 ms of sound) is reported soon after it has
// played, and that the sink never waits long for what is pending.
constexpr int kPollMs = 5;
constexpr qsizetype kBytesPerSample = 2;

}  // namespace

// The sink and the sound on its way there. Lives on the device's thread and
// is used there only: Write hands it PCM by a queued call.
class SinkFeeder : public QObject {
public:
    explicit SinkFeeder(movie::BufferPlayed played) : played_(std::move(played)) {}
    ~SinkFeeder() override {
        poll_.stop();
        if (sink_ != nullptr) sink_->stop();
    }

    bool Open(const QAudioDevice& output) {
        sink_ = new QAudioSink(output, AudioSinkDevice::MovieFormat(), this);
        io_ = sink_->start();
        if (io_ == nullptr || sink_->error() != QAudio::NoError) return false;
        poll_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&poll_, &QTimer::timeout, this, [this] { Feed(); });
        poll_.start(kPollMs);
        return true;
    }

    void Append(const QByteArray& pcm) {
        pending_.append(pcm);
        samplesWritten_ += pcm.size() / kBytesPerSample;
        ends_.push_back(samplesWritten_ * 1'000'000 / movie::kAdpcmSampleRate);
        Feed();
    }

private:
    // Hands the sink what it has room for, then reports each buffer whose
    // end the sink has played.
    void Feed() {
        if (!pending_.isEmpty()) {
            const qsizetype room = std::min<qsizetype>(sink_->bytesFree(), pending_.size());
            const qint64 written = room > 0 ? io_->write(pending_.constData(), room) : 0;
            if (written > 0) pending_.remove(0, written);
        }
        const qint64 playedUs = sink_->processedUSecs();
        while (!ends_.empty() && ends_.front() <= playedUs) {
            ends_.pop_front();
            played_();
        }
    }

    movie::BufferPlayed played_;
    QAudioSink* sink_ = nullptr;
    QIODevice* io_ = nullptr;
    QTimer poll_{this};
    QByteArray pending_;          // PCM waiting for room in the sink
    int64_t samplesWritten_ = 0;  // all the PCM handed to the sink so far
    std::deque<int64_t> ends_;    // the sink's time (µs) at which each buffer not yet reported ends
};

QAudioFormat AudioSinkDevice::MovieFormat() {
    QAudioFormat format;
    format.setSampleRate(movie::kAdpcmSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

std::unique_ptr<movie::AudioDevice> AudioSinkDevice::Make(movie::BufferPlayed played) {
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull() || !output.isFormatSupported(MovieFormat())) return nullptr;
    std::unique_ptr<AudioSinkDevice> device(new AudioSinkDevice(std::move(played)));
    if (!device->Open(output)) return nullptr;
    return device;
}

AudioSinkDevice::AudioSinkDevice(movie::BufferPlayed played) : feeder_(new SinkFeeder(std::move(played))) {
    feeder_->moveToThread(&thread_);
    thread_.start();
}

bool AudioSinkDevice::Open(const QAudioDevice& output) {
    bool opened = false;
    QMetaObject::invokeMethod(
        feeder_, [this, &output] { return feeder_->Open(output); }, Qt::BlockingQueuedConnection, &opened);
    return opened;
}

// The feeder goes on its own thread; PCM still queued for it goes with it.
AudioSinkDevice::~AudioSinkDevice() {
    QMetaObject::invokeMethod(
        feeder_, [this] { delete feeder_; }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

int AudioSinkDevice::Write(std::span<const uint8_t> bytes) {
    QByteArray pcm(static_cast<qsizetype>(movie::AdpcmSampleCount(bytes.size())) * kBytesPerSample, Qt::Uninitialized);
    movie::DecodeAdpcm(bytes, std::span<int16_t>(reinterpret_cast<int16_t*>(pcm.data()), pcm.size() / kBytesPerSample));
    QMetaObject::invokeMethod(
        feeder_, [feeder = feeder_, pcm] { feeder->Append(pcm); }, Qt::QueuedConnection);
    return 0;
}

}  // namespace vn::ui
