// Recordings composed for a test case, saved in a private folder and opened
// with a fresh decoder, so that no camera state leaks between tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "recording/recording.h"
#include "recording_test_support.h"
#include "samplewriter/camera_avi.h"
#include "samplewriter/camera_segments.h"

namespace vn::test {

using Bytes = std::vector<uint8_t>;

// A frame that holds only the given segments; enough for every walk.
inline Bytes Frame(std::initializer_list<Bytes> segments = {}) {
    Bytes frame;
    for (const Bytes& s : segments) frame.insert(frame.end(), s.begin(), s.end());
    const Bytes soi{0xFF, 0xD8}, eoi{0xFF, 0xD9, 0x5A};  // odd length: no padding
    frame.insert(frame.begin(), soi.begin(), soi.end());
    frame.insert(frame.end(), eoi.begin(), eoi.end());
    return frame;
}

inline Bytes EventFrame(uint8_t eventByte) {
    return Frame({samples::Segment(samples::kApp5, samples::EventPayload(eventByte))});
}

inline void PutU32(Bytes& file, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

inline uint32_t GetU32(const Bytes& file, size_t at) {
    return file[at] | file[at + 1] << 8 | file[at + 2] << 16 | static_cast<uint32_t>(file[at + 3]) << 24;
}

inline size_t Find(const Bytes& file, std::string_view text) {
    return static_cast<size_t>(std::search(file.begin(), file.end(), text.begin(), text.end()) - file.begin());
}

class SampleRecording : public ::testing::Test {
protected:
    void SetUp() override { test::UseUtc(); }

    avi::OpenResult Open(const Bytes& file, const char* fileTime = "2010-12-31 23:59:58") {
        const std::string path = folder.File("sample.avi");
        samples::SaveFile(path, file);
        test::SetModificationTime(path, fileTime);
        return recording.OpenRecording(path);
    }
    avi::OpenResult Open(const samples::CameraAviOptions& options, const std::vector<Bytes>& frames) {
        return Open(samples::BuildCameraAvi(options, frames));
    }

    test::TempFolder folder;
    jpeg::JpegDecoder decoder;
    avi::Recording recording{decoder};
};

}  // namespace vn::test
