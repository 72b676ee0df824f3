#include "player/saved_frame.h"

#include "common/text_format.h"
#include "player/player_state.h"

namespace vn::player {

int SavedFrameNumber(bool fromFileMenu, int fileKind, int cursor, int rawMovieCounter) {
    return fromFileMenu && fileKind == kRawMovie ? rawMovieCounter : cursor + 1;
}

std::string ProposedFrameName(int fileKind, int number) {
    switch (fileKind) {
        case kAviRecording:
            return Format("mvfrm%5.5d.jpg", number);
        case kMpeg4Stream:
            return Format("mvfrm%5.5d.bmp", number);
        case kRawMovie:
            return Format("mvfrm%6.6x.bmp", static_cast<unsigned>(number));
        default:
            return {};
    }
}

}  // namespace vn::player
