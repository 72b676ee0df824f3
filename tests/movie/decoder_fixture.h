// A decoder over a hand-made stream: the test writes headers and VOPs into
// w, opens, and decodes VOP by VOP.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "movie/mpeg4_decoder.h"
#include "samplewriter/mpeg4_headers.h"

namespace vn::test {

class DecoderTest : public ::testing::Test {
protected:
    // Writes the stream so far to this test's file and opens it; true when
    // the headers parse.
    bool Open() {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '_');
        const std::string path = ::testing::TempDir() + "decoder_" + name;
        EXPECT_TRUE(w.WriteFile(path));
        if (stream.Open(path) != 0 || !decoder.ParseStreamHeaders(stream)) return false;
        stream.ByteAlign();
        decoder.AllocatePictureBuffers(decoder.width(), decoder.height());
        return true;
    }
    void WriteHeaders() { WriteStreamHeaders(w, layer); }
    // The next VOP as the file layer reads it: its start code, the swap,
    // the decode.
    std::optional<int> DecodeNext() {
        if (stream.FindNextStartCode() != 0x1B6) {
            ADD_FAILURE() << "no VOP start code";
            return std::nullopt;
        }
        decoder.SwapPictures();
        return decoder.DecodeVop(stream);
    }
    uint8_t Y(int x, int y) const {
        const mpeg4::YuvPlanes p = decoder.currentPicture();
        return p.y[y * p.lumaStride + x];
    }
    uint8_t Cb(int x, int y) const {
        const mpeg4::YuvPlanes p = decoder.currentPicture();
        return p.cb[y * p.chromaStride + x];
    }
    uint8_t Cr(int x, int y) const {
        const mpeg4::YuvPlanes p = decoder.currentPicture();
        return p.cr[y * p.chromaStride + x];
    }

    samples::BitWriter w;
    samples::LayerFields layer;
    mpeg4::StreamWindow stream;
    mpeg4::Mpeg4Decoder decoder;
};

}  // namespace vn::test
