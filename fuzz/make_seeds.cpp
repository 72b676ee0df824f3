// Writes the harnesses' seed inputs: small recordings and frames composed by
// the sample writer with every kind of camera record, and the fixture
// movies cut down to their first pictures. The kept corpora grew from
// these; run it again only to start a corpus afresh.
//   fuzz_seeds FIXTURE_DIR OUT_DIR   (FIXTURE_DIR: tests/fixtures)
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "samplewriter/camera_avi.h"
#include "samplewriter/camera_segments.h"
#include "samplewriter/jpeg_encoder.h"
#include "samplewriter/movie_record.h"
#include "samplewriter/sample_recording.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;
using vn::samples::SampleFrame;

// A small picture with edges and gradients in all three colours.
Bytes Picture(int width, int height, int quality, int seed) {
    Bytes rgb(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
            p[0] = static_cast<uint8_t>(x * 255 / width + seed * 40);
            p[1] = static_cast<uint8_t>((x + y + seed) % 7 < 3 ? 30 : 220);
            p[2] = static_cast<uint8_t>(y * 255 / height);
        }
    }
    return vn::samples::EncodeJpeg(rgb.data(), width, height, quality);
}

// Frames carrying each record the cameras write, in turn.
std::vector<Bytes> Frames(int width, int height, int count, uint8_t cameraKind) {
    std::vector<Bytes> frames;
    vn::samples::CameraDate date{2011, 12, 31, 23, 59, 58};
    for (int i = 0; i < count; ++i) {
        SampleFrame frame;
        vn::samples::TsRecord ts;
        ts.date = vn::samples::AddSeconds(date, i);
        ts.cameraKind = cameraKind;
        ts.triggerSensor = i % 2 == 1;
        ts.firmware = "FW1.2";
        frame.ts = ts;
        frame.eventByte = static_cast<uint8_t>(i == 0 ? 0x01 : (i % 2) << 7);
        if (i % 3 == 0) frame.clockRecord = vn::samples::CameraClock(date);
        if (i % 3 == 1) frame.exposure = vn::samples::ExposureValues{100, 50, 3, 416, 128, 1, 64, 700};
        if (i % 3 == 2) frame.comment = "Morvat WRD";
        frames.push_back(vn::samples::ComposeFrame(frame, Picture(width, height, 40 + 20 * i, i)));
    }
    return frames;
}

bool Save(const fs::path& path, const Bytes& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

Bytes Load(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Bytes Prefixed(Bytes settings, const Bytes& bytes) {
    settings.insert(settings.end(), bytes.begin(), bytes.end());
    return settings;
}

bool WriteRecordings(const fs::path& out) {
    using Options = vn::samples::CameraAviOptions;
    struct Recording {
        const char* name;
        Options options;
        uint8_t cameraKind;
    };
    Options events;
    events.width = 32;
    events.height = 24;
    events.modelTag = "WRD310";
    Options movie;
    movie.width = 48;
    movie.height = 16;
    movie.scale = 60;
    movie.rate = 300;
    movie.modelTag = "XPRMAX";
    movie.modelMode = 3;
    movie.junkSize = 9;  // odd, without a pad byte
    vn::samples::MovieSettings settings;
    settings.modelName = "XPRMAX";
    settings.captureMode = 3;
    settings.hdr = 5;
    settings.intervalTenths = 600;
    movie.movieRecordBody = vn::samples::MovieRecordBody(settings);
    Options after;
    after.width = 17;
    after.height = 9;
    after.scale = 65535;
    after.rate = -1;
    after.index = Options::Index::AfterRiff;
    after.frameTag = "00db";
    const Recording recordings[] = {{"events.avi", events, 3}, {"movie.avi", movie, 2}, {"after.avi", after, 4}};
    for (const Recording& r : recordings) {
        const auto frames = Frames(r.options.width, r.options.height, 3, r.cameraKind);
        if (!Save(out / "avi_reader" / r.name, vn::samples::BuildCameraAvi(r.options, frames))) return false;
    }
    return true;
}

bool WriteFrames(const fs::path& out) {
    const struct {
        int width, height;
        uint8_t switches;
    } sizes[] = {{16, 16, 0}, {24, 17, 1}, {48, 32, 6}};
    int n = 0;
    for (const auto& s : sizes) {
        for (const Bytes& frame : Frames(s.width, s.height, 3, static_cast<uint8_t>(2 + n % 3))) {
            const Bytes settings{static_cast<uint8_t>(s.width - 1), static_cast<uint8_t>(s.height - 1), s.switches};
            if (!Save(out / "jpeg_frame" / ("frame" + std::to_string(n++)), Prefixed(settings, frame))) return false;
        }
    }
    return true;
}

// The stream up to its fourth VOP start code (its headers and three
// pictures with what stands between them).
Bytes FirstPictures(const Bytes& stream) {
    const uint8_t vop[4] = {0x00, 0x00, 0x01, 0xB6};
    auto at = stream.begin();
    for (int found = 0; found < 4; ++found) {
        at = std::search(at, stream.end(), std::begin(vop), std::end(vop));
        if (at == stream.end()) return stream;
        if (found < 3) ++at;
    }
    return Bytes(stream.begin(), at);
}

bool WriteMovies(const fs::path& fixtures, const fs::path& out) {
    for (const auto& entry : fs::directory_iterator(fixtures / "mpeg4")) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".m4v" && extension != ".mvm") continue;
        const Bytes cut = FirstPictures(Load(entry.path()));
        const std::string name = entry.path().filename().string();
        // Default windows, then windows of 64 bytes; modes 2 and 1.
        const bool raw = extension == ".mvm";
        for (uint8_t settings : {uint8_t{0x18}, uint8_t{0x02}}) {
            const fs::path to = out / (raw ? "raw_movie" : "mpeg4_stream") / (name + "." + std::to_string(settings));
            const Bytes head = raw ? Bytes{settings, 0x80, 0x00} : Bytes{settings, static_cast<uint8_t>(settings & 3)};
            if (!Save(to, Prefixed(head, cut))) return false;
        }
    }
    return true;
}

bool WriteSettings(const fs::path& out) {
    const std::string files[] = {
        "[window]\nnMainWinX=10\nnMainWinY=20\nnMainWinWidth=900\nnMainWinHeight=700\nShowDiags=1\n"
        "[settings]\nnFrmRate=15\nnZoom=200\nnMotionThreshold=50\nbShowExpo=1\ng_bEmbedTime=1\n"
        "g_nDeblockMethod=1\nTestLanguage=2\ng_nExportMode=1\n",
        "[settings]\nnZoom=-5\nnFrmRate=+40 frames\nnInt1=x\ncDrive=68\n",
    };
    int n = 0;
    for (const std::string& text : files) {
        if (!Save(out / "settings" / ("settings" + std::to_string(n++) + ".ini"), Bytes(text.begin(), text.end()))) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seeds FIXTURE_DIR OUT_DIR\n");
        return 1;
    }
    const fs::path fixtures = argv[1], out = argv[2];
    if (!WriteRecordings(out) || !WriteFrames(out) || !WriteMovies(fixtures, out) || !WriteSettings(out)) {
        std::fprintf(stderr, "fuzz_seeds: cannot write the seeds into %s\n", argv[2]);
        return 1;
    }
    return 0;
}
