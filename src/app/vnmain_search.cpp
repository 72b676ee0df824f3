// The main window's search controls: the motion search group with its
// threshold field and thumbnail, the event buttons and the PIR Seek panel.
#include "app/player_engine.h"
#include "app/vnmain.h"
#include "platform/controls.h"
#include "platform/hints.h"
#include "platform/image.h"
#include "player/player_state.h"

namespace vn::app {

void TfrmVNMain::ConnectSearch() {
    PlayerEngine* engine = engine_;
    const auto threshold = [this] { return edtMotionThreshold->text().toStdString(); };
    connect(sbSearchForward, &QToolButton::clicked, engine,
            [engine, threshold] { engine->sbSearchForwardClick(threshold()); });
    connect(sbSearchBackward, &QToolButton::clicked, engine,
            [engine, threshold] { engine->sbSearchBackwardClick(threshold()); });
    connect(sbStopSearch, &QToolButton::clicked, engine, &PlayerEngine::sbStopSearchClick);
    connect(sbStopPIRSearch, &QToolButton::clicked, engine, &PlayerEngine::sbStopSearchClick);
    connect(sbNextEvent, &QToolButton::clicked, engine, &PlayerEngine::sbNextEventClick);
    connect(sbPrevEvent, &QToolButton::clicked, engine, &PlayerEngine::sbPrevEventClick);
    connect(sbPIRSeekFwd, &QToolButton::clicked, engine, &PlayerEngine::sbPIRSeekFwdClick);
    connect(sbPIRSeekRev, &QToolButton::clicked, engine, &PlayerEngine::sbPIRSeekRevClick);
}

void TfrmVNMain::ShowSearchThumbnail(const vn::Picture* thumbnail, int frameIndex) {
    if (thumbnail == nullptr || thumbnail->empty() || FileKind() != player::kAviRecording) return;
    pnlSearch->ShowPictureCopy(*thumbnail);
    pnlSearch->repaint();
    pbWhere->SetPosition(frameIndex);
}

void TfrmVNMain::RefuseMotionThreshold() {
    ui::Beep();
    edtMotionThreshold->setFocus();
}

}  // namespace vn::app
