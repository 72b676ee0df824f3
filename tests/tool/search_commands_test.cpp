// The searching commands as a user runs them: search over a play list of
// the search samples, motion over whole recordings (damaged ones too, on one
// job or several), events, and scan's refusals.
#include <gtest/gtest.h>

#include <string>

#include "recording/recording.h"
#include "samplewriter/search_samples.h"
#include "tool/run_tool.h"

namespace vn::test {
namespace {

class SearchCommands : public ::testing::Test {
protected:
    void SetUp() override {
        for (const samples::SampleRecording& s : list) {
            ASSERT_TRUE(samples::WriteSample(s, dir.path()));
            // Given last to first, the files form the play list in the order
            // written even where the file system gave them one creation time.
            playList = dir.File(s.fileName) + " " + playList;
        }
    }

    std::string Search(const std::string& options) {
        const ToolRun run = RunTool("search " + playList + options);
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    }
    std::string Ended(int entry, int frame, bool found, const char* label, int scanned) const {
        std::string text = "{\"entry\":" + std::to_string(entry) + ",\"file\":\"" + dir.File(list[entry].fileName) +
                           "\",\"frame\":" + std::to_string(frame) + ",\"found\":" + (found ? "true" : "false");
        if (label) text += ",\"label\":\"" + std::string(label) + "\"";
        return text + ",\"frames_scanned\":" + std::to_string(scanned) + "}\n";
    }

    const std::vector<samples::SampleRecording> list = samples::SearchPlayListSamples();
    const std::string level = std::to_string(list[2].motionThreshold);
    const std::string threshold = " --motion " + level;
    const int foxEnters = list[2].changedFrames.front();
    const int foxLeaves = list[2].changedFrames.back();
    ScratchDir dir;
    std::string playList;
};

TEST_F(SearchCommands, MotionSearchCrossesIntoTheEntryWithTheAnimal) {
    EXPECT_EQ(Search(threshold), Ended(2, foxEnters, true, "Found", 20 + 20 + foxEnters + 1));
    EXPECT_EQ(Search(threshold + " --backward"), Ended(2, foxLeaves - 1, true, "Found", 24 - foxLeaves + 1));
    EXPECT_EQ(Search(threshold + " --from 2:" + std::to_string(foxLeaves)), Ended(2, 23, false, "Search Inactive", 6));
    EXPECT_EQ(Search(threshold + " --backward --from 2:11"), Ended(0, 0, false, "Search Inactive", 11 + 19 + 19));
}

TEST_F(SearchCommands, EventSearchesCrossEntriesAndTheTriggerWalkStaysInItsOwn) {
    EXPECT_EQ(Search(" --events"), Ended(1, 6, true, nullptr, 19 + 7));
    EXPECT_EQ(Search(" --events --from 1:12"), Ended(2, 0, true, nullptr, 7 + 1));
    EXPECT_EQ(Search(" --events --from 2:0"), Ended(2, 23, false, nullptr, 23));
    // Backward, frame 0 is never looked at: not the fox's entry's, not the first's.
    EXPECT_EQ(Search(" --events --backward --from 2:5"), Ended(1, 12, true, nullptr, 4 + 8));
    EXPECT_EQ(Search(" --events --backward --from 1:6"), Ended(0, 0, false, nullptr, 5 + 19));
    EXPECT_EQ(Search(" --trigger --from 1:3"), Ended(1, 5, true, nullptr, 2));
    // Past the last trigger, the entries after are searched for events.
    EXPECT_EQ(Search(" --trigger --from 1:9"), Ended(2, 0, true, nullptr, 10 + 1));
}

TEST_F(SearchCommands, MotionListsEveryMovingFrameTheSameOnAnyNumberOfJobs) {
    // The fox's recording again, with frame 14's chunk damaged.
    std::vector<unsigned char> bytes = ReadBytes(dir.File(list[2].fileName));
    const std::string damaged = dir.File("DAMAGED.AVI");
    uint32_t frame14 = 0;
    {
        jpeg::JpegDecoder decoder;
        avi::Recording recording(decoder);
        ASSERT_EQ(recording.OpenRecording(dir.File(list[2].fileName)), avi::OpenResult::kOpened);
        ASSERT_EQ(recording.GetFrameEntry(14, &frame14, nullptr), avi::FrameRead::kOk);
    }
    bytes[frame14 + 8 + 2] = 0;  // no segment marker after SOI
    WriteBytes(damaged, bytes);

    const std::string files = dir.File(list[0].fileName) + " " + damaged + " " + dir.File(list[2].fileName);
    const ToolRun one = RunTool("motion " + files + " --threshold " + level);
    ASSERT_EQ(one.status, 0) << one.err;
    const auto lines = one.OutLines();
    std::vector<std::string> moving;
    for (const std::string& line : lines) moving.push_back(line.substr(0, line.find(",\"date\"")));
    const std::string fox = "{\"file\":\"" + dir.File(list[2].fileName) + "\",\"frame\":";
    const std::string hurt = "{\"file\":\"" + damaged + "\",\"frame\":";
    ASSERT_EQ(lines.size(), 7u + 7u + 1u) << one.out;
    EXPECT_EQ(moving[0], hurt + "12");
    EXPECT_EQ(moving[1], hurt + "13");
    EXPECT_EQ(moving[2], hurt + "14,\"unreadable\":true}");
    EXPECT_EQ(moving[3], hurt + "15");  // compared with frame 13
    EXPECT_EQ(moving[7], fox + "12");
    EXPECT_NE(lines[7].find("\"date\":\"2014/05/11\",\"time\":\"20:42:00\",\"changed_blocks\":"), std::string::npos)
        << lines[7];
    EXPECT_EQ(lines.back().substr(0, lines.back().find(",\"seconds\"")), "{\"frames_scanned\":68,\"frames_skipped\":1");

    const ToolRun three = RunTool("motion " + files + " --jobs 3 --threshold " + level);
    ASSERT_EQ(three.status, 0) << three.err;
    auto threeLines = three.OutLines();
    ASSERT_EQ(threeLines.size(), lines.size());
    threeLines.pop_back();
    EXPECT_EQ(threeLines, std::vector<std::string>(lines.begin(), lines.end() - 1));
}

TEST_F(SearchCommands, EventsListEventFramesAndTriggersWithTheirDates) {
    const ToolRun run = RunTool("events " + dir.File(list[1].fileName));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string file = dir.File(list[1].fileName);
    const auto line = [&](const char* kind, int frame, const char* time) {
        return std::string("{\"kind\":\"") + kind + "\",\"file\":\"" + file + "\",\"frame\":" + std::to_string(frame) +
               ",\"date\":\"2014/05/10\",\"time\":\"" + time + "\"}";
    };
    EXPECT_EQ(run.OutLines(),
              (std::vector<std::string>{line("trigger", 5, "22:05:00"), line("event", 6, "22:06:00"),
                                        line("trigger", 8, "22:08:00"), line("event", 12, "22:12:00")}));
}

TEST_F(SearchCommands, UnclearRequestsAreRefused) {
    const std::string file = dir.File(list[2].fileName);
    for (const std::string& arguments :
         {"scan " + file + " --start 0 --end 5", "scan " + file + " --events --trigger --start 0 --end 5",
          "scan " + file + " --events --end 5", "scan " + file + " --motion x --start 0 --end 5",
          "search " + file + " --events --from 1:0", "search " + file + " --events --from 0:24",
          "search " + file + " --motion", "motion " + file, "motion " + file + " --threshold 5 --jobs 0"}) {
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_TRUE(run.out.empty()) << arguments;
        EXPECT_FALSE(run.err.empty()) << arguments;
    }
    const ToolRun missing = RunTool("motion " + dir.File("NONE.AVI") + " " + file + " --threshold 12");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.OutLines().size(), 7u + 1u);
    EXPECT_EQ(RunTool("scan " + file + " --motion 12 --start 0 --end 24").out, "{\"result\":12}\n");
}

}  // namespace
}  // namespace vn::test
