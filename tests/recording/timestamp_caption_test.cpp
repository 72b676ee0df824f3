// The time-stamp caption drawn into the bottom band of a picture.
#include "recording/timestamp_caption.h"

#include <gtest/gtest.h>

#include <cstring>

namespace vn::avi {
namespace {

constexpr uint8_t kGrey = 0x80;

// Every byte, row padding included, set to grey.
Picture GreyPicture(int width, int height) {
    Picture picture(width, height);
    std::memset(picture.data(), kGrey, picture.size_bytes());
    return picture;
}

bool IsWhite(const Picture& p, int x, int y) {
    const uint8_t* pixel = p.Row(y) + 3 * x;
    return pixel[0] == 255 && pixel[1] == 255 && pixel[2] == 255;
}

bool IsBlack(const Picture& p, int x, int y) {
    const uint8_t* pixel = p.Row(y) + 3 * x;
    return pixel[0] == 0 && pixel[1] == 0 && pixel[2] == 0;
}

TEST(TimestampCaption, TimeAloneUpTo160PixelsWideDateAndTimeBeyond) {
    EXPECT_EQ(CaptionText(160, "2012/02/29", "23:59:58"), "23:59:58");
    EXPECT_EQ(CaptionText(161, "2012/02/29", "23:59:58"), "2012/02/29  23:59:58");
}

TEST(TimestampCaption, GlyphsAreRightAlignedInTheBlackBand) {
    Picture picture = GreyPicture(240, 60);
    DrawTimestamp(picture, "2012/02/29", "10:23:45");
    // 20 characters of 10 pixels end at the right edge; glyph rows start 14
    // rows above the bottom.
    const int x = 240 - 200;
    const int y = 60 - 14;
    // "2", row 0 = 0x1e: pixels 1 to 4 lit.
    EXPECT_TRUE(IsBlack(picture, x, y));
    for (int b = 1; b <= 4; ++b) EXPECT_TRUE(IsWhite(picture, x + b, y)) << b;
    EXPECT_TRUE(IsBlack(picture, x + 5, y));
    // "0" is the second character, row 9 = 0x1d: pixels 0, 2, 3, 4.
    EXPECT_TRUE(IsWhite(picture, x + 10, y + 9));
    EXPECT_TRUE(IsBlack(picture, x + 11, y + 9));
    EXPECT_TRUE(IsWhite(picture, x + 12, y + 9));
    // The two columns between characters stay black.
    EXPECT_TRUE(IsBlack(picture, x + 8, y + 5));
    EXPECT_TRUE(IsBlack(picture, x + 9, y + 5));
    // The band is black from row height-16 on; above it nothing changed.
    EXPECT_TRUE(IsBlack(picture, 0, 60 - 16));
    EXPECT_TRUE(IsBlack(picture, 239, 59));
    EXPECT_EQ(picture.Row(60 - 17)[0], kGrey);
    // The last glyph row, two rows above the bottom, of the final "5" (row
    // 11 = 0x00) is blank.
    EXPECT_TRUE(IsBlack(picture, 239 - 2, y + 11));
}

TEST(TimestampCaption, PictureOf160PixelsCarriesOnlyTheTime) {
    Picture picture = GreyPicture(160, 40);
    DrawTimestamp(picture, "2012/02/29", "10:23:45");
    // "1", row 9 = 0x1f, starts at 160 - 80.
    for (int b = 0; b < 5; ++b) EXPECT_TRUE(IsWhite(picture, 80 + b, 40 - 14 + 9)) << b;
    for (int x = 0; x < 80; ++x) EXPECT_TRUE(IsBlack(picture, x, 40 - 14 + 9)) << x;
}

TEST(TimestampCaption, NarrowPictureStartsAtColumn8AndIsClippedAtTheRightEdge) {
    Picture picture = GreyPicture(50, 20);
    DrawTimestamp(picture, "2012/02/29", "10:23:45");
    const int y = 20 - 14;
    // "1", row 0 = 0x04 begins at column 8 although the text starts left of 0.
    EXPECT_TRUE(IsBlack(picture, 8, y));
    EXPECT_TRUE(IsWhite(picture, 10, y));
    // Nothing is written into the row padding beyond the right edge.
    for (int row = 0; row < 20; ++row) {
        const uint8_t* pixels = picture.Row(row);
        for (int byte = 3 * 50; byte < picture.stride(); ++byte) EXPECT_EQ(pixels[byte], kGrey);
    }
}

TEST(TimestampCaption, PictureLowerThanTheBandIsBlackedOutWithoutHarm) {
    Picture picture = GreyPicture(30, 10);
    DrawTimestamp(picture, "2012/02/29", "10:23:45");
    EXPECT_TRUE(IsBlack(picture, 0, 0));
    EXPECT_TRUE(IsBlack(picture, 29, 9));
    Picture empty;
    DrawTimestamp(empty, "2012/02/29", "10:23:45");
    EXPECT_TRUE(empty.empty());
}

}  // namespace
}  // namespace vn::avi
