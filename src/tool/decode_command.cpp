// "decode": frames decoded in order, as playback decodes them (tables and
// planes carry from frame to frame), written as 24-bit bitmaps. With --dc,
// the DC-only picture the motion search sees: one pixel per 8 x 8 block.
// With --embed-time, the pictures carry the time-stamp caption in a band
// below the frame, as the player draws it.
#include <cstdio>
#include <string>
#include <vector>

#include "recording/bitmap_file.h"
#include "recording/dc_image.h"
#include "recording/frame_show.h"
#include "recording/timestamp_caption.h"
#include "tool/commands.h"
#include "tool/json_writer.h"
#include "tool/movie_commands.h"
#include "tool/session.h"

namespace vn::tool {

namespace {

std::string FramePath(const std::string& folder, int frame) {
    char name[32];
    std::snprintf(name, sizeof name, "/frame_%05d.bmp", frame);
    return folder + name;
}

int RunDecode(Arguments& args) {
    const bool all = args.Has("all");
    const bool dcOnly = args.Has("dc");
    const bool embedTime = args.Has("embed-time");
    const auto frameArg = args.Integer("frame");
    const auto out = args.Text(all ? "out-dir" : "out");
    if (!args.ok() || !out || (!all && !frameArg)) {
        Complain("decode", args.ok() ? "needs --frame N --out FILE.bmp, or --all --out-dir DIR" : args.error());
        return kExitUsage;
    }
    if (dcOnly && embedTime) {
        Complain("decode", "--embed-time draws on full pictures, not on DC images");
        return kExitUsage;
    }
    Session session;
    if (int status = session.Open("decode", args)) return status;
    avi::Recording& recording = session.recording;
    const int frames = recording.header.frames;
    if (!all && (*frameArg < 0 || *frameArg >= frames)) {
        Complain("decode", "frame " + std::to_string(*frameArg) + " is out of range (the recording has " +
                               std::to_string(frames) + " frames, 0.." + std::to_string(frames - 1) + ")");
        return kExitUsage;
    }
    const int last = all ? frames - 1 : static_cast<int>(*frameArg);

    // The caption band adds 16 rows below the frame.
    Picture picture(recording.header.width, recording.header.height + (embedTime ? 16 : 0));
    avi::DcImage dc(recording.header.width, recording.header.height);
    Picture dcPicture(dc.blocksWide, dc.blocksHigh);
    avi::FrameShow show(recording);
    show.Reset();
    int status = 0;
    for (int i = 0; i <= last; ++i) {
        avi::FrameRead read;
        int decodeResult = 0;  // as the decode reports it
        bool noScan = false;
        if (dcOnly) {
            read = recording.ReadFrame(i);
            if (read == avi::FrameRead::kOk) {
                const jpeg::DcImageStatus decoded = dc.Decode(session.decoder, recording.LastFrameBytes());
                decodeResult = static_cast<int>(decoded);
                noScan = decoded == jpeg::DcImageStatus::kNoScan;
            }
            dc.ConvertToPicture(session.decoder, dcPicture);
        } else {
            const avi::ShownFrame shown = show.Show(i, picture);
            read = shown.readResult;
            decodeResult = shown.decodeResult.code();
            noScan = shown.decodeResult.status == jpeg::DecodeStatus::kNoScan;
            if (embedTime && shown.presented) avi::DrawTimestamp(picture, shown.date, shown.time);
        }
        if (read != avi::FrameRead::kOk) {
            if (all || i == last) {
                Complain("decode", "frame " + std::to_string(i) + " cannot be read (result " +
                                       std::to_string(static_cast<int>(read)) + ")");
                status = kExitUnusable;
            }
            continue;
        }
        if (!all && i != last) continue;
        if (noScan) {
            Complain("decode", "frame " + std::to_string(i) + " holds no picture data (result " +
                                   std::to_string(decodeResult) + ")");
            status = kExitUnusable;
            continue;
        }
        const std::string path = all ? FramePath(*out, i) : *out;
        if (!avi::WriteBitmapFile(path, dcOnly ? dcPicture : picture)) {
            Complain("decode", "cannot write " + path);
            return kExitUnusable;
        }
        JsonWriter json;
        json.BeginObject().Field("frame", i).Field("decode_result", decodeResult).Field("out", path).EndObject();
        std::printf("%s\n", json.str().c_str());
    }
    return status;
}

}  // namespace

const Command kDecodeCommand{"decode",
                             "frames decoded as playback decodes them, written as bitmaps",
                             "usage: vnplay-tool decode FILE --frame N --out FILE.bmp\n"
                             "       vnplay-tool decode FILE --all --out-dir DIR\n"
                             "       vnplay-tool decode MOVIE --picture N --out FILE.bmp\n"
                             "       vnplay-tool decode MOVIE --all --out-dir DIR\n"
                             "\n"
                             "Decodes the frames in order, as playback does, and writes them as 24-bit\n"
                             "bitmaps, with --all as DIR/frame_00000.bmp and on. For a recording, prints\n"
                             "one JSON line for each frame written.\n"
                             "\n"
                             "Options:\n"
                             "  --frame N         (recordings) decode frames 0..N and write frame N\n"
                             "  --picture N       (movies) decode pictures 0..N and write picture N\n"
                             "  --out FILE        the bitmap for that one frame\n"
                             "  --all             every frame, into the folder of --out-dir DIR\n"
                             "  --dc              (recordings) the DC-only picture, a pixel per 8 x 8 block\n"
                             "  --embed-time      (recordings) the time-stamp caption in a band below\n"
                             "  --deblock 0|1|2   (movies) the deblocking method, 2 unless given\n"
                             "  --force-bw        (movies) brightness only\n",
                             {"frame", "picture", "out", "out-dir", "deblock"},
                             {"all", "dc", "embed-time", "force-bw"},
                             RunDecode,
                             RunMovieDecode};

}  // namespace vn::tool
