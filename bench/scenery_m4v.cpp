#include "scenery_m4v.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "samplewriter/bit_writer.h"
#include "samplewriter/mpeg4_headers.h"
#include "samplewriter/scenery.h"

namespace vn::bench {

namespace {

// The encoder's time base; its increments then take the bit length of 30,
// as the cameras' do.
constexpr int kResolution = 30;

// Our headers, then every group-of-VOP header and VOP of the encoder's
// stream; its own headers and user data are left out.
std::vector<uint8_t> ToCameraStream(const std::vector<uint8_t>& encoded, int width, int height) {
    // The cameras' subset is what the sample writer's headers say by default.
    samples::LayerFields layer;
    layer.resolution = kResolution;
    layer.width = static_cast<uint32_t>(width);
    layer.height = static_cast<uint32_t>(height);
    samples::BitWriter headers;
    samples::WriteStreamHeaders(headers, layer);
    std::vector<uint8_t> out = headers.bytes();
    bool keeping = false;
    for (size_t i = 0; i < encoded.size(); ++i) {
        if (i + 3 < encoded.size() && encoded[i] == 0 && encoded[i + 1] == 0 && encoded[i + 2] == 1) {
            keeping = encoded[i + 3] == 0xB3 || encoded[i + 3] == 0xB6;
        }
        if (keeping) out.push_back(encoded[i]);
    }
    return out;
}

// A camera sensor's noise: each sample moved by up to kNoise either way.
constexpr int kNoise = 3;
void AddSensorNoise(std::vector<uint8_t>& rgb, uint32_t& state) {
    for (uint8_t& sample : rgb) {
        state = state * 1664525u + 1013904223u;
        const int moved = sample + static_cast<int>((state >> 24) % (2 * kNoise + 1)) - kNoise;
        sample = static_cast<uint8_t>(std::clamp(moved, 0, 255));
    }
}

// A time-lapse of a windy evening: the light fades, clouds drift, foliage
// sways and a deer walks across a meadow, seen through a slightly noisy
// sensor.
bool PipeScenery(std::FILE* pipe, int width, int height, int pictures) {
    const samples::Scenery scenery(width, height, samples::Landscape::Meadow, 2024);
    uint32_t noise = 1;
    for (int i = 0; i < pictures; ++i) {
        samples::SceneView view;
        const auto t = static_cast<float>(i);
        view.daylight = 1.0f - 0.006f * t;
        view.cloudShift = 0.05f * t;
        view.sway = std::sin(2.0f * t);
        view.animals.push_back({samples::Animal::Kind::Deer, 0.1f + 0.009f * t, 0.72f, 0.22f});
        std::vector<uint8_t> rgb = scenery.Render(view);
        AddSensorNoise(rgb, noise);
        if (std::fwrite(rgb.data(), 1, rgb.size(), pipe) != rgb.size()) return false;
    }
    return true;
}

}  // namespace

bool WriteSceneryStream(const std::string& folder, int width, int height, int pictures, SceneryStream& out) {
    out.encoded = folder + "/scenery_encoded.m4v";
    out.camera = folder + "/scenery_" + std::to_string(width) + "x" + std::to_string(height) + ".m4v";
    // One thread, no B-VOPs, weighting matrices, motion vectors, an intra
    // picture every 15.
    const std::string command = "ffmpeg -hide_banner -loglevel error -y -f rawvideo -pix_fmt rgb24 -s " +
                                std::to_string(width) + "x" + std::to_string(height) + " -r " +
                                std::to_string(kResolution) +
                                " -i - -c:v mpeg4 -threads 1 -flags +bitexact -bf 0 -mpeg_quant 1 -motion_est epzs "
                                "-g 15 -q:v 3 -f m4v '" +
                                out.encoded + "'";
    std::FILE* pipe = popen(command.c_str(), "w");
    if (pipe == nullptr) {
        std::fprintf(stderr, "cannot run ffmpeg\n");
        return false;
    }
    const bool written = PipeScenery(pipe, width, height, pictures);
    if (pclose(pipe) != 0 || !written) {
        std::fprintf(stderr, "ffmpeg could not encode the scenery (is the ffmpeg program installed?)\n");
        return false;
    }
    std::ifstream in(out.encoded, std::ios::binary);
    const std::vector<uint8_t> encoded{std::istreambuf_iterator<char>(in), {}};
    const std::vector<uint8_t> camera = ToCameraStream(encoded, width, height);
    std::ofstream file(out.camera, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(camera.data()), static_cast<std::streamsize>(camera.size()));
    return static_cast<bool>(file);
}

}  // namespace vn::bench
