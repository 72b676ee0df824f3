#include "common/output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace vn {

namespace {

// Temporary names tried beside the target before giving up.
constexpr int kTemporaryNames = 100;

int CreateTemporary(const std::string& path, std::string& temporary) {
    for (int n = 0; n < kTemporaryNames; ++n) {
        temporary = path + ".partial" + (n == 0 ? std::string() : std::to_string(n));
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// A device or pipe: opened without blocking (a pipe without a reader fails
// at once) and then written normally.
int OpenInPlace(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

}  // namespace

bool OutputFile::Fail(int error) {
    if (error_ == 0) error_ = error != 0 ? error : EIO;
    return false;
}

bool OutputFile::Create(const std::string& path) {
    Discard();
    error_ = 0;
    written_ = 0;
    path_ = path;
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return Fail(EISDIR);
    inPlace_ = exists && !S_ISREG(existing.st_mode);
    fd_ = inPlace_ ? OpenInPlace(path) : CreateTemporary(path, temporary_);
    if (fd_ < 0) {
        temporary_.clear();
        return Fail(errno);
    }
    try {
        buffer_.reserve(kBufferSize);
    } catch (const std::bad_alloc&) {
        return Fail(ENOMEM);
    }
    return true;
}

bool OutputFile::WriteThrough(std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Fail(errno);
        if (n == 0) return Fail(ENOSPC);
        written_ += static_cast<uint64_t>(n);
        bytes = bytes.subspan(static_cast<size_t>(n));
    }
    return true;
}

bool OutputFile::Flush() {
    if (buffer_.empty()) return true;
    const bool ok = WriteThrough(buffer_);
    buffer_.clear();
    return ok;
}

bool OutputFile::Write(std::span<const uint8_t> bytes) {
    if (fd_ < 0 || failed()) return Fail(EBADF);
    if (buffer_.size() + bytes.size() > kBufferSize || bytes.size() >= kDirectWrite) {
        if (!Flush()) return false;
        if (bytes.size() >= kDirectWrite) return WriteThrough(bytes);
    }
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    return true;
}

void OutputFile::CloseDescriptor() {
    if (fd_ >= 0 && ::close(fd_) != 0) Fail(errno);
    fd_ = -1;
}

bool OutputFile::Commit() {
    if (fd_ < 0 || failed() || !Flush()) {
        Discard();
        return Fail(EBADF);
    }
    CloseDescriptor();
    if (!failed() && !inPlace_ && ::rename(temporary_.c_str(), path_.c_str()) != 0) Fail(errno);
    if (failed()) {
        Discard();
        return false;
    }
    temporary_.clear();
    return true;
}

void OutputFile::Discard() {
    const int keep = errno;
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
    buffer_.clear();
    errno = keep;
}

std::string OutputFile::ErrorText() const { return error_ != 0 ? std::strerror(error_) : std::string(); }

bool WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes, std::string* reason) {
    OutputFile file;
    const bool ok = file.Create(path) && file.Write(bytes) && file.Commit();
    if (!ok && reason) *reason = file.ErrorText();
    return ok;
}

}  // namespace vn
