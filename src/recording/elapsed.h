// Elapsed recording time of the frames the player shows, and its texts.
// Kept apart from any window so that the player and the headless tool count
// the same way.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vn::avi {

// "%d:%2.2d:%2.2d", or "days: %d\n%d:%2.2d:%2.2d" from 24 hours on.
std::string FormatElapsed(int64_t seconds);

// Position of a frame among the event frames: the entries at or before
// frame, plus 1, " of ", the entries plus 1.
std::string EventNumberText(std::span<const int32_t> eventList, int frame);

class ElapsedClock {
public:
    // At every opening: whether frame 0 carries a clock, and the interval in
    // seconds that counts for frames without one.
    void Reset(bool hasClock, int intervalSecs);

    // After showing frame i, decoded with intervalMs ("FrmInt") and leaving
    // frameClock behind. Returns the elapsed seconds.
    int64_t ShowFrame(int frame, int intervalMs, uint64_t frameClock);

    bool framesCarryClock() const { return framesCarryClock_; }

    int64_t g_nElapsedSecs = 0;
    int64_t g_nElapsedMsSum = 0;

private:
    bool framesCarryClock_ = false;
    int intervalSecs_ = 0;
};

}  // namespace vn::avi
