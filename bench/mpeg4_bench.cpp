// Pictures per second of our MPEG-4 decoder and of FFmpeg's mpeg4 decoder on
// the same streams, both single-threaded, in one run: each decodes a whole
// stream over and over until it has made at least 2000 pictures; the best of
// five such rounds counts, as the machine is shared. Times are the thread's
// processor time, so that waiting for a shared processor does not count.
//
//   vnplay-bench-mpeg4 FILE.m4v...
//
// Where the ffmpeg program is installed, a 640 x 480 stream of the sample
// writer's scenery is made in a temporary folder and measured after the
// given files. For each stream, named by its size, it prints ours_fps
// (decoding only, as FFmpeg does), ffmpeg_fps, the display conversion alone
// in each post-filter mode (display_mode0_fps none, display_mode1_fps
// low-pass, display_mode2_fps deblocking), ours_display_fps (decoding and
// mode 2, what the window gets) and, for the made stream, how close our
// pictures come to FFmpeg's decoding of what its encoder meant (PSNR).
// Last come the ratios ours_fps / ffmpeg_fps, one per stream.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
}

#include "common/picture.h"
#include "movie/movie_file.h"
#include "scenery_m4v.h"

namespace {

constexpr int kMinPictures = 2000;
constexpr int kRounds = 5;
constexpr int kSceneryWidth = 640, kSceneryHeight = 480, kSceneryPictures = 90;

struct Throughput {
    long pictures = 0;
    double seconds = 0;
    double fps() const { return seconds > 0 ? pictures / seconds : 0; }
};

Throughput Best(Throughput a, Throughput b) { return a.fps() >= b.fps() ? a : b; }

// Processor time of the calling thread, in seconds.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Our decoder through the movie layer; with a picture, also the display
// conversion in the default post-filter mode.
Throughput DecodeOurs(const std::string& path, vn::Picture* picture) {
    vn::movie::MovieFile movie;
    Throughput run;
    if (movie.OpenStream(path) < 1) return run;
    if (picture) picture->Reset(movie.decoder().width(), movie.decoder().height());
    const double start = ThreadSeconds();
    while (run.pictures < kMinPictures) {
        const long before = run.pictures;
        while (movie.ReadNextPicture(picture, nullptr, false, false, nullptr)) ++run.pictures;
        if (run.pictures == before || !movie.RewindStream()) break;
    }
    run.seconds = ThreadSeconds() - start;
    return run;
}

// The display conversion alone in post-filter modes 0, 1 and 2: each
// picture is decoded untimed, then converted once in every mode.
std::array<Throughput, 3> ConvertOurs(const std::string& path) {
    std::array<Throughput, 3> runs{};
    vn::movie::MovieFile movie;
    if (movie.OpenStream(path) < 1) return runs;
    vn::mpeg4::Mpeg4Decoder& decoder = movie.decoder();
    vn::Picture picture(decoder.width(), decoder.height());
    while (runs[0].pictures < kMinPictures) {
        const long before = runs[0].pictures;
        while (movie.ReadNextPicture(nullptr, nullptr, false, false, nullptr) >= 0) {
            for (int mode = 0; mode < 3; ++mode) {
                decoder.g_nDeblockMethod = mode;
                const double start = ThreadSeconds();
                decoder.ConvertForDisplay(picture);
                runs[mode].seconds += ThreadSeconds() - start;
                ++runs[mode].pictures;
            }
        }
        if (runs[0].pictures == before || !movie.RewindStream()) break;
    }
    return runs;
}

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The stream cut into what FFmpeg wants: the headers before the first
// picture as extradata, then one packet per picture (a group-of-VOP header
// goes with the VOP after it), each padded as libavcodec requires.
struct Packets {
    std::vector<uint8_t> headers;
    std::vector<std::vector<uint8_t>> pictures;
};

Packets CutIntoPackets(const std::vector<uint8_t>& stream) {
    std::vector<size_t> starts;
    bool afterGov = false;
    for (size_t i = 0; i + 3 < stream.size(); ++i) {
        if (stream[i] != 0 || stream[i + 1] != 0 || stream[i + 2] != 1) continue;
        if (stream[i + 3] == 0xB3) {
            starts.push_back(i);
            afterGov = true;
        } else if (stream[i + 3] == 0xB6) {
            if (!afterGov) starts.push_back(i);
            afterGov = false;
        }
    }
    Packets packets;
    if (starts.empty()) return packets;
    packets.headers.assign(stream.begin(), stream.begin() + static_cast<long>(starts[0]));
    starts.push_back(stream.size());
    for (size_t k = 0; k + 1 < starts.size(); ++k) {
        std::vector<uint8_t> packet(stream.begin() + static_cast<long>(starts[k]),
                                    stream.begin() + static_cast<long>(starts[k + 1]));
        packet.resize(packet.size() + AV_INPUT_BUFFER_PADDING_SIZE, 0);
        packets.pictures.push_back(std::move(packet));
    }
    return packets;
}

// FFmpeg's single-threaded mpeg4 decoder, opened with the stream's headers.
class FfmpegDecoder {
public:
    explicit FfmpegDecoder(const Packets& packets) : packets_(packets) {
        const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_MPEG4);
        context_ = codec ? avcodec_alloc_context3(codec) : nullptr;
        packet_ = av_packet_alloc();
        frame_ = av_frame_alloc();
        if (!context_ || !packet_ || !frame_) return;
        context_->thread_count = 1;
        const size_t size = packets.headers.size();
        context_->extradata = static_cast<uint8_t*>(av_mallocz(size + AV_INPUT_BUFFER_PADDING_SIZE));
        std::copy(packets.headers.begin(), packets.headers.end(), context_->extradata);
        context_->extradata_size = static_cast<int>(size);
        open_ = avcodec_open2(context_, codec, nullptr) == 0;
    }
    ~FfmpegDecoder() {
        av_packet_free(&packet_);
        av_frame_free(&frame_);
        avcodec_free_context(&context_);
    }
    FfmpegDecoder(const FfmpegDecoder&) = delete;
    FfmpegDecoder& operator=(const FfmpegDecoder&) = delete;

    // Decodes every packet once, calling take(frame) for each picture, then
    // drains and starts afresh.
    template <typename Take>
    void DecodeAll(Take&& take) {
        if (!open_) return;
        for (const auto& bytes : packets_.pictures) {
            packet_->data = const_cast<uint8_t*>(bytes.data());
            packet_->size = static_cast<int>(bytes.size() - AV_INPUT_BUFFER_PADDING_SIZE);
            if (avcodec_send_packet(context_, packet_) == 0) Receive(take);
        }
        packet_->data = nullptr;
        packet_->size = 0;
        avcodec_send_packet(context_, nullptr);
        Receive(take);
        avcodec_flush_buffers(context_);
    }

private:
    template <typename Take>
    void Receive(Take& take) {
        while (avcodec_receive_frame(context_, frame_) == 0) take(*frame_);
    }

    const Packets& packets_;
    AVCodecContext* context_ = nullptr;
    AVPacket* packet_ = nullptr;
    AVFrame* frame_ = nullptr;
    bool open_ = false;
};

Throughput DecodeFfmpeg(const Packets& packets) {
    Throughput run;
    FfmpegDecoder decoder(packets);
    const double start = ThreadSeconds();
    while (run.pictures < kMinPictures) {
        const long before = run.pictures;
        decoder.DecodeAll([&](const AVFrame&) { ++run.pictures; });
        if (run.pictures == before) break;
    }
    run.seconds = ThreadSeconds() - start;
    return run;
}

// A picture's three planes, visible part only, rows packed.
struct YuvCopy {
    std::vector<uint8_t> planes[3];
};

void CopyPlane(const uint8_t* source, int stride, int width, int height, std::vector<uint8_t>& out) {
    out.resize(static_cast<size_t>(width) * height);
    for (int r = 0; r < height; ++r) std::copy_n(source + static_cast<ptrdiff_t>(r) * stride, width, &out[r * width]);
}

struct Closeness {
    int pictures = 0;  // ours decoded without error
    int reference = 0;
    double minDb = 0, meanDb = 0;
};

// Our pictures of `ours` against FFmpeg's of `reference`, the same VOPs
// under the encoder's own headers: PSNR over all three planes.
Closeness CompareWithFfmpeg(const std::string& ours, const std::string& reference) {
    Closeness result;
    std::vector<YuvCopy> expected;
    const Packets packets = CutIntoPackets(ReadFile(reference));
    FfmpegDecoder ffmpeg(packets);
    ffmpeg.DecodeAll([&](const AVFrame& f) {
        YuvCopy& copy = expected.emplace_back();
        for (int p = 0; p < 3; ++p) {
            const int shift = p == 0 ? 0 : 1;
            CopyPlane(f.data[p], f.linesize[p], f.width >> shift, f.height >> shift, copy.planes[p]);
        }
    });
    result.reference = static_cast<int>(expected.size());

    vn::movie::MovieFile movie;
    if (movie.OpenStream(ours) < 1) return result;
    const int width = movie.decoder().width(), height = movie.decoder().height();
    double sumDb = 0;
    result.minDb = 1e9;
    for (const YuvCopy& want : expected) {
        if (movie.ReadNextPicture(nullptr, nullptr, false, false, nullptr) < 0) break;
        const vn::mpeg4::YuvPlanes planes = movie.decoder().currentPicture();
        const uint8_t* sources[3] = {planes.y, planes.cb, planes.cr};
        double squares = 0;
        size_t samples = 0;
        for (int p = 0; p < 3; ++p) {
            const int shift = p == 0 ? 0 : 1;
            YuvCopy got;
            CopyPlane(sources[p], p == 0 ? planes.lumaStride : planes.chromaStride, width >> shift, height >> shift,
                      got.planes[p]);
            for (size_t i = 0; i < got.planes[p].size(); ++i) {
                const double d = static_cast<double>(got.planes[p][i]) - want.planes[p][i];
                squares += d * d;
            }
            samples += got.planes[p].size();
        }
        const double mse = std::max(squares / static_cast<double>(samples), 1e-10);
        const double db = 10 * std::log10(255.0 * 255.0 / mse);
        result.minDb = std::min(result.minDb, db);
        sumDb += db;
        ++result.pictures;
    }
    result.meanDb = result.pictures > 0 ? sumDb / result.pictures : 0;
    return result;
}

struct Figures {
    std::string name;  // the stream's size, as 320x240
    Throughput ours, ffmpeg, decodeAndShow;
    std::array<Throughput, 3> display{};
};

bool Measure(const std::string& path, Figures& figures) {
    const Packets packets = CutIntoPackets(ReadFile(path));
    vn::movie::MovieFile probe;
    if (packets.pictures.empty() || probe.OpenStream(path) < 1) {
        std::fprintf(stderr, "vnplay-bench-mpeg4: no pictures in %s\n", path.c_str());
        return false;
    }
    figures.name = std::to_string(probe.decoder().width()) + "x" + std::to_string(probe.decoder().height());
    for (int round = 0; round < kRounds; ++round) {
        figures.ours = Best(figures.ours, DecodeOurs(path, nullptr));
        figures.ffmpeg = Best(figures.ffmpeg, DecodeFfmpeg(packets));
    }
    vn::Picture picture;
    figures.decodeAndShow = DecodeOurs(path, &picture);
    figures.display = ConvertOurs(path);
    if (figures.ours.pictures < kMinPictures || figures.ffmpeg.pictures < kMinPictures) {
        std::fprintf(stderr, "vnplay-bench-mpeg4: decoding %s failed (ours %ld, ffmpeg %ld pictures)\n", path.c_str(),
                     figures.ours.pictures, figures.ffmpeg.pictures);
        return false;
    }
    const char* n = figures.name.c_str();
    std::printf("%s_pictures_each %ld\n", n, figures.ours.pictures);
    std::printf("%s_ours_fps %.1f\n", n, figures.ours.fps());
    std::printf("%s_ffmpeg_fps %.1f\n", n, figures.ffmpeg.fps());
    for (int mode = 0; mode < 3; ++mode)
        std::printf("%s_display_mode%d_fps %.1f\n", n, mode, figures.display[mode].fps());
    std::printf("%s_ours_display_fps %.1f\n", n, figures.decodeAndShow.fps());
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: vnplay-bench-mpeg4 FILE.m4v...\n");
        return 1;
    }
    std::vector<Figures> all;
    for (int i = 1; i < argc; ++i) {
        if (!Measure(argv[i], all.emplace_back())) return 2;
    }

    char folderName[] = "/tmp/vnplay-bench-mpeg4-XXXXXX";
    if (mkdtemp(folderName) != nullptr) {
        const std::string folder = folderName;
        vn::bench::SceneryStream scenery;
        if (vn::bench::WriteSceneryStream(folder, kSceneryWidth, kSceneryHeight, kSceneryPictures, scenery)) {
            const Closeness close = CompareWithFfmpeg(scenery.camera, scenery.encoded);
            std::printf("scenery_pictures %d of %d decoded\n", close.pictures, close.reference);
            std::printf("scenery_psnr_db min %.2f mean %.2f\n", close.minDb, close.meanDb);
            if (!Measure(scenery.camera, all.emplace_back())) all.pop_back();
        }
        std::filesystem::remove_all(folder);
    }
    for (const Figures& figures : all) {
        std::printf("%s_ratio %.3f\n", figures.name.c_str(), figures.ours.fps() / figures.ffmpeg.fps());
    }
    return 0;
}
