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
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "common/file_source.h"
#include "movie/mpeg4_decoder.h"
#include "movie/start_codes.h"
#include "movie/stream_window.h"
#include "samplewriter/bit_writer.h"
#include "samplewriter/camera_avi.h"
#include "samplewriter/camera_segments.h"
#include "samplewriter/jpeg_encoder.h"
#include "samplewriter/movie_record.h"
#include "samplewriter/mpeg4_headers.h"
#include "samplewriter/sample_movie.h"
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

// The bytes of a VOP (from its start code) that the decoder reads for a
// picture of the headers' size; at most 64 when it cannot decode it.
size_t VopBytesRead(const Bytes& headers, std::span<const uint8_t> vop) {
    Bytes stream = headers;
    stream.insert(stream.end(), vop.begin(), vop.end());
    stream.resize(std::max<size_t>(stream.size(), vn::mpeg4::kPositionUnit), 0);
    vn::mpeg4::StreamWindow window;
    vn::mpeg4::Mpeg4Decoder decoder;
    if (window.Open(std::make_unique<vn::MemoryFile>(stream)) != 0 || !decoder.ParseStreamHeaders(window) ||
        !decoder.AllocatePictureBuffers(decoder.width(), decoder.height()) || window.FindNextStartCode() < 0 ||
        decoder.DecodeVop(window) < 0) {
        return std::min<size_t>(vop.size(), 64);
    }
    const size_t end = window.position() + (window.byteAligned() ? 0 : 1);
    return std::min(vop.size(), end - headers.size());
}

// The fixture's stream with its headers written again for a 32 x 16
// picture, each of its first VOPs cut to the bytes of its first two
// macroblocks: real macroblock syntax (coefficients, escapes, motion
// vectors), little of it per input.
Bytes SmallStream(const Bytes& stream, uint32_t resolution) {
    const uint8_t prefix[3] = {0x00, 0x00, 0x01};
    std::vector<size_t> starts;
    for (auto at = std::search(stream.begin(), stream.end(), std::begin(prefix), std::end(prefix));
         at != stream.end() && starts.size() < 12;
         at = std::search(at + 3, stream.end(), std::begin(prefix), std::end(prefix))) {
        const uint8_t code = at + 3 < stream.end() ? at[3] : 0;
        if (code == 0xB2 || code == 0xB3 || code == 0xB6) starts.push_back(static_cast<size_t>(at - stream.begin()));
    }
    vn::samples::BitWriter w;
    vn::samples::LayerFields layer;
    layer.width = 32;
    layer.height = 16;
    layer.resolution = resolution;
    vn::samples::WriteStreamHeaders(w, layer);
    const Bytes headers = w.bytes();
    Bytes small = headers;
    for (size_t i = 0; i < starts.size(); ++i) {
        const size_t end = i + 1 < starts.size() ? starts[i + 1] : stream.size();
        std::span<const uint8_t> element(stream.data() + starts[i], end - starts[i]);
        if (element[3] == 0xB6) element = element.first(VopBytesRead(headers, element));
        small.insert(small.end(), element.begin(), element.end());
    }
    return small;
}

// A stream's time increment resolution, read from its headers.
uint32_t Resolution(const Bytes& stream) {
    vn::mpeg4::StreamWindow window;
    vn::mpeg4::Mpeg4Decoder decoder;
    if (window.Open(std::make_unique<vn::MemoryFile>(stream)) != 0 || !decoder.ParseStreamHeaders(window)) return 0;
    return static_cast<uint32_t>(decoder.timeIncrementResolution());
}

// Small movies of the sample writer: intra pictures with coefficients,
// repeating predicted pictures, group-of-VOP headers, and for raw movies
// the sound and clock records.
std::vector<std::pair<std::string, Bytes>> SampleMovies() {
    std::vector<std::pair<std::string, Bytes>> movies;
    for (bool raw : {false, true}) {
        vn::samples::SampleMovie m;
        m.rawMovie = raw;
        m.width = raw ? 32 : 48;
        m.height = raw ? 32 : 16;
        m.pictureCount = 5;
        m.intraPeriod = 2;
        m.quantiser = raw ? 2 : 9;
        m.toneFrequency = 1000;
        m.toneAmplitude = 6000;
        m.audioBytesPerPicture = raw ? 200 : 0;
        for (int k = 0; k < 3; ++k) {
            vn::samples::SceneView view;
            view.daylight = 0.5f + 0.2f * k;
            m.intraViews.push_back(view);
        }
        movies.emplace_back(raw ? "sample.mvm" : "sample.m4v", vn::samples::BuildMovie(m).bytes);
    }
    return movies;
}

bool WriteMovies(const fs::path& fixtures, const fs::path& out) {
    std::vector<std::pair<std::string, Bytes>> movies = SampleMovies();
    for (const auto& entry : fs::directory_iterator(fixtures / "mpeg4")) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".m4v" && extension != ".mvm") continue;
        const Bytes stream = Load(entry.path());
        movies.emplace_back(entry.path().filename().string(), SmallStream(stream, Resolution(stream)));
    }
    for (const auto& [name, bytes] : movies) {
        const bool raw = fs::path(name).extension() == ".mvm";
        // Default windows, sound delivered, a seek to the middle; post-filter mode 2.
        const Bytes head = raw ? Bytes{0x18, 0x80, 0x00} : Bytes{0x00, 0x02};
        if (!Save(out / (raw ? "raw_movie" : "mpeg4_stream") / name, Prefixed(head, bytes))) return false;
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
