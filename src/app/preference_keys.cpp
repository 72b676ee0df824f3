#include "app/preference_keys.h"

#include <algorithm>

namespace vn::app {
namespace {

constexpr const char* kWindow = "window";
constexpr const char* kSettings = "settings";
constexpr int kNever = -1;

struct OrderedKey {
    PreferenceKey key;
    int readRank;   // kNever: another window reads it
    int writeRank;  // kNever: only read
};

OrderedKey Number(const char* section, const char* key, int& value, int readRank, int writeRank) {
    return {{section, key, &value, nullptr, nullptr}, readRank, writeRank};
}

OrderedKey Text(const char* section, const char* key, std::string& value, int readRank, int writeRank) {
    return {{section, key, nullptr, nullptr, &value}, readRank, writeRank};
}

OrderedKey Flag(const char* section, const char* key, bool& value, int readRank, int writeRank) {
    return {{section, key, nullptr, &value, nullptr}, readRank, writeRank};
}

std::vector<OrderedKey> AllKeys(player::Preferences& p) {
    return {
        Number(kWindow, "nMainWinX", p.nMainWinX, 0, 0),
        Number(kWindow, "nMainWinY", p.nMainWinY, 1, 1),
        Number(kWindow, "nMainWinWidth", p.nMainWinWidth, 2, 2),
        Number(kWindow, "nMainWinHeight", p.nMainWinHeight, 3, 3),
        Number(kSettings, "nFrmRate", p.nFrmRate, 4, 7),
        Number(kSettings, "nZoom", p.nZoom, 5, 8),
        Number(kSettings, "nMotionThreshold", p.nMotionThreshold, 6, 9),
        Number(kWindow, "ShowDiags", p.ShowDiagsWindow, 7, kNever),
        Flag(kSettings, "bShowExpo", p.bShowExpo, 8, 4),
        // Logging follows the window's switch unless it has its own.
        {{kSettings, "ShowDiags", &p.ShowDiags, nullptr, nullptr, &p.ShowDiagsWindow}, 9, kNever},
        Flag(kSettings, "bShowTimes", p.bShowTimes, kNever, 5),
        Flag(kSettings, "bDumpRTCData", p.bDumpRTCData, kNever, 6),
        Number(kSettings, "nInt1", p.nInt1, 10, 10),
        Number(kSettings, "nInt2", p.nInt2, 11, 11),
        Number(kSettings, "nInt3", p.nInt3, 12, 12),
        Number(kSettings, "nAVIQuant", p.nAVIQuant, 13, 13),
        Number(kSettings, "nFlicker", p.nFlicker, 14, 14),
        Text(kSettings, "cDrive", p.cDrive, 15, 19),
        Number(kSettings, "wCamMode", p.wCamMode, 16, 20),
        Flag(kSettings, "g_bEmbedTime", p.g_bEmbedTime, 17, 21),
        Number(kSettings, "nResolution0", p.nResolution[0], 18, 15),
        Number(kSettings, "nResolution1", p.nResolution[1], 19, 16),
        Number(kSettings, "nResolution2", p.nResolution[2], 20, 17),
        Number(kSettings, "nResolution3", p.nResolution[3], 21, 18),
        Number(kSettings, "g_nDeblockMethod", p.g_nDeblockMethod, 22, 22),
        Number(kSettings, "TestLanguage", p.TestLanguage, 23, kNever),
        Number(kSettings, "g_nExportMode", p.g_nExportMode, 24, 23),
        Flag(kSettings, "g_bShowChecksums", p.g_bShowChecksums, 25, 24),
    };
}

std::vector<PreferenceKey> InOrder(player::Preferences& p, int OrderedKey::*rank) {
    std::vector<OrderedKey> keys = AllKeys(p);
    std::erase_if(keys, [rank](const OrderedKey& k) { return k.*rank == kNever; });
    std::sort(keys.begin(), keys.end(), [rank](const OrderedKey& a, const OrderedKey& b) { return a.*rank < b.*rank; });
    std::vector<PreferenceKey> ordered;
    for (const OrderedKey& k : keys) ordered.push_back(k.key);
    return ordered;
}

}  // namespace

std::vector<PreferenceKey> KeysInReadOrder(player::Preferences& p) { return InOrder(p, &OrderedKey::readRank); }

std::vector<PreferenceKey> KeysInWriteOrder(player::Preferences& p) { return InOrder(p, &OrderedKey::writeRank); }

void ReadPreferences(const ui::IniFile& settings, player::Preferences& prefs) {
    for (const PreferenceKey& key : KeysInReadOrder(prefs)) {
        if (key.number != nullptr) {
            const int fallback = key.defaultFrom != nullptr ? *key.defaultFrom : *key.number;
            *key.number = settings.ReadInteger(key.section, key.key, fallback);
        } else if (key.text != nullptr) {
            *key.text = settings.ReadString(key.section, key.key, QString::fromStdString(*key.text)).toStdString();
        } else {
            *key.flag = settings.ReadInteger(key.section, key.key, *key.flag ? 1 : 0) != 0;
        }
    }
}

}  // namespace vn::app
