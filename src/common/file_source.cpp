#include "common/file_source.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vn {

namespace {

class PosixFile final : public FileSource {
public:
    PosixFile(int fd, const struct stat& status)
        : fd_(fd), size_(static_cast<uint64_t>(status.st_size)), modifiedSeconds_(status.st_mtim.tv_sec) {}
    ~PosixFile() override { ::close(fd_); }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    uint64_t size() const override { return size_; }
    int64_t modifiedSeconds() const override { return modifiedSeconds_; }

    bool ReadAt(uint64_t offset, std::span<uint8_t> dest) const override {
        if (offset > size_ || dest.size() > size_ - offset) return false;
        size_t done = 0;
        while (done < dest.size()) {
            const ssize_t n = ::pread(fd_, dest.data() + done, dest.size() - done, static_cast<off_t>(offset + done));
            if (n < 0 && errno == EINTR) continue;
            // Nothing more where the size said there would be: the file shrank.
            if (n <= 0) return false;
            done += static_cast<size_t>(n);
        }
        return true;
    }

private:
    int fd_;
    uint64_t size_;
    int64_t modifiedSeconds_;
};

}  // namespace

std::unique_ptr<FileSource> OpenFileSource(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat status {};
    int error = 0;
    if (::fstat(fd, &status) != 0) {
        error = errno;
    } else if (!S_ISREG(status.st_mode)) {
        // A folder or a device is no file to read from.
        error = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
    }
    if (error != 0) {
        ::close(fd);
        errno = error;
        return nullptr;
    }
    return std::make_unique<PosixFile>(fd, status);
}

bool MemoryFile::ReadAt(uint64_t offset, std::span<uint8_t> dest) const {
    if (offset > bytes_.size() || dest.size() > bytes_.size() - offset) return false;
    if (!dest.empty()) std::memcpy(dest.data(), bytes_.data() + offset, dest.size());
    return true;
}

}  // namespace vn
