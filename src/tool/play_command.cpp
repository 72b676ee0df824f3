// "play": a raw movie played through the silent paced output exactly as the
// window plays it, one JSON line per picture shown; the sound it played can
// be kept as a WAV file. The device's reports wait in a queue that the main
// thread works off, as the window thread works off its posted messages.
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <fstream>
#include <mutex>
#include <vector>

#include "movie/audio_output.h"
#include "movie/ima_adpcm.h"
#include "movie/movie_file.h"
#include "movie/null_audio_device.h"
#include "player/raw_movie_playback.h"
#include "tool/commands.h"
#include "tool/json_writer.h"
#include "tool/movie_commands.h"

namespace vn::tool {
namespace {

using Clock = std::chrono::steady_clock;

// The device's reports on their way to the main thread.
class NoticeQueue {
public:
    void Post(const movie::AudioNotice& notice) {
        {
            std::lock_guard lock(mutex_);
            notices_.push_back(notice);
        }
        wake_.notify_one();
    }
    // The oldest notice, waiting for one until `until`; false when none came.
    bool Take(Clock::time_point until, movie::AudioNotice& notice) {
        std::unique_lock lock(mutex_);
        if (!wake_.wait_until(lock, until, [this] { return !notices_.empty(); })) return false;
        notice = notices_.front();
        notices_.pop_front();
        return true;
    }

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<movie::AudioNotice> notices_;
};

class PrintedPictures : public player::RawMovieView {
public:
    void PresentRawPicture(const Picture&, const player::RawPictureShown& shown) override {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
        JsonWriter json;
        json.BeginObject().Field("pos", shown.position).Field("picture", shown.number).Field("ms", int64_t{ms});
        std::printf("%s\n", json.EndObject().str().c_str());
        std::fflush(stdout);
    }
    void RawPictureRead(const player::MoviePicture&) override {}
    void LogRawMovie(const std::vector<std::string>&) override {}
    void RawMovieEnded() override { ended = true; }

    Clock::time_point start = Clock::now();
    bool ended = false;
};

void PutLittleEndian(std::ofstream& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>(value >> (8 * i)));
}

// 16-bit mono PCM at the movies' sample rate.
bool WriteWav(const std::string& path, const std::vector<int16_t>& samples) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    PutLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 1, 2);  // PCM
    PutLittleEndian(out, 1, 2);  // one channel
    PutLittleEndian(out, movie::kAdpcmSampleRate, 4);
    PutLittleEndian(out, movie::kAdpcmSampleRate * 2, 4);
    PutLittleEndian(out, 2, 2);
    PutLittleEndian(out, 16, 2);
    out.write("data", 4);
    PutLittleEndian(out, dataBytes, 4);
    for (const int16_t sample : samples) PutLittleEndian(out, static_cast<uint16_t>(sample), 2);
    return static_cast<bool>(out.flush());
}

int Fail(int status, const std::string& message) {
    Complain("play", message);
    return status;
}

int RunPlay(Arguments& args) {
    const auto seconds = args.Integer("seconds");
    if (!args.ok()) return Fail(kExitUsage, args.error());
    if (seconds && *seconds < 1) return Fail(kExitUsage, "--seconds must be 1 or more");
    if (args.positional().size() != 1) return Fail(kExitUsage, "give one .mvm file");
    if (MovieKind(args.positional()[0]) != 3) return Fail(kExitUsage, "plays raw movies (.mvm)");
    const auto wavPath = args.Text("wav");

    // The queue outlives the output, whose device posts into it until it goes.
    NoticeQueue queue;
    movie::AudioOutput output([&queue](const movie::AudioNotice& notice) { queue.Post(notice); });
    movie::MovieFile movie(&output.ring);
    if (movie.OpenStream(args.positional()[0]) < 1) return Fail(kExitUnusable, movie.openFailure());
    PrintedPictures view;
    player::RawMoviePlayback playback(movie, output, view);
    if (!playback.MakeRing(movie.decoder().width(), movie.decoder().height())) {
        return Fail(kExitUnusable, "no pictures can be made for the stream's size");
    }
    std::mutex pcmMutex;
    std::vector<int16_t> pcm;
    output.Initialise([&](movie::BufferPlayed played) {
        movie::NullAudioDevice::PcmSink sink;
        if (wavPath) {
            sink = [&](std::span<const int16_t> samples) {
                std::lock_guard lock(pcmMutex);
                pcm.insert(pcm.end(), samples.begin(), samples.end());
            };
        }
        return std::make_unique<movie::NullAudioDevice>(std::move(played), std::move(sink));
    });

    view.start = Clock::now();
    if (!playback.PrimeRawRing(false)) return Fail(kExitUnusable, "the movie's first pictures cannot be read");
    const Clock::time_point end = seconds ? view.start + std::chrono::seconds(*seconds) : Clock::time_point::max();
    movie::AudioNotice notice;
    while (!view.ended && queue.Take(end, notice)) playback.AudioMessage(notice);
    playback.StopSound();
    output.Close();

    std::lock_guard lock(pcmMutex);
    if (wavPath && !WriteWav(*wavPath, pcm)) return Fail(kExitUnusable, "cannot write " + *wavPath);
    return 0;
}

}  // namespace

const Command kPlayCommand{"play",
                           "a raw movie played in real time through the silent output",
                           "usage: vnplay-tool play MOVIE.mvm [--null-audio] [--seconds S] [--wav OUT.wav]\n"
                           "\n"
                           "Plays a raw movie as the player does, its pictures paced by its sound,\n"
                           "through the silent output that takes each sound buffer's playing time\n"
                           "(the tool's only output; --null-audio says so). Prints one JSON line per\n"
                           "picture shown: \"pos\", the stream position after it in units of 1024\n"
                           "bytes; \"picture\", its number in the stream; \"ms\", milliseconds since\n"
                           "play started.\n"
                           "\n"
                           "Options:\n"
                           "  --null-audio      play through the silent output\n"
                           "  --seconds S       stop after S seconds\n"
                           "  --wav OUT.wav     write the sound played as 16-bit PCM, 16000 Hz, mono\n",
                           {"seconds", "wav"},
                           {"null-audio"},
                           nullptr,
                           RunPlay};

}  // namespace vn::tool
