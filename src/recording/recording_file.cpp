#include "recording/recording_file.h"

#include "common/camera_time.h"

namespace vn::avi {

uint32_t RecordingFile::U32At(uint64_t offset) const {
    uint8_t b[4];
    if (!ReadAt(offset, b)) return 0;
    return static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 | static_cast<uint32_t>(b[2]) << 16 |
           static_cast<uint32_t>(b[3]) << 24;
}

bool RecordingFile::ModificationTime(DosDateTime& out) const {
    return source_ && LocalDosDateTime(source_->modifiedSeconds(), out);
}

}  // namespace vn::avi
