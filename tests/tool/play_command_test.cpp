// "vnplay-tool play" on a short raw movie from the sample writer: the
// pictures come in real time, in step with the sound, and the WAV holds the
// whole tone.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "samplewriter/default_movies.h"
#include "tool/run_tool.h"

namespace vn::test {
namespace {

// A value of the one JSON line, `"key":N`.
long Number(const std::string& line, const std::string& key) {
    const size_t at = line.find("\"" + key + "\":");
    if (at == std::string::npos) return -1;
    return std::strtol(line.c_str() + at + key.size() + 3, nullptr, 10);
}

int16_t SampleAt(const std::vector<unsigned char>& wav, size_t i) {
    const size_t at = 44 + 2 * i;
    return static_cast<int16_t>(wav[at] | wav[at + 1] << 8);
}

TEST(PlayCommand, ARawMoviePlaysInRealTimeAndItsToneGoesToTheWav) {
    samples::SampleMovie movie = samples::RawMovieSample();
    movie.pictureCount = 45;  // 3 seconds
    ScratchDir dir;
    ASSERT_TRUE(samples::WriteMovie(movie, dir.path()));

    const ToolRun run = RunTool("play " + dir.File(movie.fileName) + " --null-audio --wav " + dir.File("sound.wav"));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = run.OutLines();
    // Playing from the beginning shows every picture after the first.
    ASSERT_EQ(lines.size(), static_cast<size_t>(movie.pictureCount - 1));
    // The sound's real rate: 249 samples of 16000 a second in each 128-byte block.
    const double msPerPicture = movie.audioBytesPerPicture * 249.0 / 128 / 16;
    // No picture before its sound's time (less what the device holds
    // queued); late ones only on a machine too busy to keep time.
    for (const std::string& line : lines) {
        const long picture = Number(line, "picture");
        EXPECT_GE(Number(line, "ms"), (picture - 1) * msPerPicture - 400) << line;
    }
    EXPECT_LT(Number(lines.back(), "ms"), 2 * movie.pictureCount * msPerPicture + 2000);
    EXPECT_EQ(Number(lines.back(), "picture"), movie.pictureCount - 1);

    const std::vector<unsigned char> wav = ReadBytes(dir.File("sound.wav"));
    ASSERT_GT(wav.size(), 44u);
    const size_t samples = (wav.size() - 44) / 2;
    const size_t blocks = (movie.AudioBytes() + 127) / 128;
    EXPECT_LE(samples, blocks * 249);
    EXPECT_GT(samples, (blocks - 1) * 249);
    int crossings = 0;
    for (size_t i = 1; i < samples; ++i) crossings += (SampleAt(wav, i - 1) < 0) != (SampleAt(wav, i) < 0);
    EXPECT_NEAR(crossings / 2.0 / (samples / 16000.0), movie.toneFrequency, 5);
}

TEST(PlayCommand, RefusesStreamsAndMissingFiles) {
    EXPECT_EQ(RunTool("play MOV0001.M4V --null-audio").status, 2);
    const ToolRun missing = RunTool("play /nonexistent/MOV0002.MVM --null-audio");
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(missing.err.empty());
}

}  // namespace
}  // namespace vn::test
