// Raw movies (.mvm) played with their sound. Pictures are read ahead into a
// ring of eight while their sound goes to the audio output; the output shows
// the picture due each time the sound before it has moved on (the pacing of
// movie/audio_output.h). Stepping and the seek bar find intra pictures near
// a position and show them from the first slot of the ring.
//
// Standard library only: the window's engine shows it, and vnplay-tool
// plays movies through it exactly as the window does.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/picture.h"
#include "movie/audio_output.h"
#include "movie/movie_file.h"
#include "player/movie_stream.h"
#include "player/player_state.h"

namespace vn::player {

// A picture shown: where the stream stood after it, and its number in the
// order of the stream since play started (0, the first picture, when it
// started from the beginning).
struct RawPictureShown {
    int position = 0;
    int number = 0;
};

// What raw-movie playback tells whoever shows it: the window's engine, or
// vnplay-tool.
class RawMovieView {
public:
    virtual void PresentRawPicture(const Picture& picture, const RawPictureShown& shown) = 0;
    // Playing read the next picture (g_nStreamPos is its read's result).
    virtual void RawPictureRead(const MoviePicture& read) = 0;
    // Lines for the diagnostics list.
    virtual void LogRawMovie(const std::vector<std::string>& lines) = 0;
    // Playing cannot go on: the movie has played to its end, or its next
    // picture could not be read. The player stops.
    virtual void RawMovieEnded() = 0;

protected:
    ~RawMovieView() = default;
};

class RawMoviePlayback : public movie::PicturePacer {
public:
    static constexpr int kRingSize = 8;

    RawMoviePlayback(movie::MovieFile& movie, movie::AudioOutput& audio, RawMovieView& view);

    // The ring's pictures for the open movie's size; false when they cannot
    // be made. Release lets go of them.
    bool MakeRing(int width, int height);
    void Release();

    // Fills the ring and starts the sound: from the reader's position with
    // the first picture read into slot 0 (from the beginning), or into slot
    // 1 (resume). False, with nothing playing, when the first read failed.
    bool PrimeRawRing(bool resume);
    // Stops the sound and the pictures (pause); what is on the device plays out.
    void StopSound();
    // Back to the first picture, shown from ring picture 0, the reader
    // standing before it. False when it could not be read.
    bool RewindRawMovie();

    // "Forward 1 Frame": the next intra picture; with singleStep the next
    // picture, whatever its type. "Backward 1 Frame": the intra picture
    // before the one shown. The seek bar: the intra picture from a bar
    // position on, unless the bar stands within a step of its end. Each
    // returns whether a picture was shown.
    bool StepForward(bool singleStep);
    bool StepBackward();
    bool SeekBar(int barPosition, int barMaximum);

    // Message 1281 on the window thread.
    void AudioMessage(const movie::AudioNotice& notice);

    // The audio output's pacing (PicturePacer).
    int DueAudioLength() const override;
    void AdvanceRawFrame() override;
    bool MovieRead() const override { return movieRead_; }

    bool playing() const { return playing_; }
    // The picture shown last, for saving.
    const Picture* shownPicture() const { return shownSlot_ >= 0 ? &g_aRingPictures[shownSlot_] : nullptr; }

    MovieStreamState stream;
    // Pictures shown since play last started from the beginning.
    int rawFrameCounter = 0;
    std::array<Picture, kRingSize> g_aRingPictures;
    int decodeIndex = 0;                        // the slot read next
    int displayIndex = 0;                       // the slot shown next
    std::array<int, kRingSize> audioLengths{};  // entry i: the sound bytes of slot i + 1

private:
    MoviePicture ReadIntoSlot(int slot, bool honourSkip, bool deliverAudio);
    void Present(int slot);
    // Shows ring picture 0 read from the reader's position: the steps and the seek bar.
    bool ShowFromSlotZero(bool keepPosition);
    void Log(std::vector<std::string> lines) { view_.LogRawMovie(lines); }

    movie::MovieFile& movie_;
    movie::AudioOutput& audio_;
    RawMovieView& view_;
    bool playing_ = false;
    bool movieRead_ = false;
    int pending_ = 0;  // pictures read and not yet shown
    int shownSlot_ = -1;
    int nextNumber_ = 0;  // of the next picture read
    std::array<RawPictureShown, kRingSize> slotFacts_{};
};

}  // namespace vn::player
