// Read-only access to a file's bytes by offset: from the file itself, or
// from bytes that are already in memory. The readers of recordings and
// movies read through it; every read is whole or reported as failed, so a
// file that shrinks while it is open reads as ending early.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace vn {

class FileSource {
public:
    virtual ~FileSource() = default;

    // The size when the source was opened.
    virtual uint64_t size() const = 0;
    // Fills dest from offset; false unless every byte was read.
    virtual bool ReadAt(uint64_t offset, std::span<uint8_t> dest) const = 0;
    // Last-write time in seconds since the epoch.
    virtual int64_t modifiedSeconds() const = 0;
};

// The regular file at path, opened for reading; null with errno set when it
// cannot be opened or is not a regular file (EISDIR for a folder, else EINVAL).
std::unique_ptr<FileSource> OpenFileSource(const std::string& path);

// Bytes held by the caller, who keeps them alive while the source is in use.
class MemoryFile final : public FileSource {
public:
    explicit MemoryFile(std::span<const uint8_t> bytes, int64_t modifiedSeconds = 0)
        : bytes_(bytes), modifiedSeconds_(modifiedSeconds) {}

    uint64_t size() const override { return bytes_.size(); }
    bool ReadAt(uint64_t offset, std::span<uint8_t> dest) const override;
    int64_t modifiedSeconds() const override { return modifiedSeconds_; }

private:
    std::span<const uint8_t> bytes_;
    int64_t modifiedSeconds_;
};

}  // namespace vn
