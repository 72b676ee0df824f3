// Hand-made MPEG-4 streams and raw movies for the movie-file tests: stream
// headers for a small picture, then VOPs, user-data chunks, group-of-VOP
// headers and junk in any order. VOPs are the simplest the subset allows:
// an I-VOP of a flat grey picture (intra macroblocks with no coefficients),
// a P-VOP of skipped macroblocks.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "samplewriter/bit_writer.h"
#include "samplewriter/movie_stream_writer.h"

namespace vn::test {

class HandMadeMovie {
public:
    static constexpr int kResolution = 30;  // 5-bit time increments

    HandMadeMovie(int width = 32, int height = 32)
        : movie_(Layer(width, height)), grey_(samples::FlatPicture(width, height, 128, 128, 128)) {}

    size_t headerEnd() const { return movie_.headerEnd(); }
    size_t size() const { return movie_.size(); }

    // A VOP of coding type 0 (I), 1 (P) or 2 (B, outside the subset); vopCoded 0
    // gives a VOP without picture. Returns the offset of its start code.
    size_t Vop(int codingType, bool vopCoded = true) {
        samples::VopFields vop;  // intra_dc_vlc_thr 0: DC size codes; quantiser 8
        vop.codingType = static_cast<uint32_t>(codingType);
        vop.timeIncrement = static_cast<uint32_t>(vops_++ % kResolution);
        vop.vopCoded = vopCoded ? 1 : 0;
        return codingType == 0 ? movie_.IntraVop(vop, grey_) : movie_.SkippedVop(vop);
    }

    // A user-data chunk: start code, L, type, parameter byte, payload.
    // Returns its offset.
    size_t Chunk(uint8_t type, uint8_t parameter, const std::vector<uint8_t>& payload) {
        return movie_.Chunk(type, parameter, payload);
    }
    // Payload bytes counting up from first: never a start code among them.
    static std::vector<uint8_t> Counting(size_t length, uint8_t first = 0) {
        std::vector<uint8_t> bytes(length);
        for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<uint8_t>(first + i);
        return bytes;
    }
    size_t Audio(uint16_t length, uint8_t skip, uint8_t first = 0) {
        return Chunk(samples::kAudioChunk, skip, Counting(length, first));
    }
    size_t ClockRecord(uint16_t length = 6) { return Chunk(samples::kClockRecordChunk, 0, Counting(length, 1)); }
    // Chunks of a type nobody reads, total bytes long (at least 8).
    size_t Filler(size_t total) {
        constexpr size_t kLargestPayload = 0xFFFF;
        const size_t start = size();
        while (total > 8 + kLargestPayload) {
            const size_t payload = std::min(kLargestPayload, total - 16);  // 8 left for the last
            Chunk(0x90, 0, std::vector<uint8_t>(payload, 0xFF));
            total -= 8 + payload;
        }
        Chunk(0x90, 0, std::vector<uint8_t>(total - 8, 0xFF));
        return start;
    }
    // A filler that makes the next element start at offset.
    void FillTo(size_t offset) { Filler(offset - size()); }

    size_t Gov() { return movie_.Gov(0); }
    void StartCode(uint8_t code) { movie_.writer().StartCode(code); }
    void Bytes(const std::vector<uint8_t>& bytes) { movie_.Bytes(bytes); }

    const std::vector<uint8_t>& bytes() const { return movie_.bytes(); }
    // Writes the movie, or its first `length` bytes, to path.
    bool Write(const std::string& path, size_t length = SIZE_MAX) const {
        samples::BitWriter file;
        file.Bytes(std::span(bytes()).first(std::min(length, bytes().size())));
        return file.WriteFile(path);
    }

private:
    static samples::LayerFields Layer(int width, int height) {
        samples::LayerFields layer;
        layer.width = static_cast<uint32_t>(width);
        layer.height = static_cast<uint32_t>(height);
        layer.resolution = kResolution;
        return layer;
    }

    samples::MovieStreamWriter movie_;
    samples::YuvPicture grey_;
    int vops_ = 0;
};

}  // namespace vn::test
