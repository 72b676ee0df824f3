#include <gtest/gtest.h>

#include <string>
#include <turbojpeg.h>
#include <vector>

#include "decode/jpeg_decoder.h"
#include "jpeg_test_support.h"
#include "support/psnr.h"

namespace vn::jpeg {
namespace {

using test::BitWriter;

// A decoder with planes for width x height and the messages it sends.
struct Decoder {
    Decoder(int width, int height) : picture(width, height) {
        decoder.AllocatePlanes(width, height);
        decoder.debugOutput = [this](std::string_view text) { messages.emplace_back(text); };
    }
    // The result as the number that reports it.
    int Decode(const std::vector<uint8_t>& frame) {
        return decoder.DecodeJpegFrame(frame, picture, nullptr, nullptr).code();
    }
    std::vector<uint8_t> Pixels() const { return {picture.data(), picture.data() + picture.size_bytes()}; }
    // Rows [first, last) of the picture.
    std::vector<uint8_t> Rows(int first, int last) const {
        return {picture.Row(first), picture.Row(first) + static_cast<size_t>(last - first) * picture.stride()};
    }

    JpegDecoder decoder;
    Picture picture;
    std::vector<std::string> messages;
};

std::vector<uint8_t> WithoutSegments(const std::vector<uint8_t>& jpeg, std::initializer_list<uint8_t> markers) {
    std::vector<uint8_t> out(jpeg.begin(), jpeg.begin() + 2);
    size_t pos = 2;
    for (; jpeg[pos + 1] != 0xDA; pos += 2 + (jpeg[pos + 2] << 8 | jpeg[pos + 3])) {
        if (std::find(markers.begin(), markers.end(), jpeg[pos + 1]) == markers.end()) {
            out.insert(out.end(), jpeg.begin() + pos, jpeg.begin() + pos + 2 + (jpeg[pos + 2] << 8 | jpeg[pos + 3]));
        }
    }
    out.insert(out.end(), jpeg.begin() + pos, jpeg.end());
    return out;
}

TEST(FrameDecode, NaturalFrameAgreesWithTheSourceAndAnotherDecoder) {
    // 318 x 238: neither side a multiple of 16, rows padded to 956 bytes.
    const int width = 318, height = 238;
    const std::vector<uint8_t> source = test::NaturalImage(width, height, 21);
    const std::vector<uint8_t> jpeg = test::EncodeFrame(source, width, height, 90);
    Decoder d(width, height);
    ASSERT_EQ(d.Decode(jpeg), 0);
    // Every entropy-coded byte up to the EOI was taken.
    EXPECT_EQ(d.decoder.g_nScanBytes, static_cast<int>(jpeg.size() - 2 - test::ScanOffset(jpeg)));

    std::vector<uint8_t> ours;
    for (int i = 0; i < height; ++i) {
        ours.insert(ours.end(), d.picture.Row(i), d.picture.Row(i) + 3 * width);
        EXPECT_EQ(d.picture.Row(i)[3 * width], 0);
        EXPECT_EQ(d.picture.Row(i)[3 * width + 1], 0);
    }
    EXPECT_GT(test::Psnr(ours, source), 30.0);
    // Fancy upsampling and another inverse DCT differ only slightly.
    EXPECT_GT(test::Psnr(ours, test::DecodeWithTurbo(jpeg, width, height)), 33.0);
}

TEST(FrameDecode, FramesThatCannotBeDecodedLeaveThePictureAlone) {
    Decoder d(32, 32);
    std::fill(d.picture.data(), d.picture.data() + d.picture.size_bytes(), 0x5A);
    const std::vector<uint8_t> before = d.Pixels();
    const std::vector<uint8_t> source = test::NaturalImage(32, 32, 2);
    std::vector<uint8_t> noSoi = test::EncodeFrame(source, 32, 32, 80);
    noSoi[1] = 0xD9;
    EXPECT_EQ(d.Decode(noSoi), -1);
    EXPECT_EQ(d.Decode(test::EncodeFrame(source, 32, 32, 80, TJFLAG_PROGRESSIVE)), -1);
    EXPECT_EQ(d.Decode({}), -1);
    EXPECT_EQ(d.Pixels(), before);
}

TEST(FrameDecode, TruncatedFrameKeepsThePreviousFrameBelowTheError) {
    const int width = 64, height = 64;
    const std::vector<uint8_t> first = test::EncodeFrame(test::NaturalImage(width, height, 3), width, height, 85);
    const std::vector<uint8_t> second = test::EncodeFrame(test::NaturalImage(width, height, 4), width, height, 85);
    Decoder reference(width, height);
    reference.Decode(second);
    Decoder d(width, height);
    ASSERT_EQ(d.Decode(first), 0);
    const std::vector<uint8_t> firstPicture = d.Pixels();

    const size_t start = test::ScanOffset(second);
    const std::vector<uint8_t> truncated(second.begin(), second.begin() + start + (second.size() - start) / 2);
    const int result = d.Decode(truncated);
    EXPECT_GT(result, 0);
    EXPECT_EQ(result, d.decoder.g_nScanBytes);
    ASSERT_FALSE(d.messages.empty());
    EXPECT_TRUE(d.messages[0] == "Error in Get1Bit" || d.messages[0] == "Error in GetBits");
    EXPECT_EQ(d.Rows(0, 16), reference.Rows(0, 16));
    EXPECT_EQ(d.Rows(48, 64), std::vector<uint8_t>(firstPicture.begin() + 48 * d.picture.stride(), firstPicture.end()));
}

// A restart interval is not honoured: the scan stops at the first RST. The
// next DC walk reads the padding 1 bits, then the marker's two bytes as data
// bits, and fails after 17 bits: the count ends 2 past the MCU before it.
TEST(FrameDecode, RestartMarkerStopsTheScan) {
    BitWriter firstMcu;
    test::PutDcOnlyMcu(firstMcu, {-20, 0, 0, 0}, 30, -30);
    std::vector<uint8_t> entropy = firstMcu.Finish();
    ASSERT_NE(firstMcu.bitCount() % 8, 0u);
    const int firstMcuBytes = static_cast<int>(entropy.size());
    BitWriter secondMcu;
    test::PutDcOnlyMcu(secondMcu, {0, 0, 0, 0}, 0, 0);
    entropy.insert(entropy.end(), {0xFF, 0xD0});
    const std::vector<uint8_t> rest = secondMcu.Finish();
    entropy.insert(entropy.end(), rest.begin(), rest.end());

    BitWriter previous;
    test::PutDcOnlyMcu(previous, {15, 0, 0, 0}, 0, 0);
    test::PutDcOnlyMcu(previous, {-30, 0, 0, 0}, 0, 0);
    Decoder d(32, 16);
    ASSERT_EQ(d.Decode(test::MakeFrame({.width = 32}, previous.Finish())), 0);
    const std::vector<uint8_t> previousPicture = d.Pixels();

    EXPECT_EQ(d.Decode(test::MakeFrame({.width = 32, .restartInterval = true}, entropy)), firstMcuBytes + 2);
    EXPECT_EQ(d.decoder.g_nJpegError, 0xFF);
    EXPECT_EQ(d.messages, std::vector<std::string>{"Error in Get1Bit"});

    BitWriter alone;
    test::PutDcOnlyMcu(alone, {-20, 0, 0, 0}, 30, -30);
    Decoder reference(32, 16);
    reference.Decode(test::MakeFrame({.width = 16}, alone.Finish()));
    for (int i = 0; i < 16; ++i) {
        EXPECT_TRUE(std::equal(d.picture.Row(i), d.picture.Row(i) + 48, reference.picture.Row(i))) << i;
        EXPECT_TRUE(std::equal(d.picture.Row(i) + 48, d.picture.Row(i) + 96,
                               previousPicture.begin() + i * d.picture.stride() + 48))
            << i;
    }
}

// A run past coefficient 63 ends the scan after the block, which is stored
// with the coefficients decoded before it; a DC code of more than 16 bits
// ends it before the block.
TEST(FrameDecode, UndecodableCodes) {
    auto blockWith62Coefficients = [](BitWriter& bits) {
        test::PutDc(bits, 0, 10);
        for (int k = 1; k <= 62; ++k) bits.Put("001");  // run 0, size 1, value +1
    };
    BitWriter good;
    blockWith62Coefficients(good);
    good.Put(test::kLumaEob);
    BitWriter bad;
    blockWith62Coefficients(bad);
    bad.Put("11001");  // run 1 from coefficient 63
    Decoder reference(16, 16);
    reference.Decode(test::MakeFrame({}, good.Finish()));
    Decoder d(16, 16);
    EXPECT_EQ(d.Decode(test::MakeFrame({}, bad.Finish())), 25);  // 7 + 186 + 4 bits
    EXPECT_EQ(d.decoder.g_nJpegError, 0xFF);
    const FramePlanes& got = d.decoder.planes();
    const FramePlanes& expected = reference.decoder.planes();
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) {
            const int32_t want = r < 8 && c < 8 ? expected.y[r * 16 + c] : 0;
            EXPECT_EQ(got.y[r * 16 + c], want) << r << " " << c;
        }
    }

    BitWriter longCode;
    longCode.Put(0x1FFFF, 17);
    Decoder failed(16, 16);
    EXPECT_EQ(failed.Decode(test::MakeFrame({}, longCode.Finish())), 6);  // three stuffed 0xFF bytes
    EXPECT_EQ(failed.decoder.g_nJpegError, 0xFF);
    EXPECT_TRUE(failed.messages.empty());
    for (int32_t v : failed.decoder.planes().y) EXPECT_EQ(v, 0);
}

TEST(FrameDecode, StuffedBytesCountTwice) {
    BitWriter bits;
    test::PutDcOnlyMcu(bits, {2047, -2047, 2047, 0}, 0, 0);
    const std::vector<uint8_t> entropy = bits.Finish();
    ASSERT_NE(std::find(entropy.begin(), entropy.end(), 0xFF), entropy.end());
    Decoder d(16, 16);
    d.decoder.bCheckSpuriousEOI = true;
    EXPECT_EQ(d.Decode(test::MakeFrame({}, entropy)), 0);
    EXPECT_EQ(d.decoder.g_nScanBytes, static_cast<int>(entropy.size()));
}

TEST(FrameDecode, EndOfImageCheck) {
    const std::vector<uint8_t> jpeg = test::EncodeFrame(test::NaturalImage(32, 32, 5), 32, 32, 85);
    Decoder d(32, 32);
    d.decoder.bCheckSpuriousEOI = true;
    EXPECT_EQ(d.Decode(jpeg), 0);

    const std::vector<uint8_t> noEoi(jpeg.begin(), jpeg.end() - 2);
    EXPECT_EQ(d.Decode(noEoi), -4);
    std::vector<uint8_t> strayD9 = jpeg;
    strayD9.insert(strayD9.end() - 2, 0xD9);
    EXPECT_EQ(d.Decode(strayD9), -5);
    std::vector<uint8_t> farEoi = jpeg;
    farEoi.insert(farEoi.end() - 2, 130, 0x00);
    EXPECT_EQ(d.Decode(farEoi), -4);

    d.decoder.bCheckSpuriousEOI = false;
    EXPECT_EQ(d.Decode(noEoi), 0);
    EXPECT_EQ(d.Decode(strayD9), 0);
}

TEST(FrameDecode, TablesPersistBetweenFrames) {
    const std::vector<uint8_t> first = test::EncodeFrame(test::NaturalImage(48, 32, 6), 48, 32, 75);
    const std::vector<uint8_t> second = test::EncodeFrame(test::NaturalImage(48, 32, 7), 48, 32, 75);
    Decoder reference(48, 32);
    ASSERT_EQ(reference.Decode(second), 0);
    Decoder d(48, 32);
    ASSERT_EQ(d.Decode(first), 0);
    ASSERT_EQ(d.Decode(WithoutSegments(second, {0xC4, 0xDB})), 0);
    EXPECT_EQ(d.Pixels(), reference.Pixels());
}

TEST(FrameDecode, IntervalAndClockOfAFrameWithoutClock) {
    BitWriter bits;
    test::PutDcOnlyMcu(bits, {0, 0, 0, 0}, 0, 0);
    Decoder d(16, 16);
    d.decoder.previousClock = 7;
    int interval = 0;
    uint32_t clock = 99;
    EXPECT_TRUE(d.decoder.DecodeJpegFrame(test::MakeFrame({}, bits.Finish()), d.picture, &interval, &clock).complete());
    EXPECT_EQ(interval, -70);
    EXPECT_EQ(clock, 0u);
    EXPECT_EQ(d.decoder.previousClock, 0u);
}

TEST(FrameDecode, FocusScoreSumsHorizontalSteps) {
    BitWriter bits;
    test::PutDcOnlyMcu(bits, {0, 8, -8, 100}, 0, 0);  // samples 128, 144, 128, 255
    Decoder d(16, 16);
    ASSERT_EQ(d.Decode(test::MakeFrame({}, bits.Finish())), 0);
    EXPECT_EQ(d.decoder.FocusScore(0, 0, 15, 16), 8 * 16 + 8 * 127);
    EXPECT_EQ(d.decoder.FocusScore(4, 0, 8, 8), 8 * 16);
    EXPECT_EQ(d.decoder.FocusScore(1, 1, 6, 6), 0);
    // The window and the right neighbours of its last column must lie in
    // the plane.
    EXPECT_EQ(d.decoder.FocusScore(0, 0, 16, 16), 0);
    EXPECT_EQ(d.decoder.FocusScore(0, 1, 15, 16), 0);
    EXPECT_EQ(d.decoder.FocusScore(-1, 0, 4, 4), 0);
}

TEST(FrameDecode, ConversionStaysInsidePlanesAndPicture) {
    BitWriter bits;
    test::PutDcOnlyMcu(bits, {0, 8, -8, 100}, 0, 0);
    Decoder d(16, 16);
    ASSERT_EQ(d.Decode(test::MakeFrame({}, bits.Finish())), 0);
    Picture small(5, 3);
    d.decoder.ConvertPlanesToPicture(small, 500, 500);
    EXPECT_EQ(small.Row(2)[0], 128);
    Picture large(40, 40);
    d.decoder.ConvertPlanesToPicture(large, 40, 40);
    EXPECT_EQ(large.Row(15)[3 * 15], 255);
    EXPECT_EQ(large.Row(16)[0], 0);

    JpegDecoder withoutPlanes;
    EXPECT_TRUE(withoutPlanes.DecodeJpegFrame(test::MakeFrame({}, {}), large, nullptr, nullptr).complete());
}

}  // namespace
}  // namespace vn::jpeg
