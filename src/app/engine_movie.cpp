// MPEG-4 streams and raw movies in the main window: opening and closing
// them, the stream's tick, the raw movie played at the pace of its sound,
// and the branches of the play commands for the two kinds.
#include <QThread>
#include <QtGlobal>

#include <filesystem>
#include <memory>

#include "app/player_engine.h"
#include "common/text_format.h"
#include "diag/message_number.h"
#include "movie/null_audio_device.h"
#include "platform/audio_sink_device.h"

namespace vn::app {

namespace {

// An MPEG-4 stream's pictures come at the timer's fixed interval.
constexpr int kStreamTickMs = 66;
// The sound already on the device plays out before a stopped movie rewinds.
constexpr int kRewindWaitMs = 100;

// The computer's sound output; the silent one, which keeps the same pace,
// where there is none or VNPLAY_AUDIO=null asks for it (tests, servers).
std::unique_ptr<movie::AudioDevice> MakeAudioDevice(movie::BufferPlayed played) {
    if (qgetenv("VNPLAY_AUDIO") != "null") {
        if (auto sink = ui::AudioSinkDevice::Make(played)) return sink;
    }
    return std::make_unique<movie::NullAudioDevice>(std::move(played));
}

}  // namespace

bool PlayerEngine::IsMovie() const {
    return state.g_nFileKind == player::kMpeg4Stream || state.g_nFileKind == player::kRawMovie;
}

bool PlayerEngine::OpenMovie(const std::string& path, int index) {
    const int kind = state.g_nFileKind;
    state.g_bLoading = true;
    if (kind == player::kMpeg4Stream) Timer1.stop();
    const int64_t length = movieFile.OpenStream(path);
    const int width = movieFile.decoder().width();
    const int height = movieFile.decoder().height();
    const bool ready = length >= 1 && (kind == player::kMpeg4Stream ? streamPlayback.MakePicture(width, height)
                                                                    : rawPlayback.MakeRing(width, height));
    if (!ready) {
        movieFile.CloseStream();
        state.g_bLoading = false;
        if (kind == player::kMpeg4Stream) {
            if (length >= 1) return RefuseFile(index, path, diag::CannotOpen, "not enough memory for its pictures");
            std::error_code error;
            if (!std::filesystem::exists(path, error)) return RefuseFile(index, path, diag::NotFound, avi::kNoSuchFile);
            return RefuseFile(index, path, diag::CannotOpen, "not a stream this player can read");
        }
        state.g_nFileKind = player::kNoFile;
        if (index >= 0 && index < playList.g_nPlayListCount()) {
            playList.Refuse(index, "cannot be read as a movie");
            view_.MarkPlayListEntry(index, "cannot be read as a movie");
        }
        view_.ShowOpenError(path);
        return false;
    }
    movieFile.decoder().g_nDeblockMethod = prefs_.g_nDeblockMethod;
    controls_.OpenMovie({kind, width, height, static_cast<int>(length)});
    // The last recording's camera rows are not this movie's.
    movieInfo = avi::MovieInfoPanel{};
    view_.ApplyMovieInfo(movieInfo);
    ApplyControls();
    view_.SizePicture(width, height);
    view_.SelectPlayListEntry(index);
    if (kind == player::kMpeg4Stream) {
        streamPlayback.stream = {};
        streamPlayback.frame = -1;
        Timer1.setInterval(kStreamTickMs);
    } else {
        rawPlayback.stream = {};
        // A pause of the file before is no pause of this one.
        state.g_bPaused = false;
        audio.Initialise(MakeAudioDevice);
    }
    state.g_bLoading = false;
    return true;
}

void PlayerEngine::CloseMovie() {
    if (state.g_nFileKind == player::kRawMovie) {
        rawPlayback.StopSound();
        view_.HidePicture();
        rawPlayback.Release();
    } else {
        view_.HidePicture();
        streamPlayback.Release();
    }
    movieFile.CloseStream();
}

void PlayerEngine::ShowQuantiser(int quantiser) {
    if (movieDiagnostics_.ShowQuantOn()) movieDiagnostics_.ShowQuantiser(quantiser);
}

void PlayerEngine::StreamTick() {
    std::optional<std::string> report;
    const player::MoviePicture read = streamPlayback.Tick(report);
    if (!read.ok()) {
        PausePlay();
        view_.ShowStreamStatus("Last 2 good at = " + streamPlayback.stream.LastTwoGood());
        return;
    }
    ShowQuantiser(read.quantiser);
    if (report) LogMovie({*report});
    controls_.ShowStreamPicture(streamPlayback.frame);
    ApplyControls();
    view_.MoveProgressBar(read.position);
    view_.PresentPicture(streamPlayback.g_pFramePicture);
}

void PlayerEngine::StartRawMovie(bool resume) {
    movieFile.decoder().g_nDeblockMethod = prefs_.g_nDeblockMethod;
    if (!rawPlayback.PrimeRawRing(resume)) StopPlay();
}

void PlayerEngine::PauseRawMovie() {
    rawPlayback.StopSound();
    const player::MovieStreamState& stream = rawPlayback.stream;
    const int position = stream.g_nStreamPos > 0 ? stream.g_nStreamPos : stream.g_nLastGoodPos;
    MoveSeekBar(position / player::g_nRawSeekStep);
    view_.MoveProgressBar(position);
}

void PlayerEngine::StopMovie() {
    if (state.g_nFileKind == player::kMpeg4Stream) {
        if (!streamPlayback.RewindStream()) return;
        controls_.ShowStreamPicture(0);
        ApplyControls();
        view_.MoveProgressBar(streamPlayback.stream.g_nStreamPos);
        view_.PresentPicture(streamPlayback.g_pFramePicture);
        LogMovie({"Stopped"});
        return;
    }
    if (movieDiagnostics_.PauseOnStopOn()) return;
    // What the device still holds plays out before the first picture shows.
    QThread::msleep(kRewindWaitMs);
    if (!rawPlayback.RewindRawMovie()) return;
    controls_.RewindRawMovie();
    ApplyControls();
    MoveSeekBar(0);
    view_.MoveProgressBar(0);
    state.g_bPaused = false;
    LogMovie({"Stopped"});
}

void PlayerEngine::MovieStepForward() {
    if (state.g_nFileKind == player::kMpeg4Stream) {
        const player::MoviePicture read = streamPlayback.StepForward();
        if (!read.ok()) return;
        ShowQuantiser(read.quantiser);
        controls_.ShowStreamPicture(streamPlayback.frame);
        ApplyControls();
        view_.MoveProgressBar(read.position);
        view_.PresentPicture(streamPlayback.g_pFramePicture);
        return;
    }
    if (!rawPlayback.StepForward(movieDiagnostics_.MvmSingleStepOn())) return;
    MoveSeekBar(rawPlayback.stream.g_nStreamPos / player::g_nRawSeekStep);
}

void PlayerEngine::RawStepBackward() {
    if (!rawPlayback.StepBackward()) return;
    MoveSeekBar(rawPlayback.stream.g_nStreamPos / player::g_nRawSeekStep);
}

void PlayerEngine::RawSeekBar(int position) {
    if (!rawPlayback.SeekBar(position, controls_.seekMax)) return;
    view_.ShowStreamStatus(Format("%d", rawPlayback.stream.g_nStreamPos * 1024));
    controls_.SeekRawMovie();
    ApplyControls();
}

void PlayerEngine::PresentRawPicture(const Picture& picture, const player::RawPictureShown&) {
    view_.PresentPicture(picture);
}

void PlayerEngine::RawPictureRead(const player::MoviePicture& read) {
    ShowQuantiser(read.quantiser);
    if (read.position <= 0) return;
    view_.ShowStreamStatus(Format("%d", read.position * 1024));
    view_.MoveProgressBar(read.position);
}

void PlayerEngine::RawMovieEnded() {
    if (state.g_bPlaying) StopPlay();
}

void PlayerEngine::AudioMessage(const movie::AudioNotice& notice) {
    if (state.g_nFileKind != player::kRawMovie) return;
    rawPlayback.AudioMessage(notice);
}

void PlayerEngine::bMVMRestartClick() {
    if (state.g_nFileKind != player::kRawMovie || !state.g_bPaused) return;
    StopMovie();
}

}  // namespace vn::app
