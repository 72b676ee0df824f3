// A movie file opened from a hand-made stream, with reads that record
// every output.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "movie/movie_file.h"
#include "support/hand_made_movie.h"

namespace vn::test {

constexpr int kNone = -12345;  // an output that the read must leave alone

class MovieFileTest : public ::testing::Test {
protected:
    std::string Path(const char* name) {
        return ::testing::TempDir() + "movie_file_" + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
               name;
    }
    // Writes the movie and opens it; the length in position units.
    int64_t Open(const HandMadeMovie& movie, size_t length = SIZE_MAX) {
        const std::string path = Path(".mvm");
        EXPECT_TRUE(movie.Write(path, length));
        return file.OpenStream(path);
    }
    struct Read {
        std::optional<int> pos;
        int audioLength;
        int quantiser;
    };
    Read ReadNext(bool honourSkip, bool deliverAudio, Picture* picture = nullptr) {
        Read r{std::nullopt, kNone, kNone};
        r.pos = file.ReadNextPicture(picture, &r.audioLength, honourSkip, deliverAudio, &r.quantiser);
        return r;
    }
    std::vector<uint8_t> TakeAudio() {
        std::vector<uint8_t> bytes(file.audioRing().count());
        file.audioRing().Take(bytes);
        return bytes;
    }

    movie::MovieFile file;
};

}  // namespace vn::test
