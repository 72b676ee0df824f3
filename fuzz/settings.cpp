// The settings file as the player loads it: the INI text read by the
// settings layer, every key of the main window read as the window reads it,
// and the values taken through the window-free arithmetic they feed: the
// zoom and the image's place, the speed bar and the timer, the window's
// place on the screen and the layout of its groups.
#include <QString>
#include <QWidget>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "app/preference_keys.h"
#include "platform/ini_file.h"
#include "player/main_layout.h"
#include "player/player_state.h"
#include "player/zoom.h"

namespace {

struct ScratchFile {
    ~ScratchFile() { std::remove(path.c_str()); }
    const std::string path =
        (std::filesystem::temp_directory_path() / ("vnplay-fuzz-" + std::to_string(getpid()) + ".ini")).string();
};

// One file for every input. The settings layer keeps what it read of a file
// by the file's name and reads it again when its size or modification time
// changed, so each input gets a time of its own. A new name per input would
// grow that cache on every input, and libFuzzer would then look for leaks
// after each one: a hundred times slower.
bool WriteSettingsFile(const std::string& path, const uint8_t* data, size_t size) {
    static time_t inputNumber = 0;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) != 0 || !written) return false;
    const timespec times[2] = {{++inputNumber, 0}, {inputNumber, 0}};
    return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
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
    // The layout follows the window's size, which Qt keeps to its bounds.
    const vn::Size client{std::clamp(p.nMainWinWidth, 0, QWIDGETSIZE_MAX),
                          std::clamp(p.nMainWinHeight, 0, QWIDGETSIZE_MAX)};
    vn::player::MainWindowLayout layout;
    for (int kind : {vn::player::kAviRecording, vn::player::kRawMovie}) {
        vn::player::LayoutMainWindow(layout, client, kind);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFile file;
    if (WriteSettingsFile(file.path, data, size)) {
        vn::player::Preferences prefs;
        vn::app::ReadPreferences(vn::ui::IniFile(QString::fromStdString(file.path)), prefs);
        Apply(prefs);
    }
    return 0;
}
