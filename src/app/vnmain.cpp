// The main window as a whole: its construction in order, and the window
// events it handles itself (resize, language change, key preview, drops).
#include "app/vnmain.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollArea>
#include <QUrl>

#include "app/player_engine.h"
#include "platform/controls.h"
#include "platform/status_bar.h"

namespace vn::app {

TfrmVNMain::TfrmVNMain(ui::IniFile& settings, QWidget* parent) : QMainWindow(parent), settings_(settings) {
    setObjectName(QStringLiteral("TfrmVNMain"));
    setGeometry(56, 87, 1141, 787);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client_);
    CreatePictureArea(client_);
    CreatePlayControls(client_);
    CreateSpeedAndSeek(client_);
    CreateStatistics(client_);
    CreateMotionSearch(client_);
    CreatePlayList(client_);
    CreateMovieInfo(client_);
    StatusBar1 = new ui::StatusBar(this, "StatusBar1", {160, 80, 120, 120, 50});
    setStatusBar(StatusBar1);
    CreateMenus();
    FindGovernedControls();
    ConnectCommands();
    ConnectPlayList();
    SetHints();
    Retranslate();
    // The controls the engine governs start as its state does.
    ApplyControls(player::ControlState());

    // The layout follows the client area and the picture the scroll box's
    // visible area; keystrokes reach the window before its controls.
    client_->installEventFilter(this);
    ScrollBox1->viewport()->installEventFilter(this);
    qApp->installEventFilter(this);
    LayoutMainWindow();
}

// Hints are English in every language.
void TfrmVNMain::SetHints() {
    sbBackward->setToolTip(QStringLiteral("Play Backward"));
    sbPrevious->setToolTip(QStringLiteral("Backward 1 Frame"));
    sbPause->setToolTip(QStringLiteral("Pause"));
    sbStop->setToolTip(QStringLiteral("Stop"));
    sbNext->setToolTip(QStringLiteral("Forward 1 Frame"));
    sbForward->setToolTip(QStringLiteral("Play Forward"));
    sbPrevEvent->setToolTip(QStringLiteral("Prev Event"));
    sbNextEvent->setToolTip(QStringLiteral("Next Event"));
    tbRate->setToolTip(QStringLiteral("Speed"));
    tbWhere->setToolTip(QStringLiteral("Seek"));
    sbSearchForward->setToolTip(QStringLiteral("Search Forward"));
    sbSearchBackward->setToolTip(QStringLiteral("Search Baclward"));
    sbStopSearch->setToolTip(QStringLiteral("Stop Search"));
    sbPIRSeekRev->setToolTip(QStringLiteral("Prev Event"));
    sbStopPIRSearch->setToolTip(QStringLiteral("Stop Search"));
    sbPIRSeekFwd->setToolTip(QStringLiteral("Next Event"));
}

TfrmVNMain::~TfrmVNMain() { qApp->removeEventFilter(this); }

void TfrmVNMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
        LayoutMainWindow();
    }
    QMainWindow::changeEvent(event);
}

bool TfrmVNMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        if (watched == client_) LayoutMainWindow();
        if (watched == ScrollBox1->viewport()) PlaceImage();
        return false;
    }
    if (watched == this && event->type() == QEvent::Paint) {
        StartPlayingWhenPainted();
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    // A key event travels from the focused control up to the window; the
    // preview sees it once, at its first receiver inside this window. That
    // is the window's own focus control, also while the application's focus
    // still lies with a dialog just closed.
    auto* receiver = qobject_cast<QWidget*>(watched);
    QWidget* first = focusWidget() != nullptr ? focusWidget() : this;
    if (receiver == nullptr || receiver != first || receiver->window() != this) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    key->ignore();
    if (event->type() == QEvent::KeyPress) {
        emit KeyPreviewPress(key);
    } else {
        emit KeyPreviewRelease(key);
    }
    if (key->isAccepted()) return true;
    key->accept();
    return false;
}

void TfrmVNMain::dragEnterEvent(QDragEnterEvent* event) {
    const bool exporting = engine_ != nullptr && engine_->controls().exporting;
    if (event->mimeData()->hasUrls() && !exporting) event->acceptProposedAction();
}

void TfrmVNMain::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) paths.append(url.toLocalFile());
    }
    event->acceptProposedAction();
    if (!paths.isEmpty()) emit FilesDropped(paths);
}

}  // namespace vn::app
