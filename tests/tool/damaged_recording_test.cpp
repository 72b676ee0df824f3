// The tool on recordings that are damaged in the ways cards and copies damage
// them: it reports what it cannot use, shows what it can, and never crashes.
#include <gtest/gtest.h>

#include <cstring>

#include "tool/run_tool.h"

namespace vn::test {
namespace {

using Bytes = std::vector<unsigned char>;

constexpr int kFrames = 40;               // evt320.avi
constexpr size_t kIndexEntries = 198356;  // its first index entry

void PutU32(Bytes& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

uint32_t GetU32(const Bytes& bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | bytes[at + i];
    return value;
}

class DamagedRecording : public ::testing::Test {
protected:
    DamagedRecording() : original(ReadBytes(std::string(VN_AVI_FIXTURES) + "/evt320.avi")) {}

    std::string Write(const Bytes& bytes) {
        const std::string path = dir.File("damaged.avi");
        WriteBytes(path, bytes);
        return path;
    }

    ScratchDir dir;
    Bytes original;
};

TEST_F(DamagedRecording, MissingFileAndNonRecordingsAreRefusedClearly) {
    ToolRun missing = RunTool("info " + dir.File("nothing.avi"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("No such file"), std::string::npos) << missing.err;
    EXPECT_TRUE(missing.out.empty());

    ToolRun text = RunTool("info " + Write(Bytes(5000, 'x')));
    EXPECT_EQ(text.status, 1);
    EXPECT_NE(text.err.find("not a usable recording"), std::string::npos) << text.err;

    ToolRun folder = RunTool("frames " + dir.path());
    EXPECT_EQ(folder.status, 1);
}

TEST_F(DamagedRecording, TruncatedFileLosesItsIndex) {
    Bytes truncated(original.begin(), original.begin() + static_cast<long>(original.size() / 2));
    ToolRun run = RunTool("frames " + Write(truncated));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("not a usable recording"), std::string::npos) << run.err;
}

TEST_F(DamagedRecording, AbsurdHeaderValuesAreRefused) {
    for (auto [offset, value] : {std::pair{64, 100000u}, {68, 0xFFFFFFF0u}, {48, 0x7FFFFFFFu}, {48, 0u}}) {
        Bytes bytes = original;
        PutU32(bytes, offset, value);
        ToolRun run = RunTool("frames " + Write(bytes));
        EXPECT_EQ(run.status, 1) << "offset " << offset;
        EXPECT_FALSE(run.err.empty());
    }
}

TEST_F(DamagedRecording, BadIndexTagRefusesTheRecording) {
    Bytes bytes = original;
    std::memcpy(&bytes[kIndexEntries + 16 * 5], "01wb", 4);
    ToolRun run = RunTool("info " + Write(bytes));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("result -1"), std::string::npos) << run.err;
}

TEST_F(DamagedRecording, FramesOutsideTheFileFailOnTheirOwn) {
    Bytes bytes = original;
    PutU32(bytes, kIndexEntries + 16 * 7 + 8, 0xFFFFFF00u);   // frame 7 far past the end
    PutU32(bytes, kIndexEntries + 16 * 9 + 12, 0x7FFFFFFFu);  // frame 9 longer than any frame
    ToolRun run = RunTool("frames " + Write(bytes));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.OutLines();
    ASSERT_EQ(lines.size(), static_cast<size_t>(kFrames));
    EXPECT_NE(lines[7].find("\"read_result\":-3"), std::string::npos) << lines[7];
    EXPECT_NE(lines[9].find("\"read_result\":-3"), std::string::npos) << lines[9];
    EXPECT_NE(lines[8].find("\"read_result\":0,\"decode_result\":0"), std::string::npos) << lines[8];
}

TEST_F(DamagedRecording, CorruptedEntropyDataIsABadFrameNotACrash) {
    Bytes bytes = original;
    const uint32_t frame12 = GetU32(bytes, kIndexEntries + 16 * 12 + 8);
    const uint32_t length = GetU32(bytes, kIndexEntries + 16 * 12 + 12);
    for (uint32_t i = length / 2; i < length; i += 7) bytes[frame12 + 8 + i] ^= 0x5A;
    const std::string path = Write(bytes);

    ToolRun frames = RunTool("frames " + path);
    ASSERT_EQ(frames.status, 0) << frames.err;
    const auto lines = frames.OutLines();
    ASSERT_EQ(lines.size(), static_cast<size_t>(kFrames));
    EXPECT_EQ(lines[12].find("\"decode_result\":0,"), std::string::npos) << lines[12];
    EXPECT_EQ(lines[12].find("\"date\":\""), std::string::npos) << "a bad frame is not presented";
    // Its camera records precede the damage, but its capture time is not shown either.
    EXPECT_NE(lines[12].find("\"frame_clock\":null"), std::string::npos) << lines[12];
    EXPECT_NE(lines[13].find("\"decode_result\":0,"), std::string::npos) << lines[13];

    ToolRun decode = RunTool("decode " + path + " --frame 12 --out " + dir.File("f12.bmp"));
    EXPECT_EQ(decode.status, 0) << decode.err;
    EXPECT_GT(ReadBytes(dir.File("f12.bmp")).size(), 54u);
}

TEST(ToolUsage, ExplainsWhatItNeeds) {
    EXPECT_EQ(RunTool("").status, 2);
    EXPECT_EQ(RunTool("play x.avi").status, 2);
    ToolRun noFrame = RunTool("decode x.avi --out y.bmp");
    EXPECT_EQ(noFrame.status, 2);
    EXPECT_NE(noFrame.err.find("--frame"), std::string::npos);
    ToolRun badNumber = RunTool("decode x.avi --frame three --out y.bmp");
    EXPECT_EQ(badNumber.status, 2);
    EXPECT_NE(badNumber.err.find("whole number"), std::string::npos) << badNumber.err;
    ToolRun outOfRange = RunTool(std::string("decode ") + VN_AVI_FIXTURES + "/evt320.avi --frame 40 --out y.bmp");
    EXPECT_EQ(outOfRange.status, 2);
    EXPECT_NE(outOfRange.err.find("out of range"), std::string::npos) << outOfRange.err;
}

}  // namespace
}  // namespace vn::test
