#include "tool/movie_commands.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "movie/movie_file.h"
#include "recording/bitmap_file.h"
#include "tool/commands.h"
#include "tool/json_writer.h"
#include "tool/movie_reads.h"

namespace vn::tool {

namespace {

constexpr int kExitOk = 0;

int Fail(int status, const std::string& message) {
    std::cerr << "vnplay-tool: " << message << '\n';
    return status;
}

// An integer option within [low, high]; false (after saying why) when it is
// not one, or missing while required.
bool IntegerOption(Arguments& args, const std::string& name, long long low, long long high, bool required,
                   long long& value) {
    const auto given = args.Integer(name);
    if (!args.ok()) {
        Fail(kExitUsage, args.error());
        return false;
    }
    if (!given) {
        if (required) Fail(kExitUsage, "--" + name + " is required");
        return !required;
    }
    if (*given < low || *given > high) {
        Fail(kExitUsage, "--" + name + " must be from " + std::to_string(low) + " to " + std::to_string(high));
        return false;
    }
    value = *given;
    return true;
}

// Opens the command's one movie; an exit status other than 0 when it cannot be used.
int OpenMovie(const Arguments& args, movie::MovieFile& movie) {
    if (!args.ok()) return Fail(kExitUsage, args.error());
    if (args.positional().size() != 1) return Fail(kExitUsage, "give one .m4v or .mvm file");
    if (movie.OpenStream(args.positional()[0]) < 1) return Fail(kExitUnusable, movie.openFailure());
    return kExitOk;
}

// The picture the window shows for the open movie (no caption band).
int MakePicture(movie::MovieFile& movie, Picture& picture) {
    if (picture.Reset(movie.decoder().width(), movie.decoder().height())) return kExitOk;
    return Fail(kExitUnusable, "no picture can be made for the stream's size");
}

int PrepareDirectory(const std::string& dir) {
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) return Fail(kExitUnusable, "cannot create " + dir + ": " + error.message());
    return kExitOk;
}

std::string NumberedPath(const std::string& dir, const char* prefix, int number) {
    char name[32];
    std::snprintf(name, sizeof(name), "%s_%05d.bmp", prefix, number);
    return (std::filesystem::path(dir) / name).string();
}

int WritePicture(const std::string& path, const Picture& picture) {
    if (avi::WriteBitmapFile(path, picture)) return kExitOk;
    return Fail(kExitUnusable, "cannot write " + path);
}

}  // namespace

int MovieKind(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".m4v") return 2;
    if (extension == ".mvm") return 3;
    return 0;
}

bool IsMovieFile(const std::string& path) { return MovieKind(path) != 0; }

int RunMovieInfo(Arguments& args) {
    movie::MovieFile movie;
    if (const int status = OpenMovie(args, movie)) return status;
    const mpeg4::Mpeg4Decoder& decoder = movie.decoder();
    JsonWriter json;
    json.BeginObject()
        .Field("kind", MovieKind(args.positional()[0]))
        .Field("length", static_cast<int64_t>(movie.window().fileSize() / mpeg4::kPositionUnit))
        .Field("width", decoder.width())
        .Field("height", decoder.height())
        .Field("resolution", decoder.timeIncrementResolution())
        .Field("time_increment_bits", decoder.timeIncrementBits())
        .Field("header_end", movie.headerEndOffset)
        .EndObject();
    std::cout << json.str() << '\n';
    return kExitOk;
}

int RunMovieFrames(Arguments& args) {
    const bool honourSkip = args.Has("honour-skip");
    const auto audioPath = args.Text("audio-out");
    movie::MovieFile movie;
    if (const int status = OpenMovie(args, movie)) return status;
    std::ofstream audioOut;
    if (audioPath) {
        audioOut.open(*audioPath, std::ios::binary | std::ios::trunc);
        if (!audioOut) return Fail(kExitUnusable, "cannot write " + *audioPath);
        movie.audioRing().SetPushObserver([&](std::span<const uint8_t> bytes) {
            audioOut.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        });
    }
    for (int i = 0;; ++i) {
        const MovieRead read = ReadMoviePicture(movie, nullptr, honourSkip, true);
        JsonWriter json;
        if (!read.ok()) {
            std::cout << json.BeginObject().Field("end", read.pos).EndObject().str() << '\n';
            break;
        }
        json.BeginObject().Field("i", i);
        WriteMovieRead(json, read);
        json.Field("type", std::string(1, read.type)).Field("skipped", movie.window().skippedBytes()).EndObject();
        std::cout << json.str() << '\n';
    }
    if (audioPath && !audioOut.flush()) return Fail(kExitUnusable, "cannot write " + *audioPath);
    return kExitOk;
}

int RunMovieDecode(Arguments& args) {
    long long pictureNumber = -1, deblock = 2;
    if (!IntegerOption(args, "picture", 0, 1LL << 30, false, pictureNumber) ||
        !IntegerOption(args, "deblock", 0, 2, false, deblock)) {
        return kExitUsage;
    }
    const bool all = args.Has("all");
    const auto out = args.Text(all ? "out-dir" : "out");
    if (all == (pictureNumber >= 0)) return Fail(kExitUsage, "give either --picture N or --all");
    if (!out) return Fail(kExitUsage, all ? "--all needs --out-dir DIR" : "--picture needs --out FILE");

    movie::MovieFile movie;
    if (const int status = OpenMovie(args, movie)) return status;
    movie.decoder().g_nDeblockMethod = static_cast<int>(deblock);
    movie.decoder().g_bForceBW = args.Has("force-bw");
    Picture picture;
    if (const int status = MakePicture(movie, picture)) return status;
    if (all) {
        if (const int status = PrepareDirectory(*out)) return status;
    }
    for (int i = 0; all || i <= pictureNumber; ++i) {
        const MovieRead read = ReadMoviePicture(movie, &picture, false, false);
        if (!read.ok()) {
            if (all) return kExitOk;
            return Fail(kExitUnusable, "picture " + std::to_string(pictureNumber) +
                                           " not found: the stream ends after " + std::to_string(i) + " pictures");
        }
        if (all || i == pictureNumber) {
            if (const int status = WritePicture(all ? NumberedPath(*out, "frame", i) : *out, picture)) {
                return status;
            }
        }
    }
    return kExitOk;
}

int RunMovieSeek(Arguments& args) {
    long long position = 0, step = 1, direction = 1, reads = 0, deblock = 2;
    if (!IntegerOption(args, "position", -(1LL << 62), 1LL << 62, true, position) ||
        !IntegerOption(args, "step", 1, 1 << 20, true, step) ||
        !IntegerOption(args, "direction", -(1LL << 31), (1LL << 31) - 1, true, direction) ||
        !IntegerOption(args, "read", 0, 1 << 20, false, reads) ||
        !IntegerOption(args, "deblock", 0, 2, false, deblock)) {
        return kExitUsage;
    }
    const auto outDir = args.Text("out-dir");
    movie::MovieFile movie;
    if (const int status = OpenMovie(args, movie)) return status;
    movie.decoder().g_nDeblockMethod = static_cast<int>(deblock);
    Picture picture;
    if (const int status = MakePicture(movie, picture)) return status;
    if (outDir) {
        if (const int status = PrepareDirectory(*outDir)) return status;
    }

    const int result = movie.Seek(position, static_cast<int>(step), static_cast<int>(direction)).value_or(kFailedRead);
    JsonWriter json;
    json.BeginObject().Field("result", result);
    json.FieldIf("offset", movie.seekOffset() >= 0, [&](JsonWriter& j) { j.Value(movie.seekOffset()); });
    json.Key("then").BeginArray();
    for (int k = 0; k < reads; ++k) {
        const MovieRead read = ReadMoviePicture(movie, outDir ? &picture : nullptr, false, true);
        json.BeginObject();
        WriteMovieRead(json, read);
        json.EndObject();
        if (read.ok() && outDir) {
            if (const int status = WritePicture(NumberedPath(*outDir, "then", k), picture)) return status;
        }
    }
    std::cout << json.EndArray().EndObject().str() << '\n';
    return kExitOk;
}

const Command kSeekCommand{"seek",
                           "a movie sought to an intra picture near a position, as the seek bar does",
                           "usage: vnplay-tool seek MOVIE --position P --step S --direction D [--read K]\n"
                           "                        [--out-dir DIR] [--deblock 0|1|2]\n"
                           "\n"
                           "Seeks a movie (.m4v, .mvm) to an intra picture near a position, as the\n"
                           "seek bar does, and prints the result and where it landed, then the\n"
                           "results of reading K pictures from there.\n"
                           "\n"
                           "Options:\n"
                           "  --position P      the position, in steps\n"
                           "  --step S          units of 1024 bytes in a step\n"
                           "  --direction D     search forwards (0 or more) or backwards (below 0)\n"
                           "  --read K          read K pictures after the seek\n"
                           "  --out-dir DIR     write them as DIR/then_00000.bmp and on\n"
                           "  --deblock 0|1|2   the deblocking method, 2 unless given\n",
                           {"position", "step", "direction", "read", "out-dir", "deblock"},
                           {},
                           nullptr,
                           RunMovieSeek};

}  // namespace vn::tool
