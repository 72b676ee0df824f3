// Reads a written movie picture by picture through the player's movie file,
// with the post filter off, and hands out what the window would show.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/picture.h"
#include "movie/movie_file.h"

namespace vn::samples::test {

class MovieReading {
public:
    // Opens path; the length in 1024-byte units, 0 on failure.
    int64_t Open(const std::string& path) {
        const int64_t length = file.OpenStream(path);
        file.decoder().g_nDeblockMethod = 0;
        if (length > 0) {
            EXPECT_TRUE(picture.Reset(file.decoder().width(), file.decoder().height()));
        }
        return length;
    }
    // The next picture; the read's result (the position after it, or nothing).
    std::optional<int> Next(bool deliverAudio = false, int* audioLength = nullptr) {
        return file.ReadNextPicture(&picture, audioLength, false, deliverAudio, nullptr);
    }
    // The shown picture as packed RGB, top row first.
    std::vector<uint8_t> Rgb() const {
        std::vector<uint8_t> rgb;
        rgb.reserve(static_cast<size_t>(picture.width()) * picture.height() * 3);
        for (int y = 0; y < picture.height(); ++y) {
            const uint8_t* row = picture.Row(y);
            for (int x = 0; x < picture.width(); ++x)
                rgb.insert(rgb.end(), {row[3 * x + 2], row[3 * x + 1], row[3 * x]});
        }
        return rgb;
    }
    // The decoded luma plane's visible part.
    std::vector<uint8_t> Luma() {
        const mpeg4::YuvPlanes planes = file.decoder().currentPicture();
        std::vector<uint8_t> luma;
        for (int y = 0; y < file.decoder().height(); ++y) {
            const uint8_t* row = planes.y + static_cast<size_t>(y) * planes.lumaStride;
            luma.insert(luma.end(), row, row + file.decoder().width());
        }
        return luma;
    }

    movie::MovieFile file;
    Picture picture;
};

}  // namespace vn::samples::test
