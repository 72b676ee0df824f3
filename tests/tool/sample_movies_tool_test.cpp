// vnplay-tool on the sample writer's movies, run as a user runs it: what it
// reports of each picture is what the movie's script states.
#include <gtest/gtest.h>

#include "samplewriter/default_movies.h"
#include "tool/run_tool.h"

namespace vn::test {
namespace {

bool Has(const std::string& line, const std::string& text) { return line.find(text) != std::string::npos; }

class ToolOnSampleMovies : public ::testing::TestWithParam<samples::SampleMovie> {
protected:
    void SetUp() override { ASSERT_TRUE(samples::WriteMovie(movie, dir.path())); }

    const samples::SampleMovie& movie = GetParam();
    ScratchDir dir;
};

TEST_P(ToolOnSampleMovies, InfoAndFramesFollowTheScript) {
    const std::string path = dir.File(movie.fileName);
    const ToolRun info = RunTool("info " + path);
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_TRUE(Has(info.out, "\"kind\":" + std::string(movie.rawMovie ? "3" : "2"))) << info.out;
    EXPECT_TRUE(Has(info.out, "\"width\":" + std::to_string(movie.width))) << info.out;
    EXPECT_TRUE(Has(info.out, "\"height\":" + std::to_string(movie.height))) << info.out;
    EXPECT_TRUE(Has(info.out, "\"resolution\":" + std::to_string(movie.timeResolution))) << info.out;

    const ToolRun frames = RunTool("frames " + path + " --audio-out " + dir.File("sound.ima"));
    ASSERT_EQ(frames.status, 0) << frames.err;
    const std::vector<std::string> lines = frames.OutLines();
    ASSERT_EQ(lines.size(), static_cast<size_t>(movie.pictureCount) + 1);
    for (int p = 0; p < movie.pictureCount; ++p) {
        const std::string& line = lines[static_cast<size_t>(p)];
        EXPECT_TRUE(Has(line, movie.IsIntra(p) ? "\"type\":\"I\"" : "\"type\":\"P\"")) << line;
        const std::string audio = movie.rawMovie ? std::to_string(movie.audioBytesPerPicture) : "null";
        EXPECT_TRUE(Has(line, "\"audio_len\":" + audio)) << line;
    }
    EXPECT_EQ(lines.back(), "{\"end\":-1}");
    EXPECT_EQ(ReadBytes(dir.File("sound.ima")).size(), movie.AudioBytes());
}

INSTANTIATE_TEST_SUITE_P(DefaultMovies, ToolOnSampleMovies, testing::ValuesIn(samples::DefaultMovies()),
                         [](const testing::TestParamInfo<samples::SampleMovie>& info) {
                             return info.param.rawMovie ? std::string("RawMovie") : std::string("Stream");
                         });

}  // namespace
}  // namespace vn::test
