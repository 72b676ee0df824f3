// What the tool writes for a good recording: bitmaps of the decoded frames
// and of their DC-only images, and one line per frame.
#include <gtest/gtest.h>

#include "tool/run_tool.h"

namespace vn::test {
namespace {

int LittleEndian32(const std::vector<unsigned char>& b, size_t at) {
    return static_cast<int>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<unsigned>(b[at + 3]) << 24);
}

const std::string kRecording = std::string(VN_AVI_FIXTURES) + "/evt320.avi";

TEST(ToolDecode, WritesBottomUpBitmapsOfTheRecordingSize) {
    ScratchDir dir;
    ToolRun run = RunTool("decode " + kRecording + " --frame 3 --out " + dir.File("f3.bmp"));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto bmp = ReadBytes(dir.File("f3.bmp"));
    ASSERT_EQ(bmp.size(), 54u + 960u * 240u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(LittleEndian32(bmp, 10), 54);
    EXPECT_EQ(LittleEndian32(bmp, 14), 40);
    EXPECT_EQ(LittleEndian32(bmp, 18), 320);
    EXPECT_EQ(LittleEndian32(bmp, 22), 240);
    EXPECT_EQ(bmp[28], 24);
}

TEST(ToolDecode, EmbeddedTimeGoesInABandBelowTheFrame) {
    ScratchDir dir;
    ToolRun run = RunTool("decode " + kRecording + " --frame 3 --embed-time --out " + dir.File("f3.bmp"));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto bmp = ReadBytes(dir.File("f3.bmp"));
    ASSERT_EQ(LittleEndian32(bmp, 22), 256);
    // Bottom-up rows: the band is the first 16 rows of the file, black with white glyphs.
    int white = 0, other = 0;
    for (size_t at = 54; at < 54 + 16 * 960; at += 3) {
        if (bmp[at] == 255 && bmp[at + 1] == 255 && bmp[at + 2] == 255)
            ++white;
        else if (bmp[at] != 0 || bmp[at + 1] != 0 || bmp[at + 2] != 0)
            ++other;
    }
    EXPECT_GT(white, 100);
    EXPECT_EQ(other, 0);
    EXPECT_EQ(RunTool("decode " + kRecording + " --frame 3 --dc --embed-time --out x.bmp").status, 2);
}

TEST(ToolDecode, DcImagesHaveOnePixelPerBlockAndAllFramesGetAFile) {
    ScratchDir dir;
    ToolRun run = RunTool("decode " + kRecording + " --all --dc --out-dir " + dir.path());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.OutLines().size(), 40u);
    const auto first = ReadBytes(dir.File("frame_00000.bmp"));
    const auto last = ReadBytes(dir.File("frame_00039.bmp"));
    ASSERT_EQ(first.size(), 54u + 120u * 30u);  // 40 x 30 blocks, rows of 120 bytes
    EXPECT_EQ(LittleEndian32(first, 18), 40);
    EXPECT_EQ(LittleEndian32(first, 22), 30);
    EXPECT_EQ(last.size(), first.size());
}

TEST(ToolFrames, EventRecordingCountsEventsInsteadOfTime) {
    ToolRun run = RunTool("frames " + kRecording);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.OutLines();
    ASSERT_EQ(lines.size(), 40u);
    EXPECT_NE(lines[2].find("\"elapsed_text\":\"1 of 5\""), std::string::npos) << lines[2];
    EXPECT_NE(lines[3].find("\"elapsed_text\":\"2 of 5\""), std::string::npos) << lines[3];
    EXPECT_NE(lines[39].find("\"elapsed_text\":\"5 of 5\""), std::string::npos) << lines[39];
    EXPECT_NE(lines[10].find("\"event_byte\":null"), std::string::npos) << "frame 10 has no APP5";
}

}  // namespace
}  // namespace vn::test
