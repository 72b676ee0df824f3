// Mapping windows of the file and the byte operations of the reader.
#include "movie/stream_window.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vn::mpeg4 {

namespace {

constexpr uint32_t kWindowTarget = 1048576;

bool Unmap(const uint8_t* view, uint32_t length) { return munmap(const_cast<uint8_t*>(view), length) == 0; }

}  // namespace

StreamWindow::StreamWindow() = default;

StreamWindow::~StreamWindow() { Close(); }

int StreamWindow::Open(const std::string& path) {
    if (!Close()) return -1;
    const long page = sysconf(_SC_PAGESIZE);
    const uint32_t granularity = page > 0 ? static_cast<uint32_t>(page) : 4096;
    windowSize_ = kWindowTarget - kWindowTarget % granularity;
    if (windowSize_ == 0) windowSize_ = granularity;

    fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return -1;
    struct stat info {};
    bool ok = fstat(fd_, &info) == 0;
    if (ok && !S_ISREG(info.st_mode)) {
        errno = EINVAL;
        ok = false;
    }
    if (ok) {
        fileSize_ = static_cast<uint64_t>(info.st_size);
        ok = MapWindow(0) >= 0;
    }
    if (!ok) {
        // errno tells the caller why; closing must not change it.
        const int error = errno;
        close(fd_);
        errno = error;
        fd_ = -1;
        fileSize_ = 0;
        return -1;
    }
    return 0;
}

bool StreamWindow::Close() {
    if (fd_ < 0) return true;
    if (windowBase_ != nullptr && !Unmap(windowBase_, windowLength_)) return false;
    windowBase_ = nullptr;
    // The descriptor is released even when close reports an error.
    const bool closed = close(fd_) == 0;
    fd_ = -1;
    fileSize_ = windowOffset_ = bit_ = 0;
    windowLength_ = skippedBytes_ = 0;
    return closed;
}

int64_t StreamWindow::MapWindow(uint64_t offset) {
    if (fd_ < 0 || offset >= fileSize_ || offset % windowSize_ != 0) {
        errno = EINVAL;
        return -1;
    }
    const auto length = static_cast<uint32_t>(std::min<uint64_t>(windowSize_, fileSize_ - offset));
    // The new view is mapped before the old one goes, so a failure leaves
    // the current window intact.
    void* view = mmap(nullptr, length, PROT_READ, MAP_PRIVATE, fd_, static_cast<off_t>(offset));
    if (view == MAP_FAILED) return -1;
    if (windowBase_ != nullptr) Unmap(windowBase_, windowLength_);
    windowBase_ = static_cast<const uint8_t*>(view);
    windowOffset_ = offset;
    windowLength_ = length;
    bit_ &= 7;  // the window's first byte; the bit mask stays
    return length;
}

void StreamWindow::SetPosition(uint32_t position, uint8_t mask) {
    bit_ = uint64_t{std::min(position, windowLength_)} * 8;
    if (position < windowLength_ && mask != 0) bit_ += static_cast<unsigned>(std::countl_zero(mask));
}

void StreamWindow::Restore(const Mark& mark) {
    if (mark.windowOffset != windowOffset_ && MapWindow(mark.windowOffset) < 0) {
        // Stand at the end of the window: every later read fails.
        SetPosition(windowLength_, 0x80);
        return;
    }
    SetPosition(mark.position, mark.bitMask);
}

bool StreamWindow::Advance() {
    if (atWindowEnd()) return false;
    bit_ += 8;
    if (!atWindowEnd()) return true;
    if (MapWindow(windowOffset_ + windowLength_) >= 0) return true;
    SetPosition(windowLength_, 0x80);
    return false;
}

bool StreamWindow::StepBack() {
    if (positionInWindow() > 0) {
        bit_ -= 8;
        return true;
    }
    if (windowOffset_ == 0 || MapWindow(windowOffset_ - windowSize_) < 0) return false;
    bit_ += uint64_t{windowLength_ - 1} * 8;
    return true;
}

bool StreamWindow::Skip(uint64_t n) {
    while (n > 0) {
        if (atWindowEnd()) return false;
        const uint32_t available = windowLength_ - positionInWindow();
        if (n < available) {
            bit_ += n * 8;
            return true;
        }
        n -= available;
        bit_ += uint64_t{available} * 8;
        if (MapWindow(windowOffset_ + windowLength_) < 0) {
            SetPosition(windowLength_, 0x80);
            return false;
        }
    }
    return true;
}

bool StreamWindow::Read8(uint8_t& value) {
    if (atWindowEnd()) return false;
    value = windowBase_[positionInWindow()];
    return Advance();
}

bool StreamWindow::Read16(uint16_t& value) {
    uint8_t low = 0, high = 0;
    if (!Read8(low) || !Read8(high)) return false;
    value = static_cast<uint16_t>(low | high << 8);
    return true;
}

bool StreamWindow::Read32(uint32_t& value) {
    uint16_t low = 0, high = 0;
    if (!Read16(low) || !Read16(high)) return false;
    value = low | static_cast<uint32_t>(high) << 16;
    return true;
}

bool StreamWindow::CopyAhead(uint8_t* out, size_t n) {
    const Mark start = Save();
    bool ok = true;
    for (size_t i = 0; i < n && ok; ++i) ok = Read8(out[i]);
    Restore(start);
    return ok;
}

}  // namespace vn::mpeg4
