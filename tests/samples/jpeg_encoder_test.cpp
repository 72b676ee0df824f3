#include "samplewriter/jpeg_encoder.h"

#include <gtest/gtest.h>

#include "samples/byte_view.h"
#include "samplewriter/camera_segments.h"

namespace vn::samples {
namespace {

using test::BigU16At;

struct Marker {
    uint8_t code;
    size_t pos;
    size_t length;
};

// Segments from SOI up to and including SOS.
std::vector<Marker> Segments(const std::vector<uint8_t>& jpeg) {
    std::vector<Marker> out;
    for (size_t pos = 2; pos + 4 <= jpeg.size() && jpeg[pos] == 0xFF;) {
        out.push_back({jpeg[pos + 1], pos, BigU16At(jpeg, pos + 2)});
        if (jpeg[pos + 1] == 0xDA) break;
        pos += 2 + out.back().length;
    }
    return out;
}

std::vector<uint8_t> Gradient(int width, int height) {
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<uint8_t>(i * 7 / 3);
    return rgb;
}

TEST(JpegEncoder, WritesBaseline420FramesWithOneTablePerSegment) {
    const auto rgb = Gradient(48, 32);
    const auto jpeg = EncodeJpeg(rgb.data(), 48, 32, 85);
    ASSERT_GT(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    EXPECT_EQ(jpeg[jpeg.size() - 2], 0xFF);
    EXPECT_EQ(jpeg.back(), 0xD9);

    int dht = 0, dqt = 0;
    for (const Marker& m : Segments(jpeg)) {
        EXPECT_NE(m.code, 0xDD) << "no restart interval";
        if (m.code == 0xC4) {
            ++dht;
            size_t codes = 0;
            for (int i = 0; i < 16; ++i) codes += jpeg[m.pos + 5 + i];
            EXPECT_EQ(m.length, 2 + 17 + codes);
        } else if (m.code == 0xDB) {
            ++dqt;
            EXPECT_EQ(m.length, 2u + 65);
        } else if (m.code == 0xC0) {
            EXPECT_EQ(BigU16At(jpeg, m.pos + 5), 32);
            EXPECT_EQ(BigU16At(jpeg, m.pos + 7), 48);
            EXPECT_EQ(jpeg[m.pos + 9], 3);
            EXPECT_EQ(jpeg[m.pos + 11], 0x22);  // luma sampled 2 x 2
            EXPECT_EQ(jpeg[m.pos + 14], 0x11);
        } else {
            EXPECT_TRUE(m.code == 0xE0 || m.code == 0xDA) << std::hex << int(m.code);
        }
    }
    EXPECT_EQ(dht, 4);
    EXPECT_EQ(dqt, 2);
    EXPECT_EQ(Segments(jpeg).back().code, 0xDA);
}

TEST(JpegEncoder, SameInputGivesSameBytes) {
    const auto rgb = Gradient(32, 16);
    EXPECT_EQ(EncodeJpeg(rgb.data(), 32, 16, 70), EncodeJpeg(rgb.data(), 32, 16, 70));
}

TEST(JpegEncoder, RefusesUnusableArguments) {
    const auto rgb = Gradient(16, 16);
    EXPECT_TRUE(EncodeJpeg(nullptr, 16, 16, 85).empty());
    EXPECT_TRUE(EncodeJpeg(rgb.data(), 0, 16, 85).empty());
    EXPECT_TRUE(EncodeJpeg(rgb.data(), 16, 16, 0).empty());
    EXPECT_TRUE(EncodeJpeg(rgb.data(), 16, 16, 101).empty());
}

std::vector<uint8_t> DqtTable(uint8_t id, uint8_t value) {
    std::vector<uint8_t> t(65, value);
    t[0] = id;
    return t;
}

std::vector<uint8_t> DhtTable(uint8_t classAndId, uint8_t symbol) {
    std::vector<uint8_t> t(17, 0);
    t[0] = classAndId;
    t[2] = 1;  // one code of length 2
    t.push_back(symbol);
    return t;
}

TEST(SplitTableSegments, GivesEachTableItsOwnSegment) {
    std::vector<uint8_t> dqt = DqtTable(0, 3), dht = DhtTable(0x00, 5);
    const auto dqt1 = DqtTable(1, 4), dht1 = DhtTable(0x11, 6);
    dqt.insert(dqt.end(), dqt1.begin(), dqt1.end());
    dht.insert(dht.end(), dht1.begin(), dht1.end());
    std::vector<uint8_t> jpeg = {0xFF, 0xD8};
    for (const auto& s : {Segment(0xDB, dqt), Segment(0xC4, dht), Segment(0xDA, std::vector<uint8_t>{1, 2})})
        jpeg.insert(jpeg.end(), s.begin(), s.end());
    jpeg.insert(jpeg.end(), {0x12, 0xFF, 0x00, 0xFF, 0xD9});

    std::vector<uint8_t> expected = {0xFF, 0xD8};
    for (const auto& s : {Segment(0xDB, DqtTable(0, 3)), Segment(0xDB, dqt1), Segment(0xC4, DhtTable(0x00, 5)),
                          Segment(0xC4, dht1), Segment(0xDA, std::vector<uint8_t>{1, 2})})
        expected.insert(expected.end(), s.begin(), s.end());
    expected.insert(expected.end(), {0x12, 0xFF, 0x00, 0xFF, 0xD9});
    EXPECT_EQ(SplitTableSegments(jpeg), expected);
}

TEST(SplitTableSegments, RejectsTablesThatRunPastTheirSegment) {
    auto dht = DhtTable(0x00, 5);
    dht.pop_back();  // counts promise one more value than there is
    std::vector<uint8_t> jpeg = {0xFF, 0xD8};
    const auto s = Segment(0xC4, dht);
    jpeg.insert(jpeg.end(), s.begin(), s.end());
    jpeg.insert(jpeg.end(), {0xFF, 0xDA, 0, 2});
    EXPECT_TRUE(SplitTableSegments(jpeg).empty());

    const std::vector<uint8_t> truncated = {0xFF, 0xD8, 0xFF, 0xDB, 0x00, 0x43, 0};
    EXPECT_TRUE(SplitTableSegments(truncated).empty());
    EXPECT_TRUE(SplitTableSegments(std::vector<uint8_t>{0xFF, 0xD8, 0xFF, 0xD9}).empty());  // no SOS
}

}  // namespace
}  // namespace vn::samples
