// The main window's life: preferences loaded at creation, the first show,
// and the close that saves them.
#include <QCloseEvent>
#include <QLocale>
#include <QScreen>
#include <QTimer>

#include "app/player_engine.h"
#include "app/preference_keys.h"
#include "app/vnmain.h"
#include "diag/diagnostics_window.h"
#include "platform/controls.h"
#include "platform/ini_file.h"
#include "platform/language.h"
#include "player/player_state.h"
#include "player/zoom.h"

namespace vn::app {

void TfrmVNMain::LoadSettings() {
    ReadPreferences(settings_, prefs);

    // The window's inside, as SaveSettings takes it: the frame's size is
    // the window system's and not known before the window shows.
    QRect inside = geometry();
    if (prefs.nMainWinX != -1) inside.moveLeft(prefs.nMainWinX);
    if (prefs.nMainWinY != -1) inside.moveTop(prefs.nMainWinY);
    if (prefs.nMainWinWidth != -1) inside.setWidth(prefs.nMainWinWidth);
    if (prefs.nMainWinHeight != -1) inside.setHeight(prefs.nMainWinHeight);
    setGeometry(inside);

    if (engine_ != nullptr) engine_->ShowPreferredRate();
    edtMotionThreshold->setText(QString::number(prefs.nMotionThreshold));
    EmbedTimestamp1->setChecked(prefs.g_bEmbedTime);
    Deblock1->setChecked(prefs.g_nDeblockMethod != 0);
    // Without a choice of their own, users read the language of their
    // system, when the windows have it.
    ui::SetActiveLanguage(prefs.TestLanguage > 0 ? prefs.TestLanguage : ui::LanguageOfLocale(QLocale()));
}

void TfrmVNMain::SaveSettings() {
    // The diagnostics window's switches, as the user left them there.
    if (const diag::TfrmDiags* diags = dialogs.frmDiags) {
        prefs.bShowExpo = diags->bShowExpo;
        prefs.bShowTimes = diags->bShowTimes;
        prefs.bDumpRTCData = diags->bDumpRTCData;
        prefs.g_bShowChecksums = diags->g_bShowChecksums;
    }
    prefs.nMainWinX = geometry().x();
    prefs.nMainWinY = geometry().y();
    prefs.nMainWinWidth = width();
    prefs.nMainWinHeight = height();
    for (const PreferenceKey& key : KeysInWriteOrder(prefs)) {
        if (key.text != nullptr) {
            settings_.WriteString(key.section, key.key, QString::fromStdString(*key.text));
        } else {
            settings_.WriteInteger(key.section, key.key, key.number != nullptr ? *key.number : *key.flag);
        }
    }
    settings_.Flush();
}

void TfrmVNMain::FormCreate(const QStringList& commandLine) {
    setAcceptDrops(true);
    LoadSettings();
    if (prefs.ShowDiagsWindow != 0 && dialogs.frmDiags != nullptr) dialogs.frmDiags->show();
    ApplyZoom();
    if (engine_ != nullptr) engine_->AddCommandLine(commandLine);
    startPlayingWhenShown_ = !commandLine.isEmpty();
}

void TfrmVNMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    FormShow();
}

void TfrmVNMain::FormShow() {
    if (QScreen* display = screen()) {
        const QRect outer = frameGeometry();
        const QSize frameExtra = outer.size() - size();
        const Rect kept = player::KeepOnScreen({outer.x(), outer.y(), outer.width(), outer.height()},
                                               {display->geometry().width(), display->geometry().height()});
        move(kept.left, kept.top);
        resize(kept.width - frameExtra.width(), kept.height - frameExtra.height());
    }
    // The first entry plays once the window has been painted, so that a
    // message about it comes over the window, not before it.
}

void TfrmVNMain::StartPlayingWhenPainted() {
    if (!startPlayingWhenShown_ || !shownOnce_ || engine_ == nullptr) return;
    startPlayingWhenShown_ = false;
    QTimer::singleShot(0, engine_, &PlayerEngine::PlayFirstEntry);
}

// Closing, by the window's close button or "E&xit", ends the program: the
// other windows are the main window's and do not keep it running.
void TfrmVNMain::closeEvent(QCloseEvent* event) {
    // An export reads the open recording: it is stopped, and the window
    // closes at the next try.
    if (engine_ != nullptr && engine_->controls().exporting) {
        CancelExport();
        event->ignore();
        return;
    }
    if (engine_ != nullptr) engine_->CloseWindow();
    SaveSettings();
    HidePicture();
    QMainWindow::closeEvent(event);
}

int TfrmVNMain::FileKind() const { return engine_ != nullptr ? engine_->state.g_nFileKind : 0; }

}  // namespace vn::app
