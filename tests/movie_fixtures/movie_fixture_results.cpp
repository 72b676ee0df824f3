// Writes NAME.result.json for every NAME.expected.json in the MPEG-4 fixture
// folder, in the layout that the folder's compare.py checks: the open, every
// picture with its checksums in the three post-filter modes, the end, the
// delivered audio, the listed seeks with the pictures after them, a rewind.
//
//   movie_fixture_results FIXTURE_DIR RESULT_DIR
#include <array>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "movie/movie_file.h"
#include "tool/json_writer.h"
#include "tool/movie_reads.h"
#include "tool/sha256.h"

namespace {

using vn::Picture;
using vn::movie::MovieFile;
using vn::tool::JsonWriter;
using vn::tool::MovieRead;

struct SeekRequest {
    long long position;
    int units;
    int direction;
};

struct PictureResult {
    MovieRead read;
    std::array<std::string, 3> sha256;  // post-filter modes 0, 1, 2
};

PictureResult ReadWithChecksums(MovieFile& movie, Picture& picture, bool honourSkip) {
    PictureResult result{vn::tool::ReadMoviePicture(movie, nullptr, honourSkip, true), {}};
    if (!result.read.ok()) return result;
    for (int mode = 0; mode < 3; ++mode) {
        movie.decoder().g_nDeblockMethod = mode;
        movie.decoder().ConvertForDisplay(picture);
        result.sha256[mode] = vn::tool::Sha256Hex({picture.data(), picture.size_bytes()});
    }
    return result;
}

void WritePicture(JsonWriter& json, const PictureResult& result) {
    json.BeginObject();
    vn::tool::WriteMovieRead(json, result.read);
    if (result.read.ok()) json.ArrayField("sha256", result.sha256);
    json.EndObject();
}

void WritePictures(JsonWriter& json, MovieFile& movie, Picture& picture, int count) {
    json.BeginArray();
    for (int i = 0; i < count; ++i) WritePicture(json, ReadWithChecksums(movie, picture, false));
    json.EndArray();
}

// Everything read from the open in one pass, and the audio delivered.
struct Pass {
    std::vector<PictureResult> pictures;
    int end = 0;
    uint64_t audioBytes = 0;
    std::string audioSha256;
};

Pass ReadAll(MovieFile& movie, Picture& picture, bool honourSkip) {
    Pass pass;
    vn::tool::Sha256 audio;
    movie.audioRing().SetPushObserver([&](std::span<const uint8_t> bytes) {
        audio.Update(bytes);
        pass.audioBytes += bytes.size();
    });
    for (;;) {
        PictureResult result = ReadWithChecksums(movie, picture, honourSkip);
        if (!result.read.ok()) {
            pass.end = result.read.pos;
            break;
        }
        pass.pictures.push_back(result);
        movie.audioRing().Clear();
    }
    movie.audioRing().SetPushObserver(nullptr);
    pass.audioSha256 = audio.HexDigest();
    return pass;
}

std::vector<SeekRequest> SeeksListed(const std::string& expectedJson) {
    static const std::regex kSeek(R"re("position":\s*(-?\d+),\s*"units":\s*(-?\d+),\s*"direction":\s*(-?\d+))re");
    std::vector<SeekRequest> seeks;
    for (std::sregex_iterator it(expectedJson.begin(), expectedJson.end(), kSeek), end; it != end; ++it) {
        seeks.push_back({std::stoll((*it)[1]), std::stoi((*it)[2]), std::stoi((*it)[3])});
    }
    return seeks;
}

bool WriteResults(const std::filesystem::path& stream, const std::vector<SeekRequest>& seeks,
                  const std::filesystem::path& out) {
    MovieFile movie;
    const int64_t length = movie.OpenStream(stream.string());
    if (length < 1) {
        std::cerr << movie.openFailure() << '\n';
        return false;
    }
    Picture picture(movie.decoder().width(), movie.decoder().height());
    JsonWriter json(true);
    json.BeginObject().Field("file", stream.filename().string());
    json.Key("open")
        .BeginObject()
        .Field("length", length)
        .Field("width", movie.decoder().width())
        .Field("height", movie.decoder().height())
        .Field("resolution", movie.decoder().timeIncrementResolution())
        .Field("time_increment_bits", movie.decoder().timeIncrementBits())
        .Field("header_end", movie.headerEndOffset)
        .EndObject();

    const Pass plain = ReadAll(movie, picture, false);
    movie.RewindStream();
    const Pass honoured = ReadAll(movie, picture, true);
    json.Key("pictures").BeginArray();
    for (size_t i = 0; i < plain.pictures.size(); ++i) {
        const MovieRead& read = plain.pictures[i].read;
        json.BeginObject().Field("i", static_cast<int>(i));
        vn::tool::WriteMovieRead(json, read);
        json.Field("type", std::string(1, read.type));
        if (i < honoured.pictures.size()) json.Field("audio_len_skip", honoured.pictures[i].read.audioLength);
        json.ArrayField("sha256", plain.pictures[i].sha256).EndObject();
    }
    json.EndArray().Field("end", plain.end);
    json.Key("audio")
        .BeginObject()
        .Field("no_skip", plain.audioBytes)
        .Field("no_skip_sha256", plain.audioSha256)
        .Field("honour_skip", honoured.audioBytes)
        .Field("honour_skip_sha256", honoured.audioSha256)
        .EndObject();

    // The honour-skip pass left the reader at the end.
    json.Key("rewind");
    movie.RewindStream();
    WritePictures(json, movie, picture, 2);

    json.Key("seeks").BeginArray();
    for (const SeekRequest& seek : seeks) {
        movie.OpenStream(stream.string());
        const int result = movie.Seek(seek.position, seek.units, seek.direction).value_or(vn::tool::kFailedRead);
        json.BeginObject()
            .Field("position", static_cast<int64_t>(seek.position))
            .Field("units", seek.units)
            .Field("direction", seek.direction)
            .Field("result", result);
        json.FieldIf("found_offset", movie.seekOffset() >= 0, [&](JsonWriter& j) { j.Value(movie.seekOffset()); });
        json.Key("then");
        WritePictures(json, movie, picture, 3);
        json.EndObject();
    }
    json.EndArray().EndObject();

    std::ofstream file(out);
    file << json.str() << '\n';
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: movie_fixture_results FIXTURE_DIR RESULT_DIR\n";
        return 1;
    }
    const std::filesystem::path fixtures = argv[1], results = argv[2];
    std::filesystem::create_directories(results);
    const std::string suffix = ".expected.json";
    bool ok = true;
    for (const auto& entry : std::filesystem::directory_iterator(fixtures)) {
        const std::string name = entry.path().filename().string();
        if (name.size() <= suffix.size() || !name.ends_with(suffix)) continue;
        const std::string stream = name.substr(0, name.size() - suffix.size());
        std::ifstream expected(entry.path());
        std::stringstream text;
        text << expected.rdbuf();
        if (!WriteResults(fixtures / stream, SeeksListed(text.str()), results / (stream + ".result.json"))) {
            std::cerr << "movie_fixture_results: " << stream << " failed\n";
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
