#include "recording/recording_file.h"

#include "common/camera_time.h"

namespace vn::avi {

uint32_t RecordingFile::U32At(uint64_t offset) const {
    uint8_t b[4];
    if (!ReadAt(offset, b)) return 0;
    return LittleEndian32(b);
}

bool RecordingFile::ModificationTime(DosDateTime& out) const {
    return source_ && LocalDosDateTime(source_->modifiedSeconds(), out);
}

}  // namespace vn::avi
