#include "samplewriter/movie_stream_writer.h"

namespace vn::samples {

MovieStreamWriter::MovieStreamWriter(const LayerFields& layer)
    : width_(static_cast<int>(layer.width)), height_(static_cast<int>(layer.height)) {
    WriteStreamHeaders(w_, layer);
    headerEnd_ = size();
}

size_t MovieStreamWriter::IntraVop(const VopFields& header, const YuvPicture& picture) {
    const size_t start = size();
    WriteVopHeader(w_, header);
    if (header.vopCoded) WriteIntraMacroblocks(w_, picture, static_cast<int>(header.quant));
    w_.AlignWithStuffing();
    return start;
}

size_t MovieStreamWriter::SkippedVop(const VopFields& header) {
    const size_t start = size();
    WriteVopHeader(w_, header);
    if (header.vopCoded) WriteNotCodedMacroblocks(w_, width_, height_);
    w_.AlignWithStuffing();
    return start;
}

size_t MovieStreamWriter::Gov(uint32_t seconds) {
    const size_t start = size();
    WriteGovHeader(w_, seconds, true);
    return start;
}

size_t MovieStreamWriter::Chunk(uint8_t type, uint8_t parameter, std::span<const uint8_t> payload) {
    const size_t start = size();
    w_.StartCode(0xB2);
    w_.Le16(static_cast<uint16_t>(payload.size()));
    w_.Bytes({type, parameter});
    w_.Bytes(payload);
    return start;
}

size_t MovieStreamWriter::ClockRecord(uint8_t shift, uint16_t first, uint32_t second) {
    const uint8_t payload[6] = {static_cast<uint8_t>(first),        static_cast<uint8_t>(first >> 8),
                                static_cast<uint8_t>(second),       static_cast<uint8_t>(second >> 8),
                                static_cast<uint8_t>(second >> 16), static_cast<uint8_t>(second >> 24)};
    return Chunk(kClockRecordChunk, shift, payload);
}

size_t MovieStreamWriter::Bytes(std::span<const uint8_t> bytes) {
    const size_t start = size();
    w_.Bytes(bytes);
    return start;
}

}  // namespace vn::samples
