#include "app/player_program.h"

namespace vn::app {

PlayerProgram::PlayerProgram(ui::IniFile& settings, const QStringList& commandLine)
    : frmVNMain(settings), frmDiags(&frmVNMain, settings) {
    frmVNMain.dialogs = {&AboutBox, &frmSetCamReg, &frmDiags, &frmMyMsg, &frmExtract, &frmExtProgress};
    frmDiags.SetDecoder(&engine.decoder);
    frmVNMain.FormCreate(commandLine);
}

}  // namespace vn::app
