// The main window's menus and the commands that belong to the window itself:
// zoom, the time stamp and deblocking switches, the dialogs, the language,
// exit.
#include <QAction>
#include <QActionGroup>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>

#include "app/vnmain.h"
#include "camset/camera_settings_dialog.h"
#include "diag/diagnostics_window.h"
#include "platform/image.h"
#include "platform/ini_file.h"
#include "platform/language.h"
#include "player/zoom.h"
#include "recording/windows/about_box.h"

namespace vn::app {
namespace {

QAction* MakeAction(QMenu* menu, const char* name) {
    auto* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* MakeMenu(QMenuBar* bar, const char* name) {
    auto* menu = bar->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

}  // namespace

void TfrmVNMain::CreateMenus() {
    fileMenu = MakeMenu(menuBar(), "File1");
    Open1 = MakeAction(fileMenu, "Open1");
    SaveCurrent1 = MakeAction(fileMenu, "SaveCurrent1");
    Export1 = MakeAction(fileMenu, "Export1");
    fileMenu->addSeparator();
    Exit1 = MakeAction(fileMenu, "Exit1");

    // Options and Help stay hidden for the whole run; their entries still
    // work when invoked.
    optionsMenu = MakeMenu(menuBar(), "Options1");
    CameraSettings1 = MakeAction(optionsMenu, "CameraSettings1");
    EmbedTimestamp1 = MakeAction(optionsMenu, "EmbedTimestamp1");
    EmbedTimestamp1->setCheckable(true);
    Deblock1 = MakeAction(optionsMenu, "Deblock1");
    Deblock1->setCheckable(true);
    optionsMenu->menuAction()->setVisible(false);
    helpMenu = MakeMenu(menuBar(), "Help1");
    About1 = MakeAction(helpMenu, "About1");
    helpMenu->menuAction()->setVisible(false);

    // Each language by its own name, so that a user who cannot read the
    // captions shown finds theirs.
    languageMenu = MakeMenu(menuBar(), "LanguageMenu");
    auto* languages = new QActionGroup(this);
    for (size_t i = 0; i < languageActions_.size(); ++i) {
        const int language = ui::kEnglish + static_cast<int>(i);
        QAction* action = languageMenu->addAction(ui::LanguageName(language));
        action->setObjectName(QStringLiteral("Language%1").arg(language));
        action->setCheckable(true);
        languages->addAction(action);
        languageActions_[i] = action;
    }

    // The picture's menu opens on a right click; it is the one way to the
    // variable zoom.
    pictureMenu = new QMenu(this);
    pictureMenu->setObjectName(QStringLiteral("PopupMenu1"));
    zoom1xAction = MakeAction(pictureMenu, "Zoom1X1");
    zoom2xAction = MakeAction(pictureMenu, "N2xzoom1");
    zoomVariableAction = MakeAction(pictureMenu, "Varzoom1");
    pictureSaveCurrentAction = MakeAction(pictureMenu, "SaveCurrent2");

    // The seek bar's: the exported segment's marks and export.
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    SaveStart = MakeAction(PopupMenu2, "SaveStart");
    SaveEnd = MakeAction(PopupMenu2, "SaveEnd");
    SaveSegment1 = MakeAction(PopupMenu2, "SaveSegment1");
    Cancel1 = MakeAction(PopupMenu2, "Cancel1");
}

void TfrmVNMain::ConnectCommands() {
    connect(zoom1xAction, &QAction::triggered, this, [this] { SetZoom(100); });
    connect(zoom2xAction, &QAction::triggered, this, [this] { SetZoom(200); });
    connect(zoomVariableAction, &QAction::triggered, this, [this] { SetZoom(0); });
    connect(Image1, &ui::Image::MouseDown, this, &TfrmVNMain::Image1MouseDown);
    connect(EmbedTimestamp1, &QAction::triggered, this, &TfrmVNMain::EmbedTimestamp1Click);
    connect(Deblock1, &QAction::triggered, this, &TfrmVNMain::Deblock1Click);
    connect(Exit1, &QAction::triggered, this, &TfrmVNMain::Exit1Click);
    connect(About1, &QAction::triggered, this, &TfrmVNMain::About1Click);
    connect(CameraSettings1, &QAction::triggered, this, &TfrmVNMain::CameraSettings1Click);
    for (size_t i = 0; i < languageActions_.size(); ++i) {
        const int language = ui::kEnglish + static_cast<int>(i);
        connect(languageActions_[i], &QAction::triggered, this, [this, language] { LanguageClick(language); });
    }
    ConnectTakingOut();
}

void TfrmVNMain::SetZoom(int zoom) {
    prefs.nZoom = zoom;
    ApplyZoom();
}

void TfrmVNMain::Image1MouseDown(Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        pictureMenu->popup(QCursor::pos());
    } else if (button == Qt::LeftButton) {
        SetZoom(player::ClickZoom(prefs.nZoom));
    }
}

void TfrmVNMain::EmbedTimestamp1Click() {
    prefs.g_bEmbedTime = !prefs.g_bEmbedTime;
    EmbedTimestamp1->setChecked(prefs.g_bEmbedTime);
}

void TfrmVNMain::Deblock1Click() {
    prefs.g_nDeblockMethod = prefs.g_nDeblockMethod != 0 ? 0 : 2;
    Deblock1->setChecked(prefs.g_nDeblockMethod != 0);
    if (dialogs.frmDiags != nullptr && dialogs.frmDiags->isVisible()) {
        dialogs.frmDiags->SelectDeblockMethod(prefs.g_nDeblockMethod);
    }
}

void TfrmVNMain::About1Click() {
    // Not over a playing MPEG-4 stream, whose pictures it would hold up.
    if (dialogs.AboutBox == nullptr || FileKind() == 2) return;
    dialogs.AboutBox->show();
}

void TfrmVNMain::CameraSettings1Click() {
    if (dialogs.frmSetCamReg != nullptr) dialogs.frmSetCamReg->exec();
}

void TfrmVNMain::LanguageClick(int language) {
    prefs.TestLanguage = language;
    settings_.WriteInteger("settings", "TestLanguage", language);
    settings_.Flush();
    ui::SetActiveLanguage(language);
}

void TfrmVNMain::Exit1Click() { close(); }

}  // namespace vn::app
