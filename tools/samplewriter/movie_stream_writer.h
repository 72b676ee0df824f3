// Composes MPEG-4 streams and raw movies element by element: the stream
// headers, VOPs, group-of-VOP headers and the raw movies' user-data chunks
// (start code 00 00 01 B2, 16-bit payload length, type, parameter byte,
// payload). Each element ends on a byte boundary, stuffed where the stream's
// syntax stuffs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "samplewriter/bit_writer.h"
#include "samplewriter/mpeg4_headers.h"
#include "samplewriter/mpeg4_intra.h"

namespace vn::samples {

// User-data chunk types: below 0x80 audio, 0x82 the clock record.
inline constexpr uint8_t kAudioChunk = 0x01;
inline constexpr uint8_t kClockRecordChunk = 0x82;

class MovieStreamWriter {
public:
    // Starts the stream with its headers.
    explicit MovieStreamWriter(const LayerFields& layer);

    // Each element's writer returns the offset of its first byte.

    // An I-VOP of the picture (the stream's size) at the header's quantiser;
    // only the header when it says vop_coded 0.
    size_t IntraVop(const VopFields& header, const YuvPicture& picture);
    // A VOP of the header's coding type whose macroblocks are all skipped (a
    // P-VOP that repeats its reference); only the header when it says
    // vop_coded 0.
    size_t SkippedVop(const VopFields& header);
    size_t Gov(uint32_t seconds);
    size_t Chunk(uint8_t type, uint8_t parameter, std::span<const uint8_t> payload);
    // A clock record: L = 6, a 16-bit and a 32-bit field, little-endian.
    size_t ClockRecord(uint8_t shift, uint16_t first, uint32_t second);
    // Bytes as they are (junk between elements, stray start codes).
    size_t Bytes(std::span<const uint8_t> bytes);

    int width() const { return width_; }
    int height() const { return height_; }
    size_t headerEnd() const { return headerEnd_; }
    size_t size() const { return w_.bytes().size(); }
    const std::vector<uint8_t>& bytes() const { return w_.bytes(); }
    // Bit-level access for elements nobody else writes (start codes alone).
    BitWriter& writer() { return w_; }

private:
    BitWriter w_;
    int width_;
    int height_;
    size_t headerEnd_;
};

}  // namespace vn::samples
