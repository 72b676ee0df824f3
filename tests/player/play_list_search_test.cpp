// Searches crossing play-list entries where the entries are unusual: a
// recording of one frame, a movie, a file that cannot be opened.
#include "player/play_list_search.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <unistd.h>

#include "samplewriter/camera_avi.h"
#include "samplewriter/jpeg_encoder.h"

namespace vn::player {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Grey(uint8_t level) {
    const std::vector<uint8_t> rgb(16 * 16 * 3, level);
    return samples::EncodeJpeg(rgb.data(), 16, 16, 100);
}

class CrossingSearch : public ::testing::Test {
protected:
    CrossingSearch() : folder_(std::filesystem::temp_directory_path() / ("vn_search_" + std::to_string(getpid()))) {
        std::filesystem::create_directories(folder_);
    }
    ~CrossingSearch() override { std::filesystem::remove_all(folder_); }

    void Add(const std::string& name, const std::vector<Bytes>& frames) {
        samples::CameraAviOptions options;
        options.width = options.height = 16;
        const std::string path = (folder_ / name).string();
        samples::SaveFile(path, samples::BuildCameraAvi(options, frames));
        // Entries in the order added whatever the files' creation times.
        playList.AddEntry(path, playList.g_nPlayListCount(), false);
    }
    SearchEnd Search(int entry, int frame, int direction) {
        EXPECT_EQ(recording.OpenRecording(playList.Path(entry)), avi::OpenResult::kOpened);
        recording.SetFrame(frame);
        PlayListSearch search(recording, playList, [&](int i) {
            opened.push_back(i);
            return recording.OpenRecording(playList.Path(i)) == avi::OpenResult::kOpened;
        });
        return search.MotionSearch(entry, direction, 10);
    }

    std::filesystem::path folder_;
    PlayList playList;
    jpeg::JpegDecoder decoder;
    avi::Recording recording{decoder};
    std::vector<int> opened;
};

TEST_F(CrossingSearch, BackwardSearchGoesOnThroughARecordingOfOneFrame) {
    Add("a.avi", {Grey(90), Grey(50), Grey(90)});
    Add("b.avi", {Grey(90)});
    Add("c.avi", {Grey(90), Grey(90)});
    const SearchEnd end = Search(2, 1, -1);
    EXPECT_EQ(opened, (std::vector<int>{1, 0}));
    EXPECT_TRUE(end.found);
    EXPECT_EQ(end.entry, 0);
    EXPECT_EQ(end.frame, 1);
    EXPECT_EQ(end.framesScanned, 1 + 2);
}

TEST_F(CrossingSearch, MoviesArePassedOverAndAFileThatWillNotOpenEndsTheSearch) {
    Add("a.avi", {Grey(90), Grey(90)});
    Add("b.m4v", {Grey(90)});
    Add("c.avi", {Grey(90), Grey(50)});
    SearchEnd end = Search(0, 0, 1);
    EXPECT_EQ(opened, (std::vector<int>{2}));
    EXPECT_EQ(end.entry, 2);
    EXPECT_EQ(end.frame, 1);

    opened.clear();
    std::filesystem::resize_file(playList.Path(2), 10);
    end = Search(0, 0, 1);
    EXPECT_EQ(opened, (std::vector<int>{2}));
    EXPECT_FALSE(end.opened);
    EXPECT_EQ(end.entry, 2);
}

// The field's text: its leading number after an optional sign, else 0.
TEST(MotionThreshold, IsTheLeadingNumberOfTheFieldsText) {
    EXPECT_EQ(ReadMotionThreshold("12"), 12);
    EXPECT_EQ(ReadMotionThreshold("00"), 0);
    EXPECT_EQ(ReadMotionThreshold("abc"), 0);
    EXPECT_EQ(ReadMotionThreshold(""), 0);
    EXPECT_EQ(ReadMotionThreshold("25 blocks"), 25);
    EXPECT_EQ(ReadMotionThreshold("-7"), -7);
    EXPECT_EQ(ReadMotionThreshold("+7"), 7);
    EXPECT_EQ(ReadMotionThreshold("99999999999999999999"), INT_MAX);
}

}  // namespace
}  // namespace vn::player
