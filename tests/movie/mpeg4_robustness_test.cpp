// Streams across window boundaries and damaged streams.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "movie/decoder_fixture.h"

namespace vn::mpeg4 {
namespace {

using test::DecoderTest;

TEST_F(DecoderTest, VopsAcrossTheWindowBoundaryDecodeAsAnyOther) {
    layer.width = layer.height = 16;
    WriteHeaders();
    const size_t header = w.bytes().size();
    samples::BitWriter vop;
    samples::VopFields f;
    WriteVopHeader(vop, f);
    vop.Code("011 0 11");
    // Every block: the DC, two table events and the three escape modes.
    for (int block = 0; block < 6; ++block) {
        vop.Code(block < 4 ? "010 101" : "001 011");       // DC size 3, +5
        vop.Code("10 0  1111 1");                          // level 1, level -3
        vop.Code("0000011 0  110 1");                      // mode 1: level -(2 + 27)
        vop.Code("0000011 11 0 000010 1 111111111000 1");  // mode 3: run 2, level -8
        vop.Code("0000011 10  0111 0");                    // mode 2: last, run 0 + 20 + 1
    }
    vop.AlignWithStuffing();
    const std::vector<uint8_t> one = vop.bytes();
    const size_t count = (2u << 20) / one.size();
    for (size_t i = 0; i < count; ++i) w.Bytes(one);
    ASSERT_TRUE(Open());
    ASSERT_EQ(stream.windowSize(), 1u << 20);
    ASSERT_TRUE(DecodeNext());
    const YuvPlanes p = decoder.currentPicture();
    const std::vector<uint8_t> first(p.y, p.y + 256);
    ASSERT_NE(first[0], first[255]);
    size_t decoded = 1;
    for (; decoded < count; ++decoded) {
        ASSERT_TRUE(DecodeNext()) << decoded << " at " << header + decoded * one.size();
        const YuvPlanes q = decoder.currentPicture();
        ASSERT_EQ(std::memcmp(q.y, first.data(), 256), 0) << decoded;
    }
    EXPECT_EQ(stream.position(), stream.fileSize());
}

TEST_F(DecoderTest, DamagedStreamsFailWithoutHarm) {
    layer.width = 48;
    layer.height = 32;
    WriteHeaders();
    const size_t header = w.bytes().size();
    for (int i = 0; i < 3; ++i) {
        samples::VopFields intra;
        intra.quant = 4;
        WriteVopHeader(w, intra);
        for (int mb = 0; mb < 6; ++mb) {
            w.Code("011 0 11");
            for (int block = 0; block < 6; ++block) w.Code("010 101  10 0  0000011 0 110 1  0111 0");
        }
        w.AlignWithStuffing();
        samples::VopFields predicted;
        predicted.codingType = 1;
        predicted.fcode = 3;
        WriteVopHeader(w, predicted);
        for (int mb = 0; mb < 6; ++mb) w.Code("0 1 11 0000001100 0 11  0001 1 01");
        w.AlignWithStuffing();
    }
    const std::vector<uint8_t> clean = w.bytes();
    std::mt19937 rng(12345);
    Picture picture(48, 32);
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<uint8_t> bytes = clean;
        const int changes = 1 + static_cast<int>(rng() % 12);
        for (int c = 0; c < changes; ++c) {
            const size_t at = header + rng() % (bytes.size() - header);
            bytes[at] = trial % 3 == 0 ? static_cast<uint8_t>(rng()) : bytes[at] ^ (1u << (rng() % 8));
        }
        if (trial % 5 == 0) bytes.resize(header + rng() % (bytes.size() - header));
        w = samples::BitWriter();
        w.Bytes(bytes);
        ASSERT_TRUE(Open());
        decoder.g_nDeblockMethod = trial % 3;
        for (int guard = 0; guard < 64; ++guard) {
            const int64_t code = stream.FindNextStartCode();
            if (code < 0 && !stream.Advance()) break;
            if (code != 0x1B6) {
                stream.Skip(code < 0 ? 0 : 4);
                continue;
            }
            decoder.SwapPictures();
            if (decoder.DecodeVop(stream)) decoder.ConvertForDisplay(picture);
        }
    }
}

}  // namespace
}  // namespace vn::mpeg4
