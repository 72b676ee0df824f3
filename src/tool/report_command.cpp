// "report": the full inspection of a recording, in one JSON document: the
// recording's facts, then per frame (shown in order from frame 0) the camera
// records, the Movie Info panel, the times and checksums of the picture and
// of the DC-only image.
#include <cstdio>
#include <vector>

#include "recording/dc_image.h"
#include "recording/frame_show.h"
#include "recording/movie_info.h"
#include "tool/camera_json.h"
#include "tool/commands.h"
#include "tool/json_writer.h"
#include "tool/recording_json.h"
#include "tool/session.h"
#include "tool/sha256.h"
#include "tool/shown_frame_json.h"

namespace vn::tool {

namespace {

void WriteMovieInfo(JsonWriter& json, const avi::MovieInfoPanel& panel) {
    json.BeginObject();
    json.Key("text").BeginObject();
    for (const auto& [control, text] : panel.text) json.Field(control, text);
    json.EndObject().Key("visible").BeginObject();
    for (const auto& [control, shown] : panel.visible) json.Field(control, shown);
    json.EndObject().Key("color").BeginObject();
    for (const auto& [control, colour] : panel.colour) json.Field(control, colour);
    json.EndObject().EndObject();
}

// DC-only decode of each frame with a decoder of its own, so that it does
// not disturb the clocks and records of the frames shown.
void WriteDcChecksums(JsonWriter& json, jpeg::JpegDecoder& decoder, avi::DcImage& dc, Picture& thumbnail,
                      std::span<const uint8_t> bytes) {
    dc.Decode(decoder, bytes);
    dc.ConvertToPicture(decoder, thumbnail);
    const std::vector<uint8_t> lumaBytes(dc.luma.begin(), dc.luma.end());
    json.Field("dc_luma_sha256", Sha256Hex(lumaBytes))
        .Field("dc_thumb_sha256", Sha256Hex({thumbnail.data(), thumbnail.size_bytes()}));
}

int RunReport(Arguments& args) {
    Session session;
    if (int status = session.Open("report", args)) return status;
    avi::Recording& recording = session.recording;
    jpeg::CameraRecords& camera = session.decoder.camera;
    const int width = recording.header.width, height = recording.header.height;
    Picture picture(width, height);
    avi::FrameShow show(recording);
    show.Reset();
    avi::MovieInfoPanel panel;
    jpeg::JpegDecoder dcDecoder;
    dcDecoder.InitJpegDecoder();
    avi::DcImage dc(width, height);
    Picture thumbnail(dc.blocksWide, dc.blocksHigh);

    JsonWriter json;
    json.BeginObject().Field("file", session.path);
    WriteRecordingFacts(json, recording, session.openResult, /*detailed=*/true);
    json.Key("dc_grid").BeginObject().Field("bw", dc.blocksWide).Field("bh", dc.blocksHigh).EndObject();
    json.Key("frames").BeginArray();
    for (int i = 0; i < recording.header.frames; ++i) {
        const avi::ShownFrame f = show.Show(i, picture);
        const bool read = f.readResult == avi::FrameRead::kOk;
        if (read) panel.FillMovieInfo(recording, camera);
        json.BeginObject();
        WriteFetch(json, f);
        json.FieldIf("picture_sha256", read,
                     [&](JsonWriter& j) {
                         j.Value(Sha256Hex({picture.data(), picture.size_bytes()}));
                     })
            .FieldIf("camera", read, [&](JsonWriter& j) { WriteCameraRecords(j, camera); })
            .Key("movie_info");
        WriteMovieInfo(json, panel);
        WriteTimes(json, f);
        json.FieldIf("date_source", f.presented, [&](JsonWriter& j) { j.Value(f.dateSource); });
        if (read) WriteDcChecksums(json, dcDecoder, dc, thumbnail, recording.LastFrameBytes());
        json.EndObject();
    }
    json.EndArray().EndObject();
    std::printf("%s\n", json.str().c_str());
    return 0;
}

}  // namespace

const Command kReportCommand{"report",
                             "the full per-frame inspection of a recording: camera records, checksums",
                             "usage: vnplay-tool report FILE\n"
                             "\n"
                             "The full inspection of a recording (.avi) as one JSON document: its facts,\n"
                             "then for every frame, shown in order from the first, the camera records,\n"
                             "the Movie Info panel's texts, the times, and checksums of the picture and\n"
                             "of its DC-only image.\n",
                             {},
                             {},
                             RunReport,
                             nullptr};

}  // namespace vn::tool
