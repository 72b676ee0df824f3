// Movie playback in the player's core, as the window drives it: a raw movie
// played with its sound (pictures paced by the buffers the device plays),
// stepped both ways, sought from the seek bar and rewound; or an MPEG-4
// stream played on its ticks, stepped and rewound.
//   byte 0: bits 0-2 the window size (see WindowSizeFor), bit 3 play as a
//           raw movie with sound, bit 4 single steps
//   byte 1: the seek bar's position, of 255
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "movie/audio_output.h"
#include "movie/movie_file.h"
#include "movie_support.h"
#include "player/raw_movie_playback.h"
#include "player/stream_movie_playback.h"

namespace {

constexpr size_t kSettings = 2;
constexpr int kMaxTicks = 8;
// Buffers the device plays before playing stops: a few pictures' sound.
constexpr int kMaxBuffersPlayed = 24;

// The sound device, played by the harness: each buffer written waits until
// the harness plays it, and the reports wait as the window's messages do.
class Sound {
public:
    vn::movie::AudioDeviceMaker Maker() {
        return [this](vn::movie::BufferPlayed played) {
            played_ = std::move(played);
            return std::make_unique<Device>(*this);
        };
    }
    vn::movie::PostAudioNotice Poster() {
        return [this](const vn::movie::AudioNotice& notice) { notices.push_back(notice); };
    }
    bool PlayOne() {
        if (waiting_ == 0) return false;
        --waiting_;
        played_();
        return true;
    }

    std::deque<vn::movie::AudioNotice> notices;

private:
    class Device : public vn::movie::AudioDevice {
    public:
        explicit Device(Sound& sound) : sound_(sound) {}
        int Write(std::span<const uint8_t>) override {
            ++sound_.waiting_;
            return 0;
        }

    private:
        Sound& sound_;
    };

    vn::movie::BufferPlayed played_;
    int waiting_ = 0;
};

class Shown : public vn::player::RawMovieView {
public:
    void PresentRawPicture(const vn::Picture&, const vn::player::RawPictureShown&) override {}
    void RawPictureRead(const vn::player::MoviePicture&) override {}
    void LogRawMovie(const std::vector<std::string>&) override {}
    void RawMovieEnded() override { ended = true; }
    bool ended = false;
};

void PlayRawMovie(std::span<const uint8_t> stream, const uint8_t* settings, std::vector<uint8_t>& held) {
    Sound sound;
    vn::movie::AudioOutput output(sound.Poster());
    vn::movie::MovieFile movie(&output.ring);
    if (!vn::fuzz::OpenMovie(movie, stream, vn::fuzz::WindowSizeFor(settings[0]), held)) return;
    Shown view;
    vn::player::RawMoviePlayback playback(movie, output, view);
    if (!playback.MakeRing(movie.decoder().width(), movie.decoder().height())) return;
    if (!output.Initialise(sound.Maker())) return;
    if (playback.PrimeRawRing(false)) {
        for (int played = 0; played < kMaxBuffersPlayed && !view.ended;) {
            if (sound.notices.empty()) {
                if (!sound.PlayOne()) break;
                ++played;
                continue;
            }
            const vn::movie::AudioNotice notice = sound.notices.front();
            sound.notices.pop_front();
            playback.AudioMessage(notice);
        }
        playback.StopSound();
    }
    const bool singleStep = (settings[0] & 16) != 0;
    playback.StepForward(singleStep);
    playback.StepBackward();
    playback.SeekBar(settings[1], 255);
    playback.StepForward(singleStep);
    playback.RewindRawMovie();
    output.Close();
}

void PlayStream(std::span<const uint8_t> stream, const uint8_t* settings, std::vector<uint8_t>& held) {
    vn::movie::MovieFile movie;
    if (!vn::fuzz::OpenMovie(movie, stream, vn::fuzz::WindowSizeFor(settings[0]), held)) return;
    vn::player::StreamMoviePlayback playback(movie);
    if (!playback.MakePicture(movie.decoder().width(), movie.decoder().height())) return;
    std::optional<std::string> report;
    for (int i = 0; i < kMaxTicks; ++i) playback.Tick(report);
    playback.StepForward();
    if (playback.RewindStream()) playback.Tick(report);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::vector<uint8_t> held;
    if (size < kSettings) return 0;
    const std::span<const uint8_t> stream(data + kSettings, size - kSettings);
    if ((data[0] & 8) != 0) {
        PlayRawMovie(stream, data, held);
    } else {
        PlayStream(stream, data, held);
    }
    return 0;
}
