#include "app/player_program.h"

namespace vn::app {

PlayerProgram::PlayerProgram(ui::IniFile& settings, const QStringList& commandLine)
    : frmVNMain(settings), frmDiags(&frmVNMain, settings), frmExtract(settings, &frmVNMain) {
    frmVNMain.dialogs = {&AboutBox, &frmSetCamReg, &frmDiags, &frmMyMsg, &frmExtract, &frmExtProgress};
    QObject::connect(&frmSetCamReg, &camset::TfrmSetCamReg::MessageWanted, &frmMyMsg,
                     &diag::TfrmMyMsg::ShowMessage);
    frmDiags.SetDecoder(&engine.decoder);
    QObject::connect(&frmDiags, &diag::TfrmDiags::MvmRestartClicked, &engine, &PlayerEngine::bMVMRestartClick);
    frmVNMain.AttachEngine(&engine);
    frmVNMain.FormCreate(commandLine);
}

// The engine is destroyed first (members go in reverse order): the window
// and the diagnostics window let go of it before.
PlayerProgram::~PlayerProgram() {
    frmVNMain.AttachEngine(nullptr);
    frmDiags.SetDecoder(nullptr);
}

}  // namespace vn::app
