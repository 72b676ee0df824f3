#include "samplewriter/sample_recording.h"

#include <filesystem>
#include <memory>

#include "samplewriter/camera_date.h"
#include "samplewriter/jpeg_encoder.h"

namespace vn::samples {

namespace {

void Append(std::vector<uint8_t>& out, const std::vector<uint8_t>& bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

}  // namespace

uint64_t SampleFrame::FrameClock() const {
    if (ts) return CameraClock(ts->date);
    return clockRecord.value_or(0);
}

std::vector<uint8_t> ComposeFrame(const SampleFrame& frame, const std::vector<uint8_t>& picture) {
    std::vector<uint8_t> segments;
    if (!frame.comment.empty()) Append(segments, Segment(kComment, CommentPayload(frame.comment)));
    if (frame.exposure) Append(segments, Segment(kApp4, ExposurePayload(*frame.exposure)));
    if (frame.clockRecord) Append(segments, Segment(kComment, ClockCommentPayload(*frame.clockRecord)));
    if (frame.ts) Append(segments, Segment(kApp15, TsPayload(*frame.ts)));
    if (frame.eventByte) Append(segments, Segment(kApp5, EventPayload(*frame.eventByte)));
    return InsertAfterSoi(picture, segments);
}

std::vector<uint8_t> BuildSample(const SampleRecording& sample) {
    const int width = sample.avi.width, height = sample.avi.height;
    std::vector<std::unique_ptr<Scenery>> sceneries(sample.places.size());
    std::vector<std::vector<uint8_t>> jpegFrames;
    std::vector<uint8_t> picture;
    const SampleFrame* previous = nullptr;
    for (const SampleFrame& frame : sample.frames) {
        if (frame.place < 0 || static_cast<size_t>(frame.place) >= sceneries.size()) return {};
        // A camera that sees nothing change writes the same picture again.
        const bool same = previous && previous->place == frame.place && previous->view == frame.view;
        if (!same) {
            auto& scenery = sceneries[frame.place];
            const Place& place = sample.places[frame.place];
            if (!scenery) scenery = std::make_unique<Scenery>(width, height, place.landscape, place.seed);
            const auto rgb = scenery->Render(frame.view);
            picture = EncodeJpeg(rgb.data(), scenery->width(), scenery->height(), sample.quality);
        }
        auto jpeg = ComposeFrame(frame, picture);
        if (jpeg.empty()) return {};
        jpegFrames.push_back(std::move(jpeg));
        previous = &frame;
    }
    CameraAviOptions options = sample.avi;
    if (sample.movie) options.movieRecordBody = MovieRecordBody(*sample.movie);
    return BuildCameraAvi(options, jpegFrames);
}

bool WriteSample(const SampleRecording& sample, const std::string& directory) {
    const auto bytes = BuildSample(sample);
    if (bytes.empty()) return false;
    const std::string path = (std::filesystem::path(directory) / sample.fileName).string();
    if (!SaveFile(path, bytes)) return false;
    return !sample.fileTime || SetModificationTime(path, *sample.fileTime);
}

}  // namespace vn::samples
