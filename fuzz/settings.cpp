// The settings file as the player loads it: the INI text read by the
// settings layer, every key of the main window read as the window reads it,
// and the values taken through the window-free arithmetic they feed: the
// zoom and the image's place, the speed bar and the timer, the window's
// place on the screen and the layout of its groups.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "app/preference_keys.h"
#include "platform/ini_file.h"
#include "player/main_layout.h"
#include "player/player_state.h"
#include "player/zoom.h"

namespace {

// A name of its own for every input: the settings layer keeps what it read
// of a file by the file's name.
std::string NextPath() {
    static unsigned long count = 0;
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    return (folder / ("vnplay-fuzz-" + std::to_string(getpid()) + "-" + std::to_string(count++) + ".ini")).string();
}

void Apply(const vn::player::Preferences& p) {
    const vn::Size picture{320, 240};
    const vn::Size screen{1920, 1080};
    vn::player::ZoomStatusText(p.nZoom);
    const vn::Size image = p.nZoom > 0 ? vn::player::ZoomedImageSize(p.nZoom, picture) : picture;
    vn::player::PlaceImage(p.nZoom, screen, image);
    vn::player::ClickZoom(p.nZoom);
    vn::player::KeepOnScreen({p.nMainWinX, p.nMainWinY, p.nMainWinWidth, p.nMainWinHeight}, screen);
    vn::player::SpeedBarPositionForRate(p.nFrmRate);
    vn::player::PlayerState state;
    state.ApplyRate(p.nFrmRate);
    vn::player::MainWindowLayout layout;
    for (int kind : {vn::player::kAviRecording, vn::player::kRawMovie}) {
        vn::player::LayoutMainWindow(layout, {p.nMainWinWidth, p.nMainWinHeight}, kind);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = NextPath();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return 0;
    const bool written = std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) == 0 && written) {
        vn::player::Preferences prefs;
        vn::app::ReadPreferences(vn::ui::IniFile(QString::fromStdString(path)), prefs);
        Apply(prefs);
    }
    std::remove(path.c_str());
    return 0;
}
