// The tool on files made to hurt a reader: counts and sizes that only the
// file's own bytes can back, and gigabytes of nothing behind a good head.
// Every run must end within the time bound (the hangs these files caused
// took minutes to hours) and stay within the memory bound.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "samplewriter/camera_avi.h"
#include "tool/run_tool.h"

namespace vn::test {
namespace {

using Bytes = std::vector<unsigned char>;

// The bound on any run; unoptimised builds, with their run-time checks, get
// ten times as long. A run that hangs is killed at kKillSeconds.
#ifdef NDEBUG
constexpr double kSecondsPerRun = 1.0;
#else
constexpr double kSecondsPerRun = 10.0;
#endif
constexpr int kKillSeconds = 30;
// Peak resident size of any run, sanitizer run-times included; a reader that
// sized its buffers by a header's word would take gigabytes.
constexpr long kMemoryBoundKiB = 512 << 10;
constexpr uint64_t kFourGiB = uint64_t{1} << 32;

constexpr size_t kIndex = 198348;  // evt320.avi: its "idx1" chunk
constexpr size_t kEntries = kIndex + 8;

void PutU32(Bytes& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

uint32_t GetU32(const Bytes& bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | bytes[at + i];
    return value;
}

class HostileFile : public ::testing::Test {
protected:
    HostileFile() : recording(ReadBytes(std::string(VN_AVI_FIXTURES) + "/evt320.avi")) {}

    ToolRun Run(const std::string& arguments) {
        ToolRun run = RunToolWithin(arguments, kKillSeconds);
        EXPECT_NE(run.status, 137) << arguments << ": killed after " << kKillSeconds << " s";
        EXPECT_LT(run.seconds, kSecondsPerRun) << arguments;
        EXPECT_LT(PeakToolMemoryKiB(), kMemoryBoundKiB) << arguments;
        return run;
    }

    std::string Write(const Bytes& bytes, const char* name = "hostile.avi") {
        const std::string path = dir.File(name);
        WriteBytes(path, bytes);
        return path;
    }

    // The bytes, then nothing up to size: a sparse file where the file
    // system keeps holes, so that the test costs no disk.
    std::string WriteSparse(const Bytes& bytes, uint64_t size, const char* name = "sparse.avi") {
        const std::string path = Write(bytes, name);
        struct stat status {};
        if (truncate(path.c_str(), static_cast<off_t>(size)) != 0 || stat(path.c_str(), &status) != 0 ||
            static_cast<uint64_t>(status.st_blocks) * 512 > size / 2) {
            return {};
        }
        return path;
    }

    // The picture bytes of evt320's frame i, as its index places them.
    Bytes Frame(int i) const {
        const size_t entry = kEntries + 16 * static_cast<size_t>(i);
        const auto data = recording.begin() + GetU32(recording, entry + 8) + 8;
        return Bytes(data, data + GetU32(recording, entry + 12));
    }

    ScratchDir dir;
    Bytes recording;
};

TEST_F(HostileFile, CountsNear2To31AreHeldToTheBytesPresent) {
    Bytes bytes = recording;
    PutU32(bytes, kIndex + 4, 0x7FFFFFF0u);  // the index chunk claims 2^27 entries
    ToolRun run = Run("frames " + Write(bytes));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.OutLines().size(), 40u);

    PutU32(bytes, 48, 0x7FFFFFF0u);
    run = Run("info " + Write(bytes));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("frame count does not fit the file"), std::string::npos) << run.err;
}

TEST_F(HostileFile, FrameOffsetsAndLengthsBeyondTheFileSpoilOnlyTheirFrames) {
    Bytes bytes = recording;
    PutU32(bytes, kEntries + 16 * 2 + 8, static_cast<uint32_t>(bytes.size() + 1000));
    PutU32(bytes, kEntries + 16 * 3 + 12, 0);
    PutU32(bytes, kEntries + 16 * 4 + 12, 0x7FFFFFFFu);
    const ToolRun run = Run("frames " + Write(bytes));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.OutLines();
    ASSERT_EQ(lines.size(), 40u);
    EXPECT_NE(lines[2].find("\"read_result\":-3"), std::string::npos) << lines[2];
    EXPECT_NE(lines[3].find("\"read_result\":0,\"decode_result\":-1"), std::string::npos) << lines[3];
    EXPECT_NE(lines[4].find("\"read_result\":-3"), std::string::npos) << lines[4];
    EXPECT_NE(lines[5].find("\"decode_result\":0"), std::string::npos) << lines[5];
}

TEST_F(HostileFile, AHugeHeaderSizeOverSmallFramesIsRefusedWithBothSizes) {
    Bytes bytes = recording;
    PutU32(bytes, 64, 8192);
    PutU32(bytes, 68, 8192);
    const ToolRun run = Run("frames " + Write(bytes));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("frames are 320 x 240, the header says 8192 x 8192"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
}

TEST_F(HostileFile, FourGiBOfNothingBehindAGoodHead) {
    // The whole recording, then a hole: it plays as it is.
    const std::string whole = WriteSparse(recording, kFourGiB);
    if (whole.empty()) GTEST_SKIP() << "the file system keeps no sparse files";
    ToolRun run = Run("frames " + whole);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.OutLines().size(), 40u);

    // The frames without their index, then zeros that read as empty chunks.
    const Bytes head(recording.begin(), recording.begin() + kIndex);
    run = Run("info " + WriteSparse(head, kFourGiB));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no frame index"), std::string::npos) << run.err;

    // An index chunk and a header count that reach into the hole: the
    // entries end at the first one of zeros, and so do the frames.
    Bytes claims = recording;
    PutU32(claims, kIndex + 4, 0xFFFFFFF0u);
    PutU32(claims, 48, 0x0FFFFFFFu);
    run = Run("info " + WriteSparse(claims, kFourGiB));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("bad frame index entry"), std::string::npos) << run.err;
}

TEST_F(HostileFile, FourGiBOfNothingBehindAGoodStream) {
    const Bytes stream = ReadBytes(std::string(VN_MOVIE_FIXTURES) + "/j_mq_zero_176x144_dcthr.m4v");
    const std::string path = WriteSparse(stream, kFourGiB, "sparse.m4v");
    if (path.empty()) GTEST_SKIP() << "the file system keeps no sparse files";
    ToolRun run = Run("frames " + path);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.OutLines();
    ASSERT_GT(lines.size(), 1u);
    EXPECT_EQ(lines.back(), "{\"end\":-1}");

    // From inside the hole no intra picture is near enough in either direction.
    const std::string middle = std::to_string(kFourGiB / 1024 / 2);
    for (const char* direction : {"1", "-1"}) {
        run = Run("seek " + path + " --position " + middle + " --step 1 --direction " + direction);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("\"result\":0"), std::string::npos) << run.out;
    }
}

TEST_F(HostileFile, AGigabyteChunkBeforeTheFramesIsNotCopiedAsTheExportsHeader) {
    // A model tag chunk that claims 2 GiB, all of it a hole: the recording
    // opens and plays, but its header is not a camera's.
    samples::CameraAviOptions options;
    options.modelTag = "TLC200";
    options.index = samples::CameraAviOptions::Index::AfterRiff;
    Bytes file = samples::BuildCameraAvi(options, std::vector<Bytes>(4, Frame(0)));
    const size_t junk = std::search(file.begin(), file.end(), std::begin("JUNK"), std::end("JUNK") - 1) - file.begin();
    const size_t junkEnd = junk + 8 + GetU32(file, junk + 4);
    constexpr uint32_t kHole = 1u << 31;
    PutU32(file, 4, GetU32(file, 4) + kHole);
    PutU32(file, junk + 4, GetU32(file, junk + 4) + kHole);
    const std::string path = WriteSparse(Bytes(file.begin(), file.begin() + junkEnd), junkEnd + kHole, "junk.avi");
    if (path.empty()) GTEST_SKIP() << "the file system keeps no sparse files";
    std::FILE* rest = std::fopen(path.c_str(), "ab");
    ASSERT_NE(rest, nullptr);
    ASSERT_EQ(std::fwrite(file.data() + junkEnd, 1, file.size() - junkEnd, rest), file.size() - junkEnd);
    ASSERT_EQ(std::fclose(rest), 0);

    EXPECT_EQ(Run("frames " + path).OutLines().size(), 4u);
    const ToolRun run = Run("export " + path + " --first 1 --last 4 --avi " + dir.File("out.avi"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("\"result\": \"header cannot be copied\""), std::string::npos) << run.out;
}

TEST_F(HostileFile, AFileCutShortWhileTheToolReadsItFailsTheFramesItLost) {
    // evt320's frames over and over: their lines fill the pipe long before
    // the last one, so the tool waits on its output part way through while
    // the file is cut behind frame kKept.
    constexpr int kFrames = 1200;
    constexpr int kKept = 600;
    std::vector<Bytes> frames;
    for (int i = 0; i < kFrames; ++i) frames.push_back(Frame(i % 40));
    const Bytes file = samples::BuildCameraAvi({}, frames);
    const std::string path = Write(file, "long.avi");
    const size_t entries = file.size() - 16 * kFrames;  // the index closes the file
    const off_t cut = GetU32(file, entries + 16 * kKept + 8) + 5;

    std::FILE* out = popen(("exec " + std::string(VNPLAY_TOOL) + " frames " + path + " 2>/dev/null").c_str(), "r");
    ASSERT_NE(out, nullptr);
    std::vector<std::string> lines;
    char line[1024];
    // The first line: the file is open and its index read.
    ASSERT_NE(std::fgets(line, sizeof line, out), nullptr);
    lines.emplace_back(line);
    ASSERT_EQ(truncate(path.c_str(), cut), 0);
    while (std::fgets(line, sizeof line, out) != nullptr) lines.emplace_back(line);
    const int status = pclose(out);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    ASSERT_EQ(lines.size(), static_cast<size_t>(kFrames));
    for (int i = 0; i < kFrames; ++i) {
        const char* expected = i < kKept ? "\"read_result\":0,\"decode_result\":0" : "\"read_result\":-3";
        ASSERT_NE(lines[i].find(expected), std::string::npos) << "frame " << i << ": " << lines[i];
    }
}

}  // namespace
}  // namespace vn::test
