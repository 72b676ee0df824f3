#include "samplewriter/camera_avi.h"

#include <algorithm>
#include <fstream>

#include "samplewriter/byte_writer.h"

namespace vn::samples {

namespace {

constexpr uint32_t kIndexKeyFrame = 0x10;
constexpr uint32_t kHasIndex = 0x10;
constexpr uint32_t kCameraMicroSecPerFrame = 1000000;  // what the cameras write, whatever the rate

uint32_t BytesPerSecond(uint32_t largestChunk, int32_t rate, int32_t scale) {
    if (rate <= 0 || scale <= 0) return largestChunk;
    const uint64_t value =
        static_cast<uint64_t>(largestChunk) * static_cast<uint32_t>(rate) / static_cast<uint32_t>(scale);
    return static_cast<uint32_t>(std::min<uint64_t>(value, UINT32_MAX));
}

// "LIST" "hdrl": the main header (body at offset 32) and one video stream
// (stream header body at offset 108), which is where readers find them.
void WriteHeaderList(ByteWriter& w, const CameraAviOptions& o, int32_t totalFrames, uint32_t largestChunk) {
    const size_t hdrl = w.BeginChunk("LIST");
    w.Tag("hdrl");

    const size_t avih = w.BeginChunk("avih");
    w.U32(kCameraMicroSecPerFrame);
    w.U32(BytesPerSecond(largestChunk, o.rate, o.scale));
    w.U32(0);  // padding granularity
    w.U32(kHasIndex);
    w.I32(totalFrames);
    w.U32(0);  // initial frames
    w.U32(1);  // streams
    w.U32(largestChunk);
    w.I32(o.width);
    w.I32(o.height);
    w.Zeros(16);
    w.EndChunk(avih);

    const size_t strl = w.BeginChunk("LIST");
    w.Tag("strl");
    const size_t strh = w.BeginChunk("strh");
    w.Tag("vids");
    w.Tag("MJPG");
    w.U32(0);  // flags
    w.U16(0);  // priority
    w.U16(0);  // language
    w.U32(0);  // initial frames
    w.I32(o.scale);
    w.I32(o.rate);
    w.U32(0);  // start
    w.I32(totalFrames);
    w.U32(largestChunk);
    w.I32(-1);  // quality: default
    w.U32(0);   // sample size: varies
    w.U16(0);
    w.U16(0);
    w.U16(static_cast<uint16_t>(o.width));
    w.U16(static_cast<uint16_t>(o.height));
    w.EndChunk(strh);

    const size_t strf = w.BeginChunk("strf");
    w.U32(40);
    w.I32(o.width);
    w.I32(o.height);
    w.U16(1);   // planes
    w.U16(24);  // bits per pixel
    w.Tag("MJPG");
    w.U32(static_cast<uint32_t>(o.width) * static_cast<uint32_t>(o.height) * 3);
    w.Zeros(16);
    w.EndChunk(strf);
    w.EndChunk(strl);
    w.EndChunk(hdrl);
}

// "JUNK": six-character model tag, mode byte, spare byte, then zeros up to
// the chunk size (a size below 8 cuts the tag short).
void WriteModelTag(ByteWriter& w, const CameraAviOptions& o) {
    std::vector<uint8_t> data(o.junkSize, 0);
    std::vector<uint8_t> tag(8, 0);
    std::copy_n(o.modelTag.begin(), std::min<size_t>(o.modelTag.size(), 6), tag.begin());
    tag[6] = o.modelMode;
    std::copy_n(tag.begin(), std::min<size_t>(tag.size(), data.size()), data.begin());
    const size_t junk = w.BeginChunk("JUNK");
    w.Bytes(data);
    w.EndChunk(junk);
}

void WriteMovieRecord(ByteWriter& w, const std::vector<uint8_t>& body) {
    const size_t info = w.BeginChunk("INFO");
    w.Tag("minf");
    w.U16(static_cast<uint16_t>(body.size()));
    w.Bytes(body);
    w.EndChunk(info);
}

}  // namespace

std::vector<uint8_t> BuildCameraAvi(const CameraAviOptions& options,
                                    const std::vector<std::vector<uint8_t>>& jpegFrames) {
    const int32_t totalFrames =
        options.totalFrames == -1 ? static_cast<int32_t>(jpegFrames.size()) : options.totalFrames;
    uint32_t largestChunk = 0;
    for (const auto& frame : jpegFrames) largestChunk = std::max(largestChunk, static_cast<uint32_t>(frame.size() + 8));

    ByteWriter w;
    const size_t riff = w.BeginChunk("RIFF");
    w.Tag("AVI ");
    WriteHeaderList(w, options, totalFrames, largestChunk);
    if (!options.modelTag.empty()) WriteModelTag(w, options);
    if (options.movieRecordBody) WriteMovieRecord(w, *options.movieRecordBody);

    const size_t movi = w.BeginChunk("LIST");
    w.Tag("movi");
    const size_t afterMoviTag = w.size();
    std::vector<uint32_t> chunkPositions;
    for (const auto& frame : jpegFrames) {
        chunkPositions.push_back(static_cast<uint32_t>(w.size()));
        const size_t chunk = w.BeginChunk(options.frameTag);
        w.Bytes(frame);
        w.EndChunk(chunk);
    }
    w.EndChunk(movi);

    const bool indexAfterRiff = options.index == CameraAviOptions::Index::AfterRiff;
    if (indexAfterRiff) w.EndChunk(riff);
    const uint32_t base = indexAfterRiff ? static_cast<uint32_t>(afterMoviTag) : 0;
    const size_t idx1 = w.BeginChunk("idx1");
    for (size_t i = 0; i < jpegFrames.size(); ++i) {
        w.Tag(options.frameTag);
        w.U32(kIndexKeyFrame);
        w.U32(chunkPositions[i] - base);
        w.U32(static_cast<uint32_t>(jpegFrames[i].size()));
    }
    w.EndChunk(idx1);
    if (!indexAfterRiff) w.EndChunk(riff);
    // File offsets and sizes are 32-bit.
    if (w.size() > UINT32_MAX) return {};
    return std::move(w.bytes());
}

bool SaveFile(const std::string& path, std::span<const uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace vn::samples
