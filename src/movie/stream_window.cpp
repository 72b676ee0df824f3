// Reading windows of the file and the byte operations of the reader.
#include "movie/stream_window.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace vn::mpeg4 {

namespace {

constexpr uint32_t kWindowTarget = 1048576;
constexpr uint8_t kPrefix[3] = {0x00, 0x00, 0x01};

// The first 00 00 01 that lies wholly in [begin, end), or null.
const uint8_t* FirstPrefix(const uint8_t* begin, const uint8_t* end) {
    for (const uint8_t* p = begin + 2; p < end; ++p) {
        p = static_cast<const uint8_t*>(std::memchr(p, kPrefix[2], static_cast<size_t>(end - p)));
        if (p == nullptr) return nullptr;
        if (p[-1] == 0 && p[-2] == 0) return p - 2;
    }
    return nullptr;
}

// The last 00 00 01 that lies wholly in [begin, end), or null.
const uint8_t* LastPrefix(const uint8_t* begin, const uint8_t* end) {
    for (const uint8_t* p = end; p - begin >= 3; --p) {
        if (p[-1] == kPrefix[2] && p[-2] == 0 && p[-3] == 0) return p - 3;
    }
    return nullptr;
}

bool IsPrefix(const uint8_t head[3]) { return std::memcmp(head, kPrefix, sizeof kPrefix) == 0; }

}  // namespace

StreamWindow::StreamWindow() = default;

StreamWindow::~StreamWindow() = default;

int StreamWindow::Open(const std::string& path) {
    Close();
    auto source = OpenFileSource(path);
    if (!source) return -1;
    return Open(std::move(source));
}

int StreamWindow::Open(std::unique_ptr<FileSource> source, uint32_t windowSize) {
    Close();
    if (!source) {
        errno = EINVAL;
        return -1;
    }
    if (windowSize == 0) {
        // The page size stands for the allocation granularity of mapped views.
        const long page = sysconf(_SC_PAGESIZE);
        const uint32_t granularity = page > 0 ? static_cast<uint32_t>(page) : 4096;
        windowSize = kWindowTarget - kWindowTarget % granularity;
        if (windowSize == 0) windowSize = granularity;
    }
    windowSize_ = windowSize;
    source_ = std::move(source);
    fileSize_ = source_->size();
    if (MapWindow(0) < 0) {
        // errno tells the caller why; closing must not change it.
        const int error = errno;
        Close();
        errno = error;
        return -1;
    }
    return 0;
}

void StreamWindow::Close() {
    source_.reset();
    windowBase_ = nullptr;
    fileSize_ = windowOffset_ = bit_ = 0;
    windowLength_ = skippedBytes_ = 0;
}

int64_t StreamWindow::MapWindow(uint64_t offset) {
    if (!source_ || offset >= fileSize_ || offset % windowSize_ != 0) {
        errno = EINVAL;
        return -1;
    }
    const auto length = static_cast<uint32_t>(std::min<uint64_t>(windowSize_, fileSize_ - offset));
    // The new window is read aside, so a failure leaves the current one.
    spare_.resize(length);
    if (!source_->ReadAt(offset, spare_)) {
        errno = EIO;
        return -1;
    }
    window_.swap(spare_);
    windowBase_ = window_.data();
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

// Whole windows are searched in memory; only the positions among a
// window's last three bytes, whose prefix may reach into the next window
// or past the end of the file, are tried one at a time with CopyAhead.
bool StreamWindow::FindPrefixForward(uint64_t last) {
    uint8_t head[sizeof kPrefix];
    while (position() <= last) {
        const uint32_t here = positionInWindow();
        if (here + 4 <= windowLength_) {
            const uint64_t lastHere = std::min<uint64_t>(windowLength_ - 4, last - windowOffset_);
            const uint8_t* found = FirstPrefix(windowBase_ + here, windowBase_ + lastHere + 3);
            if (found != nullptr) {
                bit_ = uint64_t(found - windowBase_) * 8;
                return true;
            }
            bit_ = (lastHere + 1) * 8;
            continue;
        }
        if (CopyAhead(head, sizeof head) && IsPrefix(head)) return true;
        if (!Advance()) return false;
    }
    return false;
}

bool StreamWindow::FindPrefixBackward(uint64_t first) {
    uint8_t head[sizeof kPrefix];
    while (position() >= first) {
        const uint32_t here = positionInWindow();
        if (here + 4 <= windowLength_) {
            const uint64_t firstHere = first > windowOffset_ ? first - windowOffset_ : 0;
            const uint8_t* found = LastPrefix(windowBase_ + firstHere, windowBase_ + here + 3);
            if (found != nullptr) {
                bit_ = uint64_t(found - windowBase_) * 8;
                return true;
            }
            bit_ = firstHere * 8;
        } else if (CopyAhead(head, sizeof head) && IsPrefix(head)) {
            return true;
        }
        if (!StepBack()) return false;
    }
    return false;
}

}  // namespace vn::mpeg4
