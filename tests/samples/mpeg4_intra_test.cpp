// The sample writer's MPEG-4 encoder against the player's decoder: intra
// pictures come back close to their source at every quantiser, whatever
// their size, and skipped pictures repeat their reference exactly.
#include <gtest/gtest.h>

#include <random>

#include "samples/movie_reading.h"
#include "samples/test_folder.h"
#include "samplewriter/movie_stream_writer.h"
#include "samplewriter/scenery.h"
#include "support/psnr.h"

namespace vn::samples {
namespace {

using vn::test::Psnr;

LayerFields Layer(int width, int height) {
    LayerFields layer;
    layer.width = static_cast<uint32_t>(width);
    layer.height = static_cast<uint32_t>(height);
    return layer;
}

VopFields Vop(uint32_t codingType, int quantiser, uint32_t increment) {
    VopFields vop;
    vop.codingType = codingType;
    vop.quant = static_cast<uint32_t>(quantiser);
    vop.timeIncrement = increment;
    return vop;
}

class IntraEncoderTest : public ::testing::Test {
protected:
    // One intra picture of rgb, then a skipped P picture; both decoded.
    // Returns the written stream's size in bytes.
    size_t RoundTrip(const std::vector<uint8_t>& rgb, int width, int height, int quantiser) {
        MovieStreamWriter movie(Layer(width, height));
        source = YuvFromRgb(rgb, width, height);
        movie.Chunk(0x90, 0, std::vector<uint8_t>(1024, 0xFF));  // the player opens nothing under 1 KiB
        movie.IntraVop(Vop(0, quantiser, 0), source);
        movie.SkippedVop(Vop(1, quantiser, 1));
        const std::string path = (folder.path() / "intra.m4v").string();
        EXPECT_TRUE(movie.writer().WriteFile(path));
        EXPECT_GT(reading.Open(path), 0);
        EXPECT_GT(reading.Next(), 0);
        intraRgb = reading.Rgb();
        intraLuma = reading.Luma();
        EXPECT_GT(reading.Next(), 0);
        EXPECT_EQ(reading.Rgb(), intraRgb);
        return movie.size();
    }

    test::TestFolder folder;
    test::MovieReading reading;
    YuvPicture source;
    std::vector<uint8_t> intraRgb, intraLuma;
};

TEST_F(IntraEncoderTest, SceneryStaysCloseToItsSourceAndShrinksWithCoarserQuantisers) {
    const Scenery scenery(320, 240, Landscape::Meadow, 77);
    SceneView view;
    view.animals.push_back({Animal::Kind::Deer, 0.4f, 0.7f, 0.25f});
    const std::vector<uint8_t> rgb = scenery.Render(view);
    struct {
        int quantiser;
        double lumaPsnr, rgbPsnr;
    } const cases[] = {{2, 43, 34}, {4, 38, 32}, {8, 34, 30}, {16, 31, 27.5}, {31, 28.5, 25.5}};
    size_t previousSize = SIZE_MAX;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.quantiser);
        const size_t size = RoundTrip(rgb, 320, 240, c.quantiser);
        EXPECT_GT(Psnr(intraLuma, source.y), c.lumaPsnr);
        EXPECT_GT(Psnr(intraRgb, rgb), c.rgbPsnr);
        EXPECT_LT(size, previousSize);
        previousSize = size;
    }
}

TEST_F(IntraEncoderTest, NoiseAtTheFinestQuantiserNeedsEveryEscapeMode) {
    // Levels far beyond the code tables, and long runs between them.
    std::mt19937 random(5);
    std::vector<uint8_t> rgb(64 * 48 * 3);
    for (auto& byte : rgb) byte = static_cast<uint8_t>(random());
    RoundTrip(rgb, 64, 48, 1);
    EXPECT_GT(Psnr(intraLuma, source.y), 46);
}

TEST_F(IntraEncoderTest, PicturesOfPartMacroblocksKeepTheirVisibleSamples) {
    for (const auto& [width, height] : {std::pair{40, 24}, std::pair{17, 9}, std::pair{8, 40}}) {
        SCOPED_TRACE(testing::Message() << width << " x " << height);
        const Scenery scenery(width, height, Landscape::Rocky, 3);
        RoundTrip(scenery.Render({}), width, height, 3);
        EXPECT_GT(Psnr(intraLuma, source.y), 38);
    }
}

}  // namespace
}  // namespace vn::samples
