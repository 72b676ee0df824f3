#include "recording/recording_file.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/camera_time.h"

namespace vn::avi {

bool RecordingFile::Open(const std::string& path) {
    Close();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        // A folder or a device is no file to read a recording from.
        const int error = S_ISDIR(st.st_mode) ? EISDIR : errno;
        ::close(fd);
        errno = error;
        return false;
    }
    fd_ = fd;
    size_ = static_cast<uint64_t>(st.st_size);
    modifiedSeconds_ = st.st_mtim.tv_sec;
    return true;
}

void RecordingFile::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    size_ = 0;
}

bool RecordingFile::ReadAt(uint64_t offset, std::span<uint8_t> dest) const {
    if (fd_ < 0 || offset > size_ || dest.size() > size_ - offset) return false;
    size_t done = 0;
    while (done < dest.size()) {
        const ssize_t n = ::pread(fd_, dest.data() + done, dest.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

uint32_t RecordingFile::U32At(uint64_t offset) const {
    uint8_t b[4];
    if (!ReadAt(offset, b)) return 0;
    return LittleEndian32(b);
}

bool RecordingFile::ModificationTime(DosDateTime& out) const {
    return fd_ >= 0 && LocalDosDateTime(modifiedSeconds_, out);
}

}  // namespace vn::avi
