#include "recording/timestamp_caption.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace vn::avi {
namespace {

constexpr int kCellWidth = 10;
constexpr int kCellHeight = 14;
constexpr int kBandRows = 16;
constexpr int kGlyphRows = 12;
constexpr int kGlyphWidth = 8;
constexpr int kLeftmostColumn = 8;

struct Glyph {
    char code;
    uint8_t rows[kGlyphRows];
};

// Rows from the top; the least significant bit is the leftmost pixel.
constexpr Glyph kFont[] = {
    {' ', {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
    {'/', {0x10, 0x10, 0x08, 0x08, 0x04, 0x04, 0x02, 0x02, 0x01, 0x01, 0x00, 0x00}},
    {'0', {0x5c, 0x22, 0x51, 0x51, 0x49, 0x49, 0x45, 0x45, 0x22, 0x1d, 0x00, 0x00}},
    {'1', {0x04, 0x06, 0x05, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x1f, 0x00, 0x00}},
    {'2', {0x1e, 0x21, 0x40, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x7f, 0x00, 0x00}},
    {'3', {0x1c, 0x22, 0x41, 0x40, 0x40, 0x3c, 0x40, 0x40, 0x41, 0x22, 0x1c, 0x00}},
    {'4', {0x10, 0x18, 0x14, 0x12, 0x11, 0x3f, 0x10, 0x10, 0x10, 0x10, 0x00, 0x00}},
    {'5', {0x7f, 0x01, 0x01, 0x01, 0x1f, 0x20, 0x40, 0x40, 0x20, 0x1f, 0x00, 0x00}},
    {'6', {0x3e, 0x41, 0x01, 0x01, 0x3d, 0x43, 0x41, 0x41, 0x41, 0x3e, 0x00, 0x00}},
    {'7', {0x7f, 0x40, 0x40, 0x20, 0x20, 0x10, 0x10, 0x08, 0x08, 0x04, 0x00, 0x00}},
    {'8', {0x3e, 0x41, 0x41, 0x41, 0x3e, 0x41, 0x41, 0x41, 0x41, 0x3e, 0x00, 0x00}},
    {'9', {0x3e, 0x41, 0x41, 0x41, 0x3e, 0x40, 0x40, 0x41, 0x41, 0x3e, 0x00, 0x00}},
    {':', {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x04, 0x00, 0x00}},
};

uint8_t GlyphRow(char code, int row) {
    for (const Glyph& glyph : kFont) {
        if (glyph.code == code) return glyph.rows[row];
    }
    return 0;
}

}  // namespace

std::string CaptionText(int pictureWidth, const std::string& date, const std::string& time) {
    return pictureWidth <= 160 ? time : date + "  " + time;
}

void DrawCaptionText(Picture& picture, int x, const std::string& text, int y) {
    const int width = picture.width();
    const int height = picture.height();
    if (picture.empty()) return;
    for (int row = std::max(0, height - kBandRows); row < height; ++row) {
        std::memset(picture.Row(row), 0, static_cast<size_t>(width) * 3);
    }
    const int start = std::max(x, kLeftmostColumn);
    for (int j = 0; j < kGlyphRows; ++j) {
        const int row = y + j;
        if (row < 0 || row >= height) continue;
        uint8_t* pixels = picture.Row(row);
        int column = start;
        for (const char code : text) {
            const uint8_t bits = GlyphRow(code, j);
            for (int b = 0; b < kGlyphWidth && column < width; ++b, ++column) {
                const uint8_t value = (bits >> b) & 1 ? 255 : 0;
                std::memset(pixels + column * 3, value, 3);
            }
            column += kCellWidth - kGlyphWidth;
            if (column >= width) break;
        }
    }
}

void DrawTimestamp(Picture& picture, const std::string& date, const std::string& time) {
    const std::string text = CaptionText(picture.width(), date, time);
    const int x = picture.width() - kCellWidth * static_cast<int>(text.size());
    DrawCaptionText(picture, x, text, picture.height() - kCellHeight);
}

}  // namespace vn::avi
