// A sound device for tests of the raw movies' sound: it keeps every buffer
// written to it and plays one when the test says, reporting it the way a
// device reports from its thread; the reports wait in a queue, as posted
// messages wait for the window thread.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "movie/audio_output.h"

namespace vn::test {

class ScriptedAudio {
public:
    using Bytes = std::vector<uint8_t>;

    // The output's device maker.
    movie::AudioDeviceMaker Maker() {
        return [this](movie::BufferPlayed played) {
            played_ = std::move(played);
            return std::make_unique<Device>(*this);
        };
    }
    // What the output posts.
    movie::PostAudioNotice Poster() {
        return [this](const movie::AudioNotice& notice) { posted.push_back(notice); };
    }

    // The device plays its oldest buffer and reports it.
    void PlayOne() { played_(); }
    // The oldest notice waiting, taken out of the queue; false when none waits.
    bool TakeNotice(movie::AudioNotice& notice) {
        if (posted.empty()) return false;
        notice = posted.front();
        posted.pop_front();
        return true;
    }

    // Every byte the device was given, in order.
    Bytes AllWritten() const {
        Bytes all;
        for (const Bytes& buffer : written) all.insert(all.end(), buffer.begin(), buffer.end());
        return all;
    }

    std::vector<Bytes> written;
    std::deque<movie::AudioNotice> posted;
    int refusals = 0;  // writes to refuse before taking any again

private:
    class Device : public movie::AudioDevice {
    public:
        explicit Device(ScriptedAudio& audio) : audio_(audio) {}
        int Write(std::span<const uint8_t> bytes) override {
            if (audio_.refusals > 0) {
                --audio_.refusals;
                return -1;
            }
            audio_.written.emplace_back(bytes.begin(), bytes.end());
            return 0;
        }

    private:
        ScriptedAudio& audio_;
    };

    movie::BufferPlayed played_;
};

}  // namespace vn::test
