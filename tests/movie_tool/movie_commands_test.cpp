#include "tool/movie_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/hand_made_movie.h"

namespace vn::tool {
namespace {

using test::HandMadeMovie;

class MovieCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::path(::testing::TempDir()) /
              ("movie_commands_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        movie.Audio(300, 44);
        movie.ClockRecord();
        movie.Vop(0);
        movie.Audio(20, 0, 100);
        movie.Vop(1);
        movie.FillTo(2100);
        path = (dir / "clip.MVM").string();
        ASSERT_TRUE(movie.Write(path));
    }

    // Runs a command on argv (after the program and command names); stdout in out.
    int Run(int (*command)(Arguments&), std::vector<std::string> words) {
        std::vector<char*> argv{const_cast<char*>("vnplay-tool"), const_cast<char*>("cmd")};
        for (auto& w : words) argv.push_back(w.data());
        Arguments args(static_cast<int>(argv.size()), argv.data(), 2,
                       {"position", "step", "direction", "read", "out-dir", "deblock", "picture", "out", "audio-out"},
                       {"all", "honour-skip", "force-bw"});
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        const int status = command(args);
        out = ::testing::internal::GetCapturedStdout();
        err = ::testing::internal::GetCapturedStderr();
        return status;
    }

    static std::vector<uint8_t> FileBytes(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    HandMadeMovie movie;
    std::filesystem::path dir;
    std::string path, out, err;
};

TEST(MovieKind, ByExtensionIgnoringCase) {
    EXPECT_EQ(MovieKind("a/CLIP.M4V"), 2);
    EXPECT_EQ(MovieKind("clip.mvm"), 3);
    EXPECT_EQ(MovieKind("clip.avi"), 0);
    EXPECT_EQ(MovieKind("m4v"), 0);
    EXPECT_TRUE(IsMovieFile("x.Mvm"));
    EXPECT_FALSE(IsMovieFile("x.mvm.bak"));
}

TEST_F(MovieCommandsTest, InfoDescribesTheStream) {
    ASSERT_EQ(Run(RunMovieInfo, {path}), 0);
    EXPECT_EQ(out,
              "{\"kind\":3,\"length\":2,\"width\":32,\"height\":32,\"resolution\":30,"
              "\"time_increment_bits\":5,\"header_end\":" +
                  std::to_string(movie.headerEnd()) + "}\n");
}

TEST_F(MovieCommandsTest, UnusableFilesAndUsageErrorsHaveTheirStatus) {
    EXPECT_EQ(Run(RunMovieInfo, {(dir / "none.m4v").string()}), 1);
    EXPECT_NE(err.find("none.m4v"), std::string::npos);
    EXPECT_EQ(Run(RunMovieInfo, {}), 2);
    EXPECT_EQ(Run(RunMovieDecode, {path, "--out", "x.bmp"}), 2);
    EXPECT_EQ(Run(RunMovieDecode, {path, "--picture", "0", "--out", "x.bmp", "--deblock", "3"}), 2);
    EXPECT_EQ(Run(RunMovieDecode, {path, "--all"}), 2);
    EXPECT_EQ(Run(RunMovieSeek, {path, "--position", "0", "--direction", "1"}), 2);
    EXPECT_EQ(Run(RunMovieSeek, {path, "--position", "x", "--step", "1", "--direction", "1"}), 2);
    EXPECT_EQ(Run(RunMovieSeek, {path, "--position", "0", "--step", "0", "--direction", "1"}), 2);
}

TEST_F(MovieCommandsTest, FramesListsEveryReadAndDumpsTheAudio) {
    const std::string audio = (dir / "audio.bin").string();
    ASSERT_EQ(Run(RunMovieFrames, {path, "--audio-out", audio}), 0);
    EXPECT_EQ(out,
              "{\"i\":0,\"pos\":0,\"quant\":8,\"audio_len\":300,\"type\":\"I\",\"skipped\":0}\n"
              "{\"i\":1,\"pos\":0,\"quant\":8,\"audio_len\":20,\"type\":\"P\",\"skipped\":0}\n"
              "{\"end\":-1}\n");
    std::vector<uint8_t> expected = HandMadeMovie::Counting(300);
    const auto second = HandMadeMovie::Counting(20, 100);
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(FileBytes(audio), expected);

    ASSERT_EQ(Run(RunMovieFrames, {path, "--honour-skip", "--audio-out", audio}), 0);
    EXPECT_NE(out.find("\"audio_len\":256"), std::string::npos);
    EXPECT_EQ(FileBytes(audio).size(), 276u);
}

TEST_F(MovieCommandsTest, DecodeWritesOnePictureOrAll) {
    const auto bmp = dir / "one.bmp";
    ASSERT_EQ(Run(RunMovieDecode, {path, "--picture", "1", "--out", bmp.string(), "--force-bw"}), 0);
    EXPECT_EQ(FileBytes(bmp).size(), 54u + 96u * 32u);
    EXPECT_EQ(Run(RunMovieDecode, {path, "--picture", "2", "--out", bmp.string()}), 1);

    const auto all = dir / "all";
    ASSERT_EQ(Run(RunMovieDecode, {path, "--all", "--out-dir", all.string(), "--deblock", "0"}), 0);
    EXPECT_TRUE(std::filesystem::exists(all / "frame_00000.bmp"));
    EXPECT_TRUE(std::filesystem::exists(all / "frame_00001.bmp"));
    EXPECT_FALSE(std::filesystem::exists(all / "frame_00002.bmp"));
}

TEST_F(MovieCommandsTest, SeekReportsTheResultTheOffsetAndTheReadsAfter) {
    const auto then = dir / "then";
    ASSERT_EQ(Run(RunMovieSeek, {path, "--position", "-2", "--step", "1", "--direction", "1", "--read", "3",
                                 "--out-dir", then.string()}),
              0);
    const size_t record = movie.headerEnd() + 308;
    EXPECT_EQ(out, "{\"result\":0,\"offset\":" + std::to_string(record) +
                       ",\"then\":[{\"pos\":0,\"quant\":8,\"audio_len\":null},"
                       "{\"pos\":0,\"quant\":8,\"audio_len\":20},{\"pos\":-1}]}\n");
    EXPECT_TRUE(std::filesystem::exists(then / "then_00001.bmp"));
    EXPECT_FALSE(std::filesystem::exists(then / "then_00002.bmp"));

    ASSERT_EQ(Run(RunMovieSeek, {path, "--position", "0", "--step", "1", "--direction", "-1"}), 0);
    EXPECT_EQ(out, "{\"result\":0,\"offset\":null,\"then\":[]}\n");
    ASSERT_EQ(Run(RunMovieSeek, {path, "--position", "9", "--step", "1", "--direction", "1"}), 0);
    EXPECT_EQ(out, "{\"result\":-1,\"offset\":null,\"then\":[]}\n");
}

}  // namespace
}  // namespace vn::tool
