#include "player/raw_movie_playback.h"

#include "common/text_format.h"

namespace vn::player {

namespace {

// Stream positions a forward step moves on when the seek found the picture
// shown again.
constexpr int kStepPastShown = 16;

// The seek's result as the stream position it leaves: -1 when it failed.
int SeekPosition(movie::MovieFile& movie, int64_t position, int unitsPerStep, int direction) {
    return movie.Seek(position, unitsPerStep, direction).value_or(-1);
}

}  // namespace

RawMoviePlayback::RawMoviePlayback(movie::MovieFile& movie, movie::AudioOutput& audio, RawMovieView& view)
    : movie_(movie), audio_(audio), view_(view) {}

bool RawMoviePlayback::MakeRing(int width, int height) {
    shownSlot_ = -1;
    for (Picture& picture : g_aRingPictures) {
        if (!picture.Reset(width, height)) {
            Release();
            return false;
        }
    }
    return true;
}

void RawMoviePlayback::Release() {
    for (Picture& picture : g_aRingPictures) picture.Release();
    shownSlot_ = -1;
    playing_ = false;
}

MoviePicture RawMoviePlayback::ReadIntoSlot(int slot, bool honourSkip, bool deliverAudio) {
    const MoviePicture read = ReadMoviePicture(movie_, &g_aRingPictures[slot], honourSkip, deliverAudio);
    if (read.ok()) slotFacts_[slot] = {read.position, nextNumber_++};
    return read;
}

void RawMoviePlayback::Present(int slot) {
    shownSlot_ = slot;
    view_.PresentRawPicture(g_aRingPictures[slot], slotFacts_[slot]);
}

// The first chunk of sound after the reader was placed may begin inside a
// block: its skip count brings the sound to the next block's start. Every
// later chunk goes on from the one before and is taken whole.
bool RawMoviePlayback::PrimeRawRing(bool resume) {
    if (resume) playing_ = true;
    movieRead_ = false;
    const int first = resume ? 1 : 0;
    int last = first - 1;
    for (int slot = first; slot < kRingSize; ++slot) {
        const MoviePicture read = ReadIntoSlot(slot, slot == first, true);
        if (!read.ok()) {
            // What was read before the end still plays.
            movieRead_ = true;
            break;
        }
        stream.g_nStreamPos = read.position;
        if (slot >= 1) audioLengths[slot - 1] = read.audioLength;
        last = slot;
    }
    if (last < 1) {
        playing_ = false;
        audio_.ring.Clear();
        return false;
    }
    decodeIndex = 0;
    Present(1);
    displayIndex = 2;
    pending_ = last - 1;
    audio_.Start(movie::AudioOutput::kPrefillBuffers, movie::AudioOutput::kQueuedBuffers);
    if (!resume) rawFrameCounter = 0;
    playing_ = true;
    return true;
}

void RawMoviePlayback::StopSound() {
    audio_.Stop();
    playing_ = false;
}

int RawMoviePlayback::DueAudioLength() const {
    // Nothing left to show: no count of bytes makes a picture due.
    if (pending_ == 0) return -1;
    return audioLengths[displayIndex];
}

void RawMoviePlayback::AdvanceRawFrame() {
    if (!playing_) return;
    bool readGood = false;
    if (!movieRead_) {
        const int slot = decodeIndex;
        const MoviePicture read = ReadIntoSlot(slot, false, true);
        stream.g_nStreamPos = read.position;
        view_.RawPictureRead(read);
        if (!read.ok()) {
            movieRead_ = true;
            Log({"Last 2 good at:", stream.LastTwoGood()});
        } else {
            if (auto line = stream.ReportSkippedBytes(rawFrameCounter, read)) Log({*line});
            ++rawFrameCounter;
            audioLengths[(slot + kRingSize - 1) % kRingSize] = read.audioLength;
            decodeIndex = (decodeIndex + 1) % kRingSize;
            ++pending_;
            readGood = true;
        }
    }
    if (pending_ > 0) {
        Present(displayIndex);
        displayIndex = (displayIndex + 1) % kRingSize;
        --pending_;
    }
    if (readGood) stream.PictureGood();
}

void RawMoviePlayback::AudioMessage(const movie::AudioNotice& notice) {
    if (notice.message == movie::AudioMessage::BufferDone) {
        if (audio_.TakeBufferDone(notice)) audio_.BufferDone(*this);
        if (playing_ && movieRead_ && audio_.Drained()) {
            StopSound();
            view_.RawMovieEnded();
        }
        return;
    }
    // The ring ran dry before the end (the reader fell behind): the sound
    // starts again from where the reader stands, with a full prefill.
    if (!playing_ || movieRead_ || !audio_.IsCurrentUnderrun(notice)) return;
    audio_.Stop();
    if (!PrimeRawRing(true)) view_.RawMovieEnded();
}

bool RawMoviePlayback::RewindRawMovie() {
    if (!movie_.RewindStream()) return false;
    nextNumber_ = 0;
    if (!ReadIntoSlot(0, false, false).ok()) return false;
    Present(0);
    movie_.RewindStream();
    nextNumber_ = 0;
    stream.g_nStreamPos = 0;
    movieRead_ = false;
    pending_ = 0;
    return true;
}

bool RawMoviePlayback::ShowFromSlotZero(bool keepPosition) {
    // Nothing of the ring is left to show once a picture is taken out of
    // the stream's order; the sound starts afresh with the next play.
    const MoviePicture read = ReadIntoSlot(0, false, false);
    if (!read.ok()) return false;
    if (!keepPosition) stream.g_nStreamPos = read.position;
    view_.RawPictureRead(read);
    Present(0);
    displayIndex = 0;
    pending_ = 0;
    movieRead_ = false;
    return true;
}

bool RawMoviePlayback::StepForward(bool singleStep) {
    if (singleStep && pending_ > 0) {
        // The pictures read ahead while playing come first.
        const int slot = displayIndex;
        stream.g_nStreamPos = slotFacts_[slot].position;
        Present(slot);
        displayIndex = (displayIndex + 1) % kRingSize;
        --pending_;
        return true;
    }
    if (singleStep) {
        Log({Format("%d", stream.g_nStreamPos)});
        return ShowFromSlotZero(false);
    }
    const int from = stream.g_nStreamPos;
    int found = SeekPosition(movie_, from + 1, 1, 1);
    if (found == from) found = SeekPosition(movie_, from + kStepPastShown, 1, 1);
    stream.g_nStreamPos = found;
    Log({Format("%d", found)});
    // The position stays on the picture's start, so that the next step
    // looks beyond it.
    return found > 0 && ShowFromSlotZero(true);
}

bool RawMoviePlayback::StepBackward() {
    int found = SeekPosition(movie_, stream.g_nStreamPos - 1, 1, -1);
    if (found > 0) found = SeekPosition(movie_, found - 1, 1, -1);
    stream.g_nStreamPos = found;
    Log({Format("%d", found)});
    return found > 0 && ShowFromSlotZero(false);
}

bool RawMoviePlayback::SeekBar(int barPosition, int barMaximum) {
    // More than one step's positions must remain before the bar's end.
    if (barMaximum - barPosition <= 1) return false;
    return SeekPosition(movie_, barPosition, g_nRawSeekStep, 1) > 0 && ShowFromSlotZero(false);
}

}  // namespace vn::player
