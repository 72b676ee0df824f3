// The user's preferences as the settings file keeps them, with their
// built-in defaults. The names are the keys' names.
#pragma once

#include <string>

namespace vn::player {

struct Preferences {
    // Section "window": -1 keeps the designed position and size.
    int nMainWinX = -1;
    int nMainWinY = -1;
    int nMainWinWidth = -1;
    int nMainWinHeight = -1;
    int ShowDiagsWindow = 0;  // "window"/"ShowDiags": show the diagnostics window at start

    // Section "settings".
    int nFrmRate = 0;
    int nZoom = 100;
    int nMotionThreshold = 50;
    int ShowDiags = 0;  // "settings"/"ShowDiags": per-frame diagnostic logging
    bool bShowExpo = false;
    bool bShowTimes = false;
    bool bDumpRTCData = false;
    int nInt1 = 1;
    int nInt2 = 2;
    int nInt3 = 5;
    int nAVIQuant = 2;
    int nFlicker = 0;
    std::string cDrive;  // the memory card's mount point; empty: none chosen yet
    int wCamMode = 0;
    bool g_bEmbedTime = false;
    int nResolution[4] = {0, 0, 0, 0};
    int g_nDeblockMethod = 2;
    int TestLanguage = 0;
    int g_nExportMode = 0;
    bool g_bShowChecksums = false;
};

}  // namespace vn::player
