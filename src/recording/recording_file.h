// Read-only access to a recording file by absolute offset. Every read is
// whole or reported as failed, so a caller never works on bytes it did not
// get from the file.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "common/file_source.h"

namespace vn {
struct DosDateTime;
}  // namespace vn

namespace vn::avi {

// A chunk tag as the little-endian u32 that its four characters form.
constexpr uint32_t FourCC(std::string_view chars) {
    return static_cast<uint32_t>(static_cast<uint8_t>(chars[0])) |
           static_cast<uint32_t>(static_cast<uint8_t>(chars[1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(chars[2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(chars[3])) << 24;
}

// The little-endian u32 at p.
constexpr uint32_t LittleEndian32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

// The tags a frame chunk may carry.
constexpr bool IsFrameTag(uint32_t tag) { return tag == FourCC("00dc") || tag == FourCC("00db"); }

class RecordingFile {
public:
    void Open(std::unique_ptr<FileSource> source) { source_ = std::move(source); }
    void Close() { source_.reset(); }
    bool isOpen() const { return source_ != nullptr; }
    uint64_t size() const { return source_ ? source_->size() : 0; }

    // Fills dest from offset; false unless every byte was read.
    bool ReadAt(uint64_t offset, std::span<uint8_t> dest) const { return source_ && source_->ReadAt(offset, dest); }
    // Little-endian u32 at offset; 0 when it cannot be read.
    uint32_t U32At(uint64_t offset) const;
    // Tag at offset; 0 (no tag) when it cannot be read.
    uint32_t TagAt(uint64_t offset) const { return U32At(offset); }

    // Last-write time in local time, in DOS form.
    bool ModificationTime(DosDateTime& out) const;

private:
    std::unique_ptr<FileSource> source_;
};

}  // namespace vn::avi
