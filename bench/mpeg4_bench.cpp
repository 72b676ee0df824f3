// Pictures per second of our MPEG-4 decoder and of FFmpeg's mpeg4 decoder on
// the same stream, both single-threaded, in one run: each decodes the whole
// stream over and over until it has made at least 2000 pictures; the best of
// five such rounds counts, as the machine is shared.
//
//   vnplay-bench-mpeg4 FILE.m4v
//
// Prints ours_fps (decoding only, as FFmpeg does), ours_display_fps (with
// the deblocking filter and the colour conversion the window needs),
// ffmpeg_fps and, last, ratio = ours_fps / ffmpeg_fps.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
}

#include "common/picture.h"
#include "movie/movie_file.h"

namespace {

constexpr int kMinPictures = 2000;
constexpr int kRounds = 5;

using Clock = std::chrono::steady_clock;

struct Throughput {
    long pictures = 0;
    double seconds = 0;
    double fps() const { return seconds > 0 ? pictures / seconds : 0; }
};

// Our decoder through the movie layer; with a picture, also the display conversion.
Throughput DecodeOurs(const std::string& path, vn::Picture* picture) {
    vn::movie::MovieFile movie;
    Throughput run;
    if (movie.OpenStream(path) < 1) return run;
    if (picture) picture->Reset(movie.decoder().width(), movie.decoder().height());
    const auto start = Clock::now();
    while (run.pictures < kMinPictures) {
        const long before = run.pictures;
        while (movie.ReadNextPicture(picture, nullptr, false, false, nullptr)) ++run.pictures;
        if (run.pictures == before || !movie.RewindStream()) break;
    }
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return run;
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

long ReceiveFrames(AVCodecContext* context, AVFrame* frame) {
    long frames = 0;
    while (avcodec_receive_frame(context, frame) == 0) ++frames;
    return frames;
}

Throughput DecodeFfmpeg(const Packets& packets) {
    Throughput run;
    const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_MPEG4);
    AVCodecContext* context = codec ? avcodec_alloc_context3(codec) : nullptr;
    if (!context) return run;
    context->thread_count = 1;
    context->extradata = static_cast<uint8_t*>(av_mallocz(packets.headers.size() + AV_INPUT_BUFFER_PADDING_SIZE));
    std::copy(packets.headers.begin(), packets.headers.end(), context->extradata);
    context->extradata_size = static_cast<int>(packets.headers.size());
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    if (avcodec_open2(context, codec, nullptr) == 0 && packet && frame) {
        const auto start = Clock::now();
        while (run.pictures < kMinPictures && !packets.pictures.empty()) {
            for (const auto& bytes : packets.pictures) {
                packet->data = const_cast<uint8_t*>(bytes.data());
                packet->size = static_cast<int>(bytes.size() - AV_INPUT_BUFFER_PADDING_SIZE);
                if (avcodec_send_packet(context, packet) == 0) run.pictures += ReceiveFrames(context, frame);
            }
            avcodec_send_packet(context, nullptr);  // end of this round: drain, then start afresh
            run.pictures += ReceiveFrames(context, frame);
            avcodec_flush_buffers(context);
        }
        run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    }
    packet->data = nullptr;
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&context);
    return run;
}

Throughput Best(Throughput a, Throughput b) { return a.fps() >= b.fps() ? a : b; }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vnplay-bench-mpeg4 FILE.m4v\n");
        return 1;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::vector<uint8_t> stream{std::istreambuf_iterator<char>(in), {}};
    const Packets packets = CutIntoPackets(stream);
    if (packets.pictures.empty()) {
        std::fprintf(stderr, "vnplay-bench-mpeg4: no pictures in %s\n", argv[1]);
        return 2;
    }

    Throughput ours, ffmpeg;
    for (int round = 0; round < kRounds; ++round) {
        ours = Best(ours, DecodeOurs(argv[1], nullptr));
        ffmpeg = Best(ffmpeg, DecodeFfmpeg(packets));
    }
    vn::Picture picture;
    const Throughput display = DecodeOurs(argv[1], &picture);
    if (ours.pictures < kMinPictures || ffmpeg.pictures < kMinPictures) {
        std::fprintf(stderr, "vnplay-bench-mpeg4: decoding failed (ours %ld, ffmpeg %ld pictures)\n", ours.pictures,
                     ffmpeg.pictures);
        return 2;
    }
    std::printf("pictures_each %ld\n", ours.pictures);
    std::printf("ours_fps %.1f\n", ours.fps());
    std::printf("ours_display_fps %.1f\n", display.fps());
    std::printf("ffmpeg_fps %.1f\n", ffmpeg.fps());
    std::printf("ratio %.3f\n", ours.fps() / ffmpeg.fps());
    return 0;
}
