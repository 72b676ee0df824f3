// The settings file's keys of the main window, bound to the preferences
// they hold, in the order they are read and in the order they are written.
#pragma once

#include <string>
#include <vector>

#include "platform/ini_file.h"
#include "player/preferences.h"

namespace vn::app {

struct PreferenceKey {
    const char* section;
    const char* key;
    int* number = nullptr;  // one of number, flag and text is set
    bool* flag = nullptr;
    std::string* text = nullptr;
    // A missing key keeps its variable's value, or takes this one's.
    const int* defaultFrom = nullptr;
};

std::vector<PreferenceKey> KeysInReadOrder(player::Preferences& prefs);
std::vector<PreferenceKey> KeysInWriteOrder(player::Preferences& prefs);

// Reads every key the main window loads, in order, into prefs.
void ReadPreferences(const ui::IniFile& settings, player::Preferences& prefs);

}  // namespace vn::app
