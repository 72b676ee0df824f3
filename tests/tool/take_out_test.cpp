// The commands that take things out of a recording (export, save-frame) and
// the one that writes the camera's settings file, run as a user runs them.
#include <gtest/gtest.h>

#include <filesystem>

#include "decode/jpeg_decoder.h"
#include "recording/recording.h"
#include "tool/run_tool.h"

namespace vn::test {
namespace {

using Bytes = std::vector<unsigned char>;

const std::string kEvt320 = std::string(VN_AVI_FIXTURES) + "/evt320.avi";

Bytes FrameBytes(const std::string& path, int frame) {
    jpeg::JpegDecoder decoder;
    avi::Recording recording(decoder);
    if (recording.OpenRecording(path) != avi::OpenResult::kOpened || recording.ReadFrame(frame) != avi::FrameRead::kOk)
        return {};
    const auto bytes = recording.LastFrameBytes();
    return Bytes(bytes.begin(), bytes.end());
}

TEST(ToolExport, AviOfEveryTenthFrameWithSummary) {
    ScratchDir dir;
    const ToolRun run = RunTool("export " + kEvt320 + " --first 11 --last 40 --step 10 --avi " + dir.File("out.avi"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"frames_written\": 3"), std::string::npos) << run.out;
    const auto size = std::filesystem::file_size(dir.File("out.avi"));
    EXPECT_NE(run.out.find("\"bytes_written\": " + std::to_string(size)), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(dir.File("out.avi")), std::string::npos);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(FrameBytes(dir.File("out.avi"), k), FrameBytes(kEvt320, 10 + 10 * k));
}

TEST(ToolExport, JpegSeriesAndRefusals) {
    ScratchDir dir;
    const ToolRun run = RunTool("export " + kEvt320 + " --first 39 --last 99 --jpg " + dir.File("evt_.jpg"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(dir.File("evt_00039.jpg")), FrameBytes(kEvt320, 38));
    EXPECT_EQ(ReadBytes(dir.File("evt_00040.jpg")), FrameBytes(kEvt320, 39));
    EXPECT_FALSE(std::filesystem::exists(dir.File("evt_00041.jpg")));

    const ToolRun backwards = RunTool("export " + kEvt320 + " --first 20 --last 10 --avi " + dir.File("no.avi"));
    EXPECT_EQ(backwards.status, 2);
    EXPECT_NE(backwards.err.find("End frame cannot come before start frame"), std::string::npos) << backwards.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("no.avi")));
    EXPECT_EQ(RunTool("export " + kEvt320 + " --first 1 --last 2").status, 2);
    EXPECT_EQ(RunTool("export " + kEvt320 + " --first 1 --last 2 --step 0 --avi x.avi").status, 2);

    const ToolRun nowhere = RunTool("export " + kEvt320 + " --first 1 --last 2 --avi " + dir.File("none/x.avi"));
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_NE(nowhere.out.find("\"result\": \"output not created\""), std::string::npos) << nowhere.out;
}

TEST(ToolSaveFrame, TheFrameAsStored) {
    ScratchDir dir;
    const ToolRun run = RunTool("save-frame " + kEvt320 + " --frame 12 --out " + dir.File("mvfrm00012.jpg"));
    ASSERT_EQ(run.status, 0) << run.err;
    const Bytes saved = ReadBytes(dir.File("mvfrm00012.jpg"));
    EXPECT_EQ(saved, FrameBytes(kEvt320, 11));
    EXPECT_NE(run.out.find("\"bytes\":" + std::to_string(saved.size())), std::string::npos) << run.out;
    EXPECT_EQ(RunTool("save-frame " + kEvt320 + " --frame 0 --out " + dir.File("x.jpg")).status, 2);
    EXPECT_EQ(RunTool("save-frame " + kEvt320 + " --frame 41 --out " + dir.File("x.jpg")).status, 2);
}

TEST(ToolCamset, WritesTheSettingsFileOnTheCard) {
    ScratchDir card;
    const ToolRun run = RunTool("camset --card " + card.path() +
                                " --int1 10 --int2 600 --int3 86400 --flicker 833 --loop --expo-lock --time-offset 60");
    ASSERT_EQ(run.status, 0) << run.err;
    const Bytes file = ReadBytes(card.File("DCIM/100morva/REGISTRY.LDR"));
    ASSERT_EQ(file.size(), 30u);
    const Bytes capture = {0xB6, 0xC3, 16,   0,    0x28, 10, 0, 0x58, 0x02, 0xFF, 0xFF,
                           180,  0,    0x41, 0x03, 60,   0,  2, 0,    3,    0};
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 21), capture);
    EXPECT_EQ(Bytes(file.begin() + 21, file.begin() + 26), (Bytes{0xB6, 0xC3, 4, 0, 0x29}));

    EXPECT_EQ(RunTool("camset --card " + card.path() + " --int1 50000").status, 2);
    EXPECT_EQ(RunTool("camset --card " + card.path() + " --int2 86400").status, 2);
    EXPECT_EQ(RunTool("camset --card " + card.path() + " --flicker 50").status, 2);
    EXPECT_EQ(RunTool("camset --card " + card.path() + " --time-offset 30").status, 2);
    EXPECT_EQ(RunTool("camset --card " + card.File("missing")).status, 1);
}

}  // namespace
}  // namespace vn::test
