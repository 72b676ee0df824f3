#include "camset/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/mount.h>
#include <unistd.h>

namespace vn::camset {
namespace {

using Bytes = std::vector<uint8_t>;

const DateTimeFields kNoon{2012, 2, 29, 12, 34, 56};

uint16_t U16At(const Bytes& b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }

// A scratch folder standing for the card's root.
class Card : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        root = std::filesystem::path(testing::TempDir()) / ("vn_card_" + std::to_string(getpid()) + "_" + info->name());
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    std::filesystem::path SettingsPath() const { return root / "DCIM" / "100morva" / "REGISTRY.LDR"; }
    Bytes Written() const {
        std::ifstream in(SettingsPath(), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path root;
};

TEST(SettingsFile, DefaultSettingsByteForByte) {
    const Bytes expected = {
        0xB6, 0xC3, 16, 0, 0x28,                 // capture record
        1,    0,    2,  0, 5,    0,              // intervals
        180,  0,    0,  0, 60,   0, 2, 0, 0, 0,  // mode bits
        0xB6, 0xC3, 4,  0, 0x29,                 // clock record
        0x5C, 0x64,                              // 12:34:56 -> 12 << 11 | 34 << 5 | 28
        0x5D, 0x40,                              // 2012-02-29 -> 32 << 9 | 2 << 5 | 29
    };
    EXPECT_EQ(ComposeSettingsFile(CameraSettings{}, kNoon, false), expected);
}

TEST(SettingsFile, IntervalsFlickerModeAndResolution) {
    CameraSettings s;
    s.nInt1 = 10;
    s.nInt2 = 12 * 3600;
    s.nInt3 = kOneDay;
    s.nFlicker = kFlicker50Hz;
    s.wCamMode = kLooping | kExposureLock;
    s.nResolution[0] = s.nResolution[1] = s.nResolution[2] = s.nResolution[3] = 2;
    const Bytes file = ComposeSettingsFile(s, kNoon, true);
    ASSERT_EQ(file.size(), 39u);
    EXPECT_EQ(U16At(file, 5), 10);
    EXPECT_EQ(U16At(file, 7), 43200);
    EXPECT_EQ(U16At(file, 9), 0xFFFF) << "one day";
    EXPECT_EQ(U16At(file, 13), 1000);
    EXPECT_EQ(U16At(file, 19), 3);
    EXPECT_EQ(Bytes(file.begin() + 30, file.end()), (Bytes{0xB6, 0xC3, 4, 0, 0x2A, 2, 2, 2, 2}));
    s.nFlicker = kFlicker60Hz;
    EXPECT_EQ(U16At(ComposeSettingsFile(s, kNoon, false), 13), 833);
}

TEST(SettingsFile, ClockChoicesCarryAcrossMidnightAndYears) {
    const DosDateTime late{2011, 12, 31, 23, 57, 30};
    const DateTimeFields plusFive = CardClock(late, ClockChoice::PlusFiveMinutes);
    EXPECT_EQ(plusFive.year, 2012);
    EXPECT_EQ(plusFive.month, 1);
    EXPECT_EQ(plusFive.day, 1);
    EXPECT_EQ(plusFive.hour, 0);
    EXPECT_EQ(plusFive.minute, 2);
    const Bytes file = ComposeSettingsFile(CameraSettings{}, plusFive, false);
    EXPECT_EQ(U16At(file, 26), 2 << 5 | 15) << "seconds 30 are written as 15";
    EXPECT_EQ(U16At(file, 28), 32 << 9 | 1 << 5 | 1);
    EXPECT_EQ(CardClock(late, ClockChoice::PlusOneMinute).minute, 58);
    EXPECT_EQ(CardClock(late, ClockChoice::SystemTime).second, 30);
}

TEST(SettingsFile, WritableIntervals) {
    EXPECT_TRUE(IsWritableInterval(1));
    EXPECT_TRUE(IsWritableInterval(43200));
    EXPECT_TRUE(IsWritableInterval(kOneDay));
    EXPECT_FALSE(IsWritableInterval(0));
    EXPECT_FALSE(IsWritableInterval(43201));
    EXPECT_FALSE(IsWritableInterval(70000));
}

TEST_F(Card, FreshCardGetsBothFolders) {
    const Bytes file = ComposeSettingsFile(CameraSettings{}, kNoon, false);
    ASSERT_EQ(WriteSettingsFile(root.string(), file), WriteSettingsResult::kWritten);
    EXPECT_EQ(Written(), file);
    // Written again over the first, with the folders in place.
    CameraSettings other;
    other.nInt1 = 7;
    const Bytes second = ComposeSettingsFile(other, kNoon, false);
    ASSERT_EQ(WriteSettingsFile(root.string() + "/", second), WriteSettingsResult::kWritten);
    EXPECT_EQ(Written(), second);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(SettingsPath().parent_path()), {}), 1);
}

TEST_F(Card, NoFolderPossibleIsNoDirectory) {
    const Bytes file = ComposeSettingsFile(CameraSettings{}, kNoon, false);
    std::ofstream(root / "DCIM") << "a file where the folder belongs";
    std::string reason;
    EXPECT_EQ(WriteSettingsFile(root.string(), file, &reason), WriteSettingsResult::kNoDirectory);
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(WriteSettingsFile("", file), WriteSettingsResult::kNoDirectory);
}

// A card with no room left: the file is made but cannot be written, and
// nothing of it stays. Needs the right to mount a tmpfs.
TEST_F(Card, FullCardIsAWriteFailureAndLeavesNothing) {
    if (mount("tmpfs", root.c_str(), "tmpfs", 0, "size=16k") != 0) GTEST_SKIP() << "cannot mount a tmpfs here";
    std::filesystem::create_directories(SettingsPath().parent_path());
    {
        std::ofstream filler(root / "filler", std::ios::binary);
        const std::string block(4096, 'x');
        for (int i = 0; i < 16 && filler; ++i) filler << block;
    }
    std::string reason;
    const WriteSettingsResult result =
        WriteSettingsFile(root.string(), ComposeSettingsFile(CameraSettings{}, kNoon, false), &reason);
    const bool leftEmpty = std::filesystem::is_empty(SettingsPath().parent_path());
    umount(root.c_str());
    EXPECT_EQ(result, WriteSettingsResult::kWriteFailed);
    EXPECT_FALSE(reason.empty());
    EXPECT_TRUE(leftEmpty);
}

}  // namespace
}  // namespace vn::camset
