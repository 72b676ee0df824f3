#include "player/main_layout.h"

#include <algorithm>

namespace vn::player {
namespace {

constexpr int kMargin = 4;
constexpr int kMaxPlayListHeight = 200;
constexpr int kMinPlayListHeight = 124;  // three entries
constexpr int kMpeg4Stream = 2;
constexpr int kRawMovie = 3;

// The columns beside the picture and the gaps between them.
int RightColumnsWidth(const MainWindowLayout& l) {
    return l.gbPlayRate.width + l.gbStats.width + l.gbMotion.width + 16;
}

// The picture area and what sits under it, common to both layouts.
void PlaceUnderPicture(MainWindowLayout& l, Size client) {
    l.ScrollBox1.height = client.height - l.pnlPlayCtrl.height - l.gbSeek.height - l.StatusBar1Height - 16;
    l.pnlPlayCtrl.top = l.ScrollBox1.bottom() + kMargin;
    l.pnlPlayCtrl.left = l.ScrollBox1.width / 2 - l.pnlPlayCtrl.width / 2 + kMargin;
    l.gbSeek.top = l.pnlPlayCtrl.bottom() + kMargin;
}

void FullLayout(MainWindowLayout& l, Size client) {
    l.ScrollBox1.width = client.width - RightColumnsWidth(l);
    PlaceUnderPicture(l, client);
    l.gbSeek.width = l.ScrollBox1.width;

    l.gbPlayRate.top = l.ScrollBox1.top;
    l.gbPlayRate.left = l.ScrollBox1.width + kMargin;
    l.gbPlayRate.height = l.ScrollBox1.height;
    l.lblRate.left = l.gbPlayRate.left;
    l.lblRate.top = l.pnlPlayCtrl.top;

    l.gbStats.top = l.gbPlayRate.top;
    l.gbStats.left = l.gbPlayRate.right() + kMargin;
    l.gbMotion.top = l.gbStats.top;
    l.gbMotion.left = l.gbStats.right() + kMargin;
    l.pnlWhere.width = l.gbSeek.width - 8;

    l.gbPlayList.left = l.gbStats.left;
    l.gbPlayList.top = l.gbMotion.bottom() + kMargin;
    // In a low window the play list gives up height, down to a few entries,
    // so that Movie Info under it ends above the status bar.
    const int room = client.height - l.StatusBar1Height - kMargin - l.gbMovieInfo.height - l.gbPlayList.top;
    l.gbPlayList.height = std::clamp(room, kMinPlayListHeight, kMaxPlayListHeight);
    l.gbMovieInfo.left = l.gbPlayList.left;
    l.gbMovieInfo.top = l.gbPlayList.bottom();

    l.lbPlayList.height = l.gbPlayList.height - l.lbPlayList.top - l.pnlPLControls.height - l.lblFilePath.height - 12;
    l.lblFilePath.top = l.lbPlayList.bottom() + kMargin;
    l.pnlPLControls.top = l.lblFilePath.bottom() + kMargin;
}

void CompactLayout(MainWindowLayout& l, Size client, int fileKind) {
    l.ScrollBox1.width = fileKind == kMpeg4Stream ? client.width - (l.gbPlayList.width + 16) : client.width - 16;
    PlaceUnderPicture(l, client);
}

}  // namespace

Size MinimumClientSize(const MainWindowLayout& l) {
    const int groupsHeight = std::max(l.gbStats.height, l.gbMotion.height);
    return {
        l.pnlPlayCtrl.width + 2 * kMargin + RightColumnsWidth(l),
        kMargin + groupsHeight + kMargin + kMinPlayListHeight + l.gbMovieInfo.height + kMargin + l.StatusBar1Height};
}

void LayoutMainWindow(MainWindowLayout& layout, Size client, int fileKind) {
    layout.ScrollBox1.top = kMargin;
    layout.ScrollBox1.left = kMargin;
    if (fileKind == kMpeg4Stream || fileKind == kRawMovie) {
        CompactLayout(layout, client, fileKind);
    } else {
        FullLayout(layout, client);
    }
}

}  // namespace vn::player
