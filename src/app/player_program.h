// The program's seven windows, created once in their order, and the
// playback engine that ties the main window to the recordings. vnplay runs
// one; the tests run it as vnplay does.
#pragma once

#include <QStringList>

#include "app/player_engine.h"
#include "app/vnmain.h"
#include "camset/camera_settings_dialog.h"
#include "diag/diagnostics_window.h"
#include "diag/message_dialog.h"
#include "recording/windows/about_box.h"
#include "recording/windows/export_dialog.h"
#include "recording/windows/export_progress.h"

namespace vn::app {

class PlayerProgram {
public:
    // Creates the windows, then runs the main window's creation handler,
    // which loads the preferences and takes the command line's files.
    PlayerProgram(ui::IniFile& settings, const QStringList& commandLine);
    ~PlayerProgram();

    TfrmVNMain frmVNMain;
    recording_windows::TAboutBox AboutBox{&frmVNMain};
    camset::TfrmSetCamReg frmSetCamReg{frmVNMain.prefs, &frmVNMain};
    diag::TfrmDiags frmDiags;
    diag::TfrmMyMsg frmMyMsg{&frmVNMain};
    recording_windows::TfrmExtract frmExtract;
    recording_windows::TfrmExtProgress frmExtProgress{&frmVNMain};
    PlayerEngine engine{frmVNMain, frmVNMain.prefs, frmDiags, frmDiags};
};

}  // namespace vn::app
