#include "player/play_list_search.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "player/player_state.h"

namespace vn::player {

int ReadMotionThreshold(const std::string& text) {
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

int PlayListSearch::Run(const std::function<int(avi::FrameScanner&)>& loop) {
    const int64_t before = recording_.scanner.counts.frames;
    const int result = loop(recording_.scanner);
    framesScanned_ += recording_.scanner.counts.frames - before;
    return result;
}

bool PlayListSearch::OpenNext(int& entry, int direction) {
    for (int next = entry + direction; next >= 0 && next < playList_.g_nPlayListCount(); next += direction) {
        if (FileKindForPath(playList_.Path(next)) != kAviRecording) continue;
        entry = next;
        opened_ = open_(entry);
        if (opened_ && direction < 0) recording_.GoToEnd();
        if (opened_ && direction > 0) recording_.SetFrame(0);
        return opened_;
    }
    return false;
}

SearchEnd PlayListSearch::End(int entry, int frame, bool found) const {
    return SearchEnd{opened_, entry, frame, found, framesScanned_};
}

SearchEnd PlayListSearch::MotionSearch(int entry, int direction, int threshold) {
    opened_ = true;
    framesScanned_ = 0;
    const int end = direction > 0 ? recording_.header.frames : 0;
    int r = Run([&](avi::FrameScanner& s) { return s.MotionScan(recording_.currentFrame(), end, threshold); });
    while (r == 0 && OpenNext(entry, direction)) {
        // A recording of one frame holds nothing to compare backward either.
        const int start = direction > 0 ? 0 : LastFrame();
        const int stop = direction > 0 ? recording_.header.frames : 0;
        r = start == stop ? 0 : Run([&](avi::FrameScanner& s) { return s.MotionScan(start, stop, threshold); });
    }
    if (!opened_) return End(entry, 0, false);
    if (r > 0) return End(entry, r, true);
    return End(entry, direction > 0 ? LastFrame() : 0, false);
}

SearchEnd PlayListSearch::EventSearch(int entry, int direction, bool trigger) {
    opened_ = true;
    framesScanned_ = 0;
    const int from = recording_.currentFrame() + direction;
    const int end = direction > 0 ? recording_.header.frames : 0;
    // At frame 0 there is nothing before; the search goes on in the entry before.
    int r = from < 0 ? -1 : Run([&](avi::FrameScanner& s) {
        return trigger ? s.TriggerWalk(from, end) : s.EventScan(from, end);
    });
    while (r == -1 && OpenNext(entry, direction)) {
        const int start = direction > 0 ? 0 : LastFrame();
        const int stop = direction > 0 ? recording_.header.frames : 0;
        r = Run([&](avi::FrameScanner& s) { return s.EventScan(start, stop); });
    }
    if (!opened_) return End(entry, 0, false);
    if (r >= 0) return End(entry, r, true);
    return End(entry, direction > 0 ? LastFrame() : 0, false);
}

}  // namespace vn::player
