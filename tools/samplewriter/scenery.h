// Natural-looking outdoor pictures for sample recordings: sky with clouds,
// a ridge line, textured ground, swaying foliage and animals, lit for the
// time of day. The same view always renders the same pixels, so a camera
// that sees nothing move writes identical pictures.
#pragma once

#include <cstdint>
#include <vector>

namespace vn::samples {

enum class Landscape : uint8_t { Meadow, Forest, Rocky };

struct Animal {
    enum class Kind : uint8_t { Deer, Fox, Bird } kind = Kind::Deer;
    // Position of the body's centre and its length, as fractions of the
    // picture width and height.
    float x = 0.5f;
    float y = 0.7f;
    float size = 0.2f;
    bool facingLeft = false;

    bool operator==(const Animal&) const = default;
};

struct SceneView {
    float daylight = 1.0f;    // 0 night .. 1 full day
    float cloudShift = 0.0f;  // clouds' drift, in picture widths
    float sway = 0.0f;        // foliage bend, -1 .. 1
    bool infrared = false;    // night pictures under infrared light: grey
    std::vector<Animal> animals;

    bool operator==(const SceneView&) const = default;
};

class Scenery {
public:
    // Builds the fixed layers (ridge, ground, foliage, clouds) once; views
    // are then cheap to render.
    Scenery(int width, int height, Landscape landscape, uint32_t seed);

    int width() const { return width_; }
    int height() const { return height_; }

    // Packed RGB, top row first, width x height x 3 bytes (empty for an
    // empty size).
    std::vector<uint8_t> Render(const SceneView& view) const;

private:
    struct Rgb {
        float r, g, b;
    };
    void BuildGround(Landscape landscape, uint32_t seed);
    void BuildFoliage(Landscape landscape, uint32_t seed);
    void BuildClouds(uint32_t seed);
    Rgb SkyAt(int x, int y, const SceneView& view) const;
    void DrawAnimal(std::vector<uint8_t>& rgb, const Animal& animal, float light) const;

    int width_;
    int height_;
    int foliageMargin_;                  // extra columns each side for the sway
    std::vector<int> ridge_;             // first ground row of each column
    std::vector<Rgb> ground_;            // width x height, full daylight
    std::vector<uint8_t> foliageAlpha_;  // (width + 2 margin) x height
    std::vector<Rgb> foliageColour_;
    std::vector<uint8_t> cloud_;  // 2 width x height, density
};

}  // namespace vn::samples
