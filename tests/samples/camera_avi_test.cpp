#include "samplewriter/camera_avi.h"

#include <gtest/gtest.h>

#include "samples/byte_view.h"
#include "samplewriter/byte_writer.h"
#include "samplewriter/movie_record.h"

namespace vn::samples {
namespace {

using test::I32At;
using test::TextAt;
using test::U16At;
using test::U32At;

std::vector<std::vector<uint8_t>> ThreeFrames() {
    // Odd lengths: the frame chunks must not be padded.
    return {{0xFF, 0xD8, 1}, {0xFF, 0xD8, 2, 2, 2}, {0xFF, 0xD8, 3, 3, 3, 3, 3}};
}

// Absolute positions of the top-level chunks after the RIFF header.
struct ChunkWalk {
    std::vector<std::string> tags;
    std::vector<size_t> positions;
};

ChunkWalk WalkChunks(const std::vector<uint8_t>& file) {
    ChunkWalk walk;
    for (size_t pos = 12; pos + 8 <= file.size(); pos += 8 + U32At(file, pos + 4)) {
        walk.tags.push_back(TextAt(file, pos, 4));
        walk.positions.push_back(pos);
    }
    return walk;
}

TEST(ByteWriter, ComposesLittleEndianAndPatchesChunkSizes) {
    ByteWriter w;
    w.U8(1);
    w.U16(0x0302);
    w.U32(0x07060504);
    w.I32(-2);
    const size_t chunk = w.BeginChunk("ab");
    w.Zeros(3);
    w.EndChunk(chunk);
    w.PatchU32(w.size() - 2, 0xFFFFFFFF);  // would run past the end: ignored
    const std::vector<uint8_t> expected = {1,   2,   3,   4,   5, 6, 7, 0xFE, 0xFF, 0xFF, 0xFF,
                                           'a', 'b', ' ', ' ', 3, 0, 0, 0,    0,    0,    0};
    EXPECT_EQ(w.bytes(), expected);
}

TEST(CameraAvi, HeaderValuesSitAtTheCamerasFixedOffsets) {
    CameraAviOptions o;
    o.width = 640;
    o.height = 480;
    o.scale = 60;
    o.rate = 300;
    const auto file = BuildCameraAvi(o, ThreeFrames());
    EXPECT_EQ(TextAt(file, 0, 4), "RIFF");
    EXPECT_EQ(TextAt(file, 8, 4), "AVI ");
    EXPECT_EQ(TextAt(file, 12, 4), "LIST");
    EXPECT_EQ(TextAt(file, 20, 8), "hdrlavih");
    EXPECT_EQ(I32At(file, 48), 3);
    EXPECT_EQ(I32At(file, 64), 640);
    EXPECT_EQ(I32At(file, 68), 480);
    EXPECT_EQ(TextAt(file, 108, 8), "vidsMJPG");
    EXPECT_EQ(I32At(file, 128), 60);
    EXPECT_EQ(I32At(file, 132), 300);
    EXPECT_EQ(I32At(file, 140), 3);  // stream length
    EXPECT_EQ(TextAt(file, 164, 4), "strf");
    EXPECT_EQ(U32At(file, 16), 192u);  // the header list ends at 212
}

TEST(CameraAvi, TotalFramesCanDifferFromTheFramesGiven) {
    CameraAviOptions o;
    o.totalFrames = 0;
    const auto file = BuildCameraAvi(o, ThreeFrames());
    EXPECT_EQ(I32At(file, 48), 0);
    EXPECT_EQ(U32At(file, WalkChunks(file).positions.back() + 4), 3u * 16);
}

TEST(CameraAvi, IndexInsideRiffHoldsAbsoluteOffsetsOfUnpaddedChunks) {
    const auto frames = ThreeFrames();
    const auto file = BuildCameraAvi(CameraAviOptions{}, frames);
    EXPECT_EQ(U32At(file, 4), file.size() - 8);
    const ChunkWalk walk = WalkChunks(file);
    ASSERT_EQ(walk.tags, (std::vector<std::string>{"LIST", "LIST", "idx1"}));
    EXPECT_EQ(TextAt(file, walk.positions[1] + 8, 4), "movi");
    size_t expectedChunk = walk.positions[1] + 12;
    const size_t idx1 = walk.positions[2];
    for (size_t i = 0; i < frames.size(); ++i) {
        const size_t entry = idx1 + 8 + 16 * i;
        EXPECT_EQ(TextAt(file, entry, 4), "00dc");
        EXPECT_EQ(U32At(file, entry + 4), 0x10u);
        EXPECT_EQ(U32At(file, entry + 8), expectedChunk);
        EXPECT_EQ(U32At(file, entry + 12), frames[i].size());
        EXPECT_EQ(TextAt(file, expectedChunk, 4), "00dc");
        EXPECT_EQ(U32At(file, expectedChunk + 4), frames[i].size());
        EXPECT_EQ(file[expectedChunk + 8 + 2], frames[i][2]);
        expectedChunk += 8 + frames[i].size();
    }
    EXPECT_EQ(expectedChunk, idx1);
}

TEST(CameraAvi, IndexAfterRiffCountsFromTheByteAfterMovi) {
    CameraAviOptions o;
    o.index = CameraAviOptions::Index::AfterRiff;
    o.frameTag = "00db";
    const auto file = BuildCameraAvi(o, ThreeFrames());
    const ChunkWalk walk = WalkChunks(file);
    ASSERT_EQ(walk.tags.back(), "idx1");
    const size_t idx1 = walk.positions.back();
    EXPECT_EQ(U32At(file, 4) + 8, idx1);
    const size_t afterMovi = walk.positions[1] + 12;
    EXPECT_EQ(U32At(file, idx1 + 8 + 8), 0u);
    const uint32_t second = U32At(file, idx1 + 8 + 16 + 8);
    EXPECT_EQ(second, 3u + 8);
    EXPECT_EQ(TextAt(file, afterMovi + second, 4), "00db");
}

TEST(CameraAvi, ModelTagAndMovieRecordPrecedeTheFrames) {
    CameraAviOptions o;
    o.modelTag = "XPRMAX";
    o.modelMode = 3;
    o.junkSize = 9;
    MovieSettings settings;
    settings.modelName = "XPR310 Max HDR";
    settings.intervalTenths = 600;
    settings.timerDays = 0x7C;
    o.movieRecordBody = MovieRecordBody(settings);
    const auto file = BuildCameraAvi(o, ThreeFrames());
    const ChunkWalk walk = WalkChunks(file);
    ASSERT_EQ(walk.tags, (std::vector<std::string>{"LIST", "JUNK", "INFO", "LIST", "idx1"}));
    const size_t junk = walk.positions[1];
    EXPECT_EQ(junk, 212u);
    EXPECT_EQ(U32At(file, junk + 4), 9u);
    EXPECT_EQ(TextAt(file, junk + 8, 6), "XPRMAX");
    EXPECT_EQ(file[junk + 14], 3);
    EXPECT_EQ(walk.positions[2], junk + 17);  // odd size, no pad byte

    // The record as readers keep it: 52 bytes from the "minf" tag.
    const size_t minf = walk.positions[2] + 8;
    EXPECT_EQ(U32At(file, walk.positions[2] + 4), 52u);
    EXPECT_EQ(TextAt(file, minf, 4), "minf");
    EXPECT_EQ(U16At(file, minf + 4), 46);
    EXPECT_EQ(TextAt(file, minf + 6, 15), std::string("XPR310 Max HDR\0", 15));
    EXPECT_EQ(U32At(file, minf + 40), 600u);
    EXPECT_EQ(file[minf + 50], 0x7C);
    EXPECT_GE(U32At(file, minf + 4), 65536u);  // the name lies in the size's upper half
}

TEST(CameraAvi, MovieRecordBodyMatchesARecordedXprmaxFile) {
    // The "minf" record of tests/fixtures/avi/xprmax.avi from offset 6 on.
    const std::vector<uint8_t> recorded = {'X', 'P', 'R',  '3',  '1',  '0',  ' ',  'M',  'a',  'x', ' ',  'H',
                                           'D', 'R', 0,    0,    0xD2, 0x04, 0,    0,    2,    1,   1,    0,
                                           3,   1,   3,    5,    4,    0,    6,    0,    2,    0,   0x58, 0x02,
                                           0,   0,   0xFE, 0xFF, 0xC2, 0x01, 0x38, 0x04, 0x7C, 0};
    MovieSettings m;
    m.modelName = "XPR310 Max HDR";
    m.firmware = 1234;
    m.bandFilter = 2;
    m.led = 1;
    m.timeStamp = 1;
    m.whiteBalance = 3;
    m.scene = 1;
    m.captureMode = 3;
    m.hdr = 5;
    m.contrast = 4;
    m.saturation = 6;
    m.sharpness = 2;
    m.intervalTenths = 600;
    m.expoComp = -2;
    m.timerStart = 450;
    m.timerStop = 1080;
    m.timerDays = 0x7C;
    EXPECT_EQ(MovieRecordBody(m), recorded);
}

TEST(CameraAvi, ShortJunkCutsTheModelTag) {
    CameraAviOptions o;
    o.modelTag = "WRD310";
    o.junkSize = 4;
    const auto file = BuildCameraAvi(o, ThreeFrames());
    EXPECT_EQ(U32At(file, 212 + 4), 4u);
    EXPECT_EQ(TextAt(file, 220, 4), "WRD3");
    EXPECT_EQ(TextAt(file, 224, 4), "LIST");
}

}  // namespace
}  // namespace vn::samples
