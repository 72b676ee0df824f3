#include "recording/elapsed.h"

#include "common/text_format.h"

namespace vn::avi {

std::string FormatElapsed(int64_t seconds) {
    const int64_t hours = seconds / 3600;
    const int minutes = static_cast<int>(seconds % 3600 / 60);
    const int secs = static_cast<int>(seconds % 60);
    if (hours < 24) return Format("%lld:%2.2d:%2.2d", static_cast<long long>(hours), minutes, secs);
    return Format("days: %lld\n%d:%2.2d:%2.2d", static_cast<long long>(seconds / 86400), static_cast<int>(hours % 24),
                  minutes, secs);
}

std::string EventNumberText(std::span<const int32_t> eventList, int frame) {
    size_t atOrBefore = 0;
    while (atOrBefore < eventList.size() && eventList[atOrBefore] <= frame) ++atOrBefore;
    return std::to_string(atOrBefore + 1) + " of " + std::to_string(eventList.size() + 1);
}

void ElapsedClock::Reset(bool hasClock, int intervalSecs) {
    framesCarryClock_ = hasClock;
    intervalSecs_ = intervalSecs;
    g_nElapsedSecs = 0;
    g_nElapsedMsSum = 0;
}

int64_t ElapsedClock::ShowFrame(int frame, int intervalMs, uint64_t frameClock) {
    if (!framesCarryClock_ && frameClock != 0) {
        // The first clock of the recording: its interval is measured from no
        // clock at all and means nothing.
        framesCarryClock_ = true;
        intervalMs = 0;
    }
    if (framesCarryClock_) {
        g_nElapsedMsSum += intervalMs;
        g_nElapsedSecs = g_nElapsedMsSum / 1000;
    } else {
        g_nElapsedSecs = int64_t{frame} * intervalSecs_;
    }
    return g_nElapsedSecs;
}

}  // namespace vn::avi
