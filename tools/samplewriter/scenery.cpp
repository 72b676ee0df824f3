#include "samplewriter/scenery.h"

#include <algorithm>
#include <cmath>

namespace vn::samples {

namespace {

uint32_t Hash(int x, int y, uint32_t seed) {
    uint32_t h = seed ^ static_cast<uint32_t>(x) * 0x27D4EB2Du ^ static_cast<uint32_t>(y) * 0x165667B1u;
    h ^= h >> 15;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    return h ^ (h >> 16);
}

float Lattice(int x, int y, uint32_t seed) { return static_cast<float>(Hash(x, y, seed) & 0xFFFF) / 65535.0f; }

float SmoothStep(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

float ValueNoise(float x, float y, uint32_t seed) {
    const float fx0 = std::floor(x), fy0 = std::floor(y);
    const int x0 = static_cast<int>(fx0), y0 = static_cast<int>(fy0);
    const float tx = SmoothStep(0.0f, 1.0f, x - fx0), ty = SmoothStep(0.0f, 1.0f, y - fy0);
    const float top = Lattice(x0, y0, seed) + (Lattice(x0 + 1, y0, seed) - Lattice(x0, y0, seed)) * tx;
    const float bottom = Lattice(x0, y0 + 1, seed) + (Lattice(x0 + 1, y0 + 1, seed) - Lattice(x0, y0 + 1, seed)) * tx;
    return top + (bottom - top) * ty;
}

// Sum of octaves of value noise, 0..1: large shapes with finer detail.
float Fractal(float x, float y, uint32_t seed, int octaves) {
    float sum = 0.0f, amplitude = 0.5f, total = 0.0f, frequency = 1.0f;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * ValueNoise(x * frequency, y * frequency, seed + 101u * static_cast<uint32_t>(o));
        total += amplitude;
        amplitude *= 0.5f;
        frequency *= 2.0f;
    }
    return sum / total;
}

struct Palette {
    float grass[3], dry[3], soil[3], leaf[3];
};

Palette PaletteOf(Landscape landscape) {
    switch (landscape) {
        case Landscape::Forest:
            return {{0.20f, 0.36f, 0.14f}, {0.35f, 0.40f, 0.18f}, {0.32f, 0.24f, 0.16f}, {0.12f, 0.28f, 0.10f}};
        case Landscape::Rocky:
            return {{0.42f, 0.46f, 0.30f}, {0.55f, 0.53f, 0.49f}, {0.48f, 0.40f, 0.32f}, {0.22f, 0.34f, 0.16f}};
        case Landscape::Meadow:
            break;
    }
    return {{0.34f, 0.55f, 0.20f}, {0.70f, 0.64f, 0.32f}, {0.45f, 0.35f, 0.24f}, {0.16f, 0.38f, 0.12f}};
}

float Mix(float a, float b, float t) { return a + (b - a) * t; }

uint8_t ToByte(float v) { return static_cast<uint8_t>(std::clamp(v * 255.0f + 0.5f, 0.0f, 255.0f)); }

}  // namespace

Scenery::Scenery(int width, int height, Landscape landscape, uint32_t seed)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), foliageMargin_(std::max(2, width_ / 160)) {
    if (width_ == 0 || height_ == 0) return;  // renders as an empty picture
    ridge_.resize(width_);
    for (int x = 0; x < width_; ++x) {
        const float n = Fractal(static_cast<float>(x) / width_ * 4.0f, 0.5f, seed, 5);
        ridge_[x] = static_cast<int>(height_ * (0.40f + 0.24f * (n - 0.5f)));
    }
    BuildGround(landscape, seed);
    BuildFoliage(landscape, seed);
    BuildClouds(seed);
}

void Scenery::BuildGround(Landscape landscape, uint32_t seed) {
    const Palette p = PaletteOf(landscape);
    const float hazeColour[3] = {0.70f, 0.75f, 0.80f};
    // One vanishing line above every ridge, so the ground's texture recedes
    // evenly behind the hills.
    const float horizon = static_cast<float>(height_) * 0.2f;
    ground_.assign(static_cast<size_t>(width_) * height_, Rgb{0, 0, 0});
    for (int y = 0; y < height_; ++y) {
        const float nearness = (static_cast<float>(y) - horizon) / (static_cast<float>(height_) - horizon);
        const float depth = 1.0f / (std::max(nearness, 0.0f) + 0.05f);
        const float haze = std::pow(std::clamp(1.0f - nearness, 0.0f, 1.0f), 5.0f) * 0.6f;
        for (int x = 0; x < width_; ++x) {
            if (y < ridge_[x]) continue;
            const float u = (static_cast<float>(x) / width_ - 0.5f) * depth * 2.0f;
            const float patches = Fractal(u * 2.0f, depth * 2.0f, seed + 17, 5);
            const float detail = Fractal(u * 24.0f, depth * 24.0f, seed + 29, 3);
            const float dryness = SmoothStep(0.45f, 0.65f, patches);
            const float soil = SmoothStep(0.62f, 0.72f, Fractal(u * 5.0f, depth * 5.0f, seed + 43, 4));
            const float shade = 0.7f + 0.6f * detail;
            float channel[3];
            for (int k = 0; k < 3; ++k) {
                const float base = Mix(Mix(p.grass[k], p.dry[k], dryness), p.soil[k], soil) * shade;
                channel[k] = Mix(base, hazeColour[k], haze);
            }
            ground_[static_cast<size_t>(y) * width_ + x] = {channel[0], channel[1], channel[2]};
        }
    }
}

void Scenery::BuildFoliage(Landscape landscape, uint32_t seed) {
    const Palette p = PaletteOf(landscape);
    const float cover = landscape == Landscape::Forest ? 0.22f : landscape == Landscape::Rocky ? 0.06f : 0.12f;
    const int span = width_ + 2 * foliageMargin_;
    foliageAlpha_.assign(static_cast<size_t>(span) * height_, 0);
    foliageColour_.assign(static_cast<size_t>(span) * height_, Rgb{0, 0, 0});
    for (int column = 0; column < span; ++column) {
        const int x = std::clamp(column - foliageMargin_, 0, width_ - 1);
        const float fx = static_cast<float>(column) / width_;
        for (int y = 0; y < height_; ++y) {
            const float fy = static_cast<float>(y) / height_;
            // Crowns along the ridge thin out upwards; bushes rise from the bottom edge.
            const float aboveRidge = (static_cast<float>(ridge_[x]) / height_ - fy) / cover;
            const float crowns = Fractal(fx * 12.0f, fy * 12.0f, seed + 5, 4) + 0.25f - 0.9f * aboveRidge;
            const float inTrees = fy < static_cast<float>(ridge_[x]) / height_ + 0.03f ? crowns : 0.0f;
            const float bushes = Fractal(fx * 7.0f, fy * 7.0f, seed + 61, 4) + 3.0f * (fy - 0.86f);
            const float density = std::max(inTrees, bushes);
            const float alpha = SmoothStep(0.45f, 0.52f, density);
            if (alpha <= 0.0f) continue;
            const float leaves = Fractal(fx * 160.0f, fy * 160.0f, seed + 71, 3);
            const float shade = (0.45f + 0.9f * leaves) * (0.8f + 0.4f * SmoothStep(0.45f, 0.8f, density));
            const size_t at = static_cast<size_t>(y) * span + column;
            foliageAlpha_[at] = ToByte(alpha);
            foliageColour_[at] = {p.leaf[0] * shade, p.leaf[1] * shade, p.leaf[2] * shade};
        }
    }
}

void Scenery::BuildClouds(uint32_t seed) {
    const int span = 2 * width_;
    cloud_.assign(static_cast<size_t>(span) * height_, 0);
    for (int y = 0; y < height_ * 2 / 3; ++y) {
        for (int x = 0; x < span; ++x) {
            // Tiles horizontally so drifting clouds wrap without a seam.
            const float fx = static_cast<float>(x) / width_ * 3.0f, fy = static_cast<float>(y) / height_ * 7.0f;
            const float a = Fractal(fx, fy, seed + 83, 6), b = Fractal(fx - 6.0f, fy, seed + 83, 6);
            const float wrap = static_cast<float>(x) / span;
            cloud_[static_cast<size_t>(y) * span + x] = ToByte(SmoothStep(0.50f, 0.72f, Mix(a, b, wrap)));
        }
    }
}

Scenery::Rgb Scenery::SkyAt(int x, int y, const SceneView& view) const {
    const float d = std::clamp(view.daylight, 0.0f, 1.0f);
    const float t = static_cast<float>(y) / static_cast<float>(std::max(ridge_[x], 1));
    const float dusk = 4.0f * d * (1.0f - d) * t * t;
    Rgb sky{Mix(Mix(0.02f, 0.08f, t), Mix(0.25f, 0.75f, t), d) + 0.6f * dusk,
            Mix(Mix(0.03f, 0.08f, t), Mix(0.45f, 0.85f, t), d) + 0.25f * dusk,
            Mix(Mix(0.08f, 0.15f, t), Mix(0.85f, 0.95f, t), d)};
    const int span = 2 * width_;
    const int shifted = ((x + static_cast<int>(view.cloudShift * static_cast<float>(width_))) % span + span) % span;
    const float density = cloud_[static_cast<size_t>(y) * span + shifted] / 255.0f;
    const float cloud = Mix(0.12f, 0.95f, d);
    return {Mix(sky.r, cloud, density), Mix(sky.g, cloud, density), Mix(sky.b, cloud * 1.03f, density)};
}

std::vector<uint8_t> Scenery::Render(const SceneView& view) const {
    std::vector<uint8_t> rgb(static_cast<size_t>(width_) * height_ * 3);
    const float d = std::clamp(view.daylight, 0.0f, 1.0f);
    const float light = 0.08f + 0.92f * d;
    const float warm = 0.75f + 0.25f * d;  // night light is bluer
    const int span = width_ + 2 * foliageMargin_;
    for (int y = 0; y < height_; ++y) {
        // Low foliage near the camera bends further than the distant trees.
        const float reach = y > height_ * 2 / 3 ? 1.0f : 0.4f;
        const int bend = static_cast<int>(std::lround(std::clamp(view.sway, -1.0f, 1.0f) * reach * foliageMargin_));
        uint8_t* row = rgb.data() + static_cast<size_t>(y) * width_ * 3;
        for (int x = 0; x < width_; ++x) {
            Rgb c;
            if (y < ridge_[x]) {
                c = SkyAt(x, y, view);
            } else {
                const Rgb& g = ground_[static_cast<size_t>(y) * width_ + x];
                c = {g.r * light * warm, g.g * light, g.b * light};
            }
            const size_t at = static_cast<size_t>(y) * span + (x + foliageMargin_ - bend);
            const float alpha = foliageAlpha_[at] / 255.0f;
            if (alpha > 0.0f) {
                const Rgb& f = foliageColour_[at];
                c = {Mix(c.r, f.r * light * warm, alpha), Mix(c.g, f.g * light, alpha), Mix(c.b, f.b * light, alpha)};
            }
            row[3 * x] = ToByte(c.r);
            row[3 * x + 1] = ToByte(c.g);
            row[3 * x + 2] = ToByte(c.b);
        }
    }
    for (const Animal& animal : view.animals) DrawAnimal(rgb, animal, light);
    if (view.infrared) {
        for (size_t i = 0; i < rgb.size(); i += 3) {
            const int grey = (77 * rgb[i] + 150 * rgb[i + 1] + 29 * rgb[i + 2]) >> 8;
            rgb[i] = rgb[i + 1] = rgb[i + 2] = static_cast<uint8_t>(grey);
        }
    }
    return rgb;
}

void Scenery::DrawAnimal(std::vector<uint8_t>& rgb, const Animal& a, float light) const {
    struct Part {
        float dx, dy, rx, ry;  // relative to the body length
        float shade;
    };
    using Kind = Animal::Kind;
    const float colour[3][3] = {{0.55f, 0.38f, 0.22f}, {0.80f, 0.40f, 0.14f}, {0.12f, 0.12f, 0.14f}};
    const std::vector<Part> deer = {{0, 0, 0.5f, 0.19f, 1},
                                    {0.42f, -0.2f, 0.08f, 0.2f, 0.95f},
                                    {0.52f, -0.38f, 0.14f, 0.08f, 1},
                                    {-0.36f, 0.28f, 0.035f, 0.2f, 0.7f},
                                    {-0.28f, 0.3f, 0.035f, 0.2f, 0.65f},
                                    {0.3f, 0.28f, 0.035f, 0.2f, 0.7f},
                                    {0.38f, 0.3f, 0.035f, 0.2f, 0.65f}};
    const std::vector<Part> fox = {{0, 0, 0.45f, 0.16f, 1},
                                   {0.5f, -0.1f, 0.14f, 0.11f, 1},
                                   {-0.65f, 0.02f, 0.3f, 0.07f, 0.85f},
                                   {-0.3f, 0.22f, 0.04f, 0.14f, 0.6f},
                                   {0.3f, 0.22f, 0.04f, 0.14f, 0.6f}};
    const std::vector<Part> bird = {
        {0, 0, 0.25f, 0.1f, 1}, {-0.15f, -0.2f, 0.35f, 0.05f, 0.9f}, {0.2f, -0.18f, 0.3f, 0.05f, 0.9f}};
    const std::vector<Part>& parts = a.kind == Kind::Deer ? deer : a.kind == Kind::Fox ? fox : bird;
    const float* base = colour[static_cast<int>(a.kind)];
    const float length = a.size * width_;
    const float cx = a.x * width_, cy = a.y * height_;
    for (const Part& part : parts) {
        const float px = cx + (a.facingLeft ? -part.dx : part.dx) * length, py = cy + part.dy * length;
        const float rx = std::max(part.rx * length, 1.0f), ry = std::max(part.ry * length, 1.0f);
        const int x0 = std::max(0, static_cast<int>(px - rx)), x1 = std::min(width_ - 1, static_cast<int>(px + rx));
        const int y0 = std::max(0, static_cast<int>(py - ry)), y1 = std::min(height_ - 1, static_cast<int>(py + ry));
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const float ex = (x - px) / rx, ey = (y - py) / ry;
                if (ex * ex + ey * ey > 1.0f) continue;
                // Lit from above: the top of each part is lighter.
                const float shade = part.shade * (1.1f - 0.3f * ey) * light;
                uint8_t* pixel = rgb.data() + (static_cast<size_t>(y) * width_ + x) * 3;
                for (int k = 0; k < 3; ++k) pixel[k] = ToByte(base[k] * shade);
            }
        }
    }
}

}  // namespace vn::samples
