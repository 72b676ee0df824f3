// Files for the recording tests: a private temporary folder, fixture copies
// with the modification time their expected values assume, read as UTC.
#pragma once

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <sys/time.h>

namespace vn::test {

inline std::filesystem::path AviFixture(const std::string& name) {
    return std::filesystem::path(VN_AVI_FIXTURES) / name;
}

// Local time is UTC for the file times of the recordings.
inline void UseUtc() {
    setenv("TZ", "UTC", 1);
    tzset();
}

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vnplay-recording-XXXXXX").string();
        if (mkdtemp(pattern.data())) path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Sets a file's modification time from "YYYY-MM-DD hh:mm:ss" read as UTC.
inline bool SetModificationTime(const std::string& path, const char* utcText) {
    std::tm t{};
    if (!strptime(utcText, "%Y-%m-%d %H:%M:%S", &t)) return false;
    const timeval times[2] = {{timegm(&t), 0}, {timegm(&t), 0}};
    return utimes(path.c_str(), times) == 0;
}

// A copy of a fixture recording in folder with the given file time.
inline std::string CopyFixture(const TempFolder& folder, const std::string& name, const char* utcFileTime) {
    const std::string copy = folder.File(name);
    std::filesystem::copy_file(AviFixture(name), copy, std::filesystem::copy_options::overwrite_existing);
    SetModificationTime(copy, utcFileTime);
    return copy;
}

}  // namespace vn::test
