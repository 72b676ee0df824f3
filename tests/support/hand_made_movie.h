// Hand-made MPEG-4 streams and raw movies for the movie-file tests: stream
// headers for a small picture, then VOPs, user-data chunks, group-of-VOP
// headers and junk in any order. VOPs are the simplest the subset allows:
// an I-VOP of intra macroblocks with no coefficients, a P-VOP of skipped
// macroblocks.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "support/bit_writer.h"
#include "support/mpeg4_writer.h"

namespace vn::test {

class HandMadeMovie {
public:
    static constexpr int kResolution = 30;  // 5-bit time increments

    HandMadeMovie(int width = 32, int height = 32) : mbCount_(((width + 15) / 16) * ((height + 15) / 16)) {
        LayerFields layer;
        layer.width = static_cast<uint32_t>(width);
        layer.height = static_cast<uint32_t>(height);
        layer.resolution = kResolution;
        WriteStreamHeaders(w_, layer);
        headerEnd_ = size();
    }

    size_t headerEnd() const { return headerEnd_; }
    size_t size() const { return w_.bytes().size(); }

    // A VOP of coding type 0 (I), 1 (P) or 2 (B, outside the subset); vopCoded 0
    // gives a VOP without picture. Returns the offset of its start code.
    size_t Vop(int codingType, bool vopCoded = true) {
        const size_t start = size();
        VopFields vop;
        vop.codingType = static_cast<uint32_t>(codingType);
        vop.timeIncrement = static_cast<uint32_t>(vops_++ % kResolution);
        vop.vopCoded = vopCoded ? 1 : 0;
        WriteVopHeader(w_, vop);  // intra_dc_vlc_thr 0: DC size codes; quantiser 8
        if (vopCoded) {
            for (int mb = 0; mb < mbCount_; ++mb) {
                if (codingType == 0) {
                    w_.Code("1");                      // MCBPC: intra, no chroma coefficients
                    w_.Code("0");                      // ac_pred_flag
                    w_.Code("0011");                   // CBPY: no luma coefficients
                    w_.Code("011 011 011 011 11 11");  // DC sizes 0
                } else {
                    w_.Code("1");  // not_coded
                }
            }
        }
        w_.AlignWithStuffing();
        return start;
    }

    // A user-data chunk: start code, L, type, parameter byte, payload.
    // Returns its offset.
    size_t Chunk(uint8_t type, uint8_t parameter, const std::vector<uint8_t>& payload) {
        const size_t start = size();
        w_.StartCode(0xB2);
        w_.Le16(static_cast<uint16_t>(payload.size()));
        w_.Bytes({type, parameter});
        w_.Bytes(payload);
        return start;
    }
    // Payload bytes counting up from first: never a start code among them.
    static std::vector<uint8_t> Counting(size_t length, uint8_t first = 0) {
        std::vector<uint8_t> bytes(length);
        for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<uint8_t>(first + i);
        return bytes;
    }
    size_t Audio(uint16_t length, uint8_t skip, uint8_t first = 0) {
        return Chunk(0x01, skip, Counting(length, first));
    }
    size_t ClockRecord(uint16_t length = 6) { return Chunk(0x82, 0, Counting(length, 1)); }
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

    size_t Gov() {
        const size_t start = size();
        w_.StartCode(0xB3);
        w_.Bits(0, 18);  // time_code
        w_.Bits(1, 1);   // closed_gov
        w_.Bits(0, 1);   // broken_link
        w_.AlignWithStuffing();
        return start;
    }
    void StartCode(uint8_t code) { w_.StartCode(code); }
    void Bytes(const std::vector<uint8_t>& bytes) { w_.Bytes(bytes); }

    std::vector<uint8_t> bytes() const { return w_.bytes(); }
    // Writes the movie, or its first `length` bytes, to path.
    bool Write(const std::string& path, size_t length = SIZE_MAX) const {
        std::vector<uint8_t> out = bytes();
        out.resize(std::min(length, out.size()));
        BitWriter file;
        file.Bytes(out);
        return file.WriteFile(path);
    }

private:
    BitWriter w_;
    int mbCount_;
    int vops_ = 0;
    size_t headerEnd_ = 0;
};

}  // namespace vn::test
