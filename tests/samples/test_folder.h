// A scratch folder of the running test, named after it and the process, so
// tests run side by side (ctest -j, or binaries started by hand that share
// the system's temp folder) never touch each other's files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace vn::samples::test {

// Removes the folder and what it holds when it goes out of scope.
class TestFolder {
public:
    TestFolder() {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::path(testing::TempDir()) /
                ("vn_samples_" + std::to_string(getpid()) + "_" + info->test_suite_name() + "_" + info->name());
        std::filesystem::create_directories(path_);
    }
    ~TestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace vn::samples::test
