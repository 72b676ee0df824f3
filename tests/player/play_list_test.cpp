#include "player/play_list.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "player/player_state.h"

namespace vn::player {
namespace {

std::vector<std::string> Paths(const PlayList& list) {
    std::vector<std::string> paths;
    for (const PlayListEntry& e : list.entries()) paths.push_back(e.path);
    return paths;
}

TEST(FileKind, ChosenByTheExtensionInAnyCase) {
    EXPECT_EQ(FileKindForPath("/cam/REC0001.AVI"), kAviRecording);
    EXPECT_EQ(FileKindForPath("a.avi"), 1);
    EXPECT_EQ(FileKindForPath("/x/b.M4v"), 2);
    EXPECT_EQ(FileKindForPath("movie.mvm"), 3);
    EXPECT_EQ(FileKindForPath("notes.txt"), 0);
    EXPECT_EQ(FileKindForPath("avi"), 0);
    EXPECT_EQ(FileKindForPath("/folder.avi/readme"), 0);
    EXPECT_EQ(FileKindForPath("clip.avi.bak"), 0);
}

TEST(PlayList, KeepsCreationOrderAndPutsEqualTimesFirst) {
    PlayList list;
    EXPECT_EQ(list.AddEntry("/b.avi", 1000, false), AddResult::Added);
    EXPECT_EQ(list.AddEntry("/a.avi", 900, false), AddResult::Added);
    EXPECT_EQ(list.AddEntry("/c.m4v", 2000, false), AddResult::Added);
    EXPECT_EQ(list.AddEntry("/b2.mvm", 1000, false), AddResult::Added);
    EXPECT_EQ(Paths(list), (std::vector<std::string>{"/a.avi", "/b2.mvm", "/b.avi", "/c.m4v"}));
}

TEST(PlayList, IgnoresOtherFilesDuplicatesAndTheThousandAndFirst) {
    PlayList list;
    EXPECT_EQ(list.AddEntry("/x/readme.txt", 1, false), AddResult::NotARecording);
    EXPECT_EQ(list.AddEntry("/x/a.avi", 1, false), AddResult::Added);
    EXPECT_EQ(list.AddEntry("/x/a.avi", 5, false), AddResult::AlreadyListed);
    // Paths compare exactly: another spelling is another entry.
    EXPECT_EQ(list.AddEntry("/x/A.AVI", 1, false), AddResult::Added);
    for (int i = list.g_nPlayListCount(); i < PlayList::kCapacity; ++i) {
        ASSERT_EQ(list.AddEntry("/x/f" + std::to_string(i) + ".avi", i, false), AddResult::Added);
    }
    EXPECT_EQ(list.AddEntry("/x/last.avi", 0, false), AddResult::ListFull);
    EXPECT_EQ(list.g_nPlayListCount(), 1000);
}

TEST(PlayList, RefusesPathsLongerThanAnEntryHolds) {
    PlayList list;
    const std::string folder = "/" + std::string(254, 'd') + "/";              // 256 characters
    EXPECT_EQ(list.AddEntry(folder + "abc.avi", 1, false), AddResult::Added);  // 263
    EXPECT_EQ(list.AddEntry(folder + "abcd.avi", 1, false), AddResult::PathTooLong);
    // Characters, not bytes: "é" is two bytes but one character.
    EXPECT_EQ(list.AddEntry(folder + "\xC3\xA9"
                                     "bc.avi",
                            1, false),
              AddResult::Added);
    EXPECT_EQ(list.g_nPlayListCount(), 2);
}

TEST(PlayList, WhilePlayingTheOpenEntryMovesWithInsertionsBeforeIt) {
    PlayList list;
    list.AddEntry("/a.avi", 100, false);
    list.AddEntry("/c.avi", 300, false);
    list.g_nPlayListIndex = 1;  // c.avi plays
    list.AddEntry("/d.avi", 400, true);
    EXPECT_EQ(list.g_nPlayListIndex, 1);
    list.AddEntry("/b.avi", 300, true);  // same time: lands at the open entry's place
    EXPECT_EQ(list.g_nPlayListIndex, 2);
    EXPECT_EQ(list.Path(list.g_nPlayListIndex), "/c.avi");
    // Not playing: the index stays, the caller opens anew.
    list.AddEntry("/0.avi", 0, false);
    EXPECT_EQ(list.g_nPlayListIndex, 2);
}

TEST(PlayList, WrapsAtBothEnds) {
    PlayList list;
    for (int i = 0; i < 3; ++i) list.AddEntry("/f" + std::to_string(i) + ".avi", i, false);
    EXPECT_EQ(list.Wrap(3), 0);
    EXPECT_EQ(list.Wrap(7), 0);
    EXPECT_EQ(list.Wrap(-1), 2);
    EXPECT_EQ(list.Wrap(1), 1);
}

TEST(EntryUnderMouse, RowsFromTheTopIndexButNotAtTheEdges) {
    // A list 200 x 100 with rows 16 high, scrolled to entry 3, holding 6.
    EXPECT_EQ(EntryUnderMouse(50, 10, 200, 100, 16, 3, 6), 3);
    EXPECT_EQ(EntryUnderMouse(50, 40, 200, 100, 16, 3, 6), 5);
    EXPECT_EQ(EntryUnderMouse(50, 50, 200, 100, 16, 3, 6), -1);  // below the last entry
    EXPECT_EQ(EntryUnderMouse(3, 10, 200, 100, 16, 3, 6), -1);
    EXPECT_EQ(EntryUnderMouse(50, 3, 200, 100, 16, 3, 6), -1);
    EXPECT_EQ(EntryUnderMouse(184, 10, 200, 100, 16, 3, 6), -1);
    EXPECT_EQ(EntryUnderMouse(183, 10, 200, 100, 16, 3, 6), 3);
    EXPECT_EQ(EntryUnderMouse(50, 96, 200, 100, 16, 0, 100), -1);
}

class PlayListFiles : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("vnplay-playlist-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string Make(const std::string& name) {
        const std::string path = (folder_ / name).string();
        std::ofstream(path) << "x";
        return path;
    }
    std::filesystem::path folder_;
};

TEST_F(PlayListFiles, FilesAreListedByWhenTheyWereMadeNotWhenAdded) {
    const std::string a = Make("a.avi");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const std::string b = Make("b.AVI");
    ASSERT_LT(FileCreationTime(a), FileCreationTime(b));
    PlayList list;
    EXPECT_EQ(list.AddPlayListFile(b, false), AddResult::Added);
    EXPECT_EQ(list.AddPlayListFile(a, false), AddResult::Added);
    EXPECT_EQ(Paths(list), (std::vector<std::string>{a, b}));
}

TEST_F(PlayListFiles, AFileWithoutReadableTimesCountsAsTheOldest) {
    const std::string a = Make("a.avi");
    const std::string gone = (folder_ / "gone.avi").string();
    EXPECT_EQ(FileCreationTime(gone), kUnknownCreationTime);
    PlayList list;
    list.AddPlayListFile(a, false);
    EXPECT_EQ(list.AddPlayListFile(gone, false), AddResult::Added);
    EXPECT_EQ(Paths(list), (std::vector<std::string>{gone, a}));
}

TEST(NotAddedText, CountsTheFilesByWhy) {
    EXPECT_EQ(NotAddedText(0, 0), "");
    EXPECT_EQ(NotAddedText(1, 0), "1 file not added: the play list holds 1000");
    EXPECT_EQ(NotAddedText(3, 2),
              "3 files not added: the play list holds 1000; "
              "2 files not added: path longer than 263 characters");
}

}  // namespace
}  // namespace vn::player
