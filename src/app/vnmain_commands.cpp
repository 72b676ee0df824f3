// The main window's controls running the engine's commands: the play
// controls, the speed and seek bars, the play list, drops and keys, and
// "&Open" with its dialog.
#include <QAction>
#include <QFileDialog>
#include <QKeyEvent>
#include <QShortcut>

#include "app/player_engine.h"
#include "app/vnmain.h"
#include "platform/controls.h"
#include "platform/hints.h"

namespace vn::app {

void TfrmVNMain::AttachEngine(PlayerEngine* engine) {
    engine_ = engine;
    if (engine_ != nullptr) ConnectEngine();
}

// Each connection ends with the engine.
void TfrmVNMain::ConnectEngine() {
    PlayerEngine* engine = engine_;
    connect(sbForward, &QToolButton::clicked, engine, [engine] { engine->StartPlay(1); });
    connect(sbBackward, &QToolButton::clicked, engine, [engine] { engine->StartPlay(-1); });
    connect(sbPause, &QToolButton::clicked, engine, &PlayerEngine::PausePlay);
    connect(sbStop, &QToolButton::clicked, engine, &PlayerEngine::StopPlay);
    connect(sbNext, &QToolButton::clicked, engine, &PlayerEngine::sbNextClick);
    connect(sbPrevious, &QToolButton::clicked, engine, &PlayerEngine::sbPreviousClick);

    connect(tbRate, &QSlider::valueChanged, engine, &PlayerEngine::tbRateChange);
    connect(tbRate, &ui::TrackBar::Entered, engine, &PlayerEngine::tbRateEnter);
    connect(tbRate, &ui::TrackBar::Exited, engine, &PlayerEngine::tbRateExit);
    connect(tbWhere, &QSlider::valueChanged, engine, &PlayerEngine::tbWhereChange);
    connect(tbWhere, &ui::TrackBar::Entered, engine, &PlayerEngine::tbWhereEnter);
    connect(tbWhere, &ui::TrackBar::Exited, engine, &PlayerEngine::tbWhereExit);

    connect(this, &TfrmVNMain::FilesDropped, engine, &PlayerEngine::FilesDropped);
    connect(bPrevious, &QPushButton::clicked, engine, &PlayerEngine::bPreviousClick);
    connect(bSkip, &QPushButton::clicked, engine, &PlayerEngine::bSkipClick);
    connect(bClearPlayList, &QPushButton::clicked, engine, &PlayerEngine::bClearPlayListClick);
    connect(lbPlayList, &QListWidget::itemDoubleClicked, engine,
            [this, engine] { engine->lbPlayListDblClick(lbPlayList->ItemIndex()); });

    connect(this, &TfrmVNMain::KeyPreviewPress, engine, &PlayerEngine::KeyPreviewPress);
    connect(this, &TfrmVNMain::KeyPreviewRelease, engine, &PlayerEngine::KeyPreviewRelease);
    ConnectSearch();
}

void TfrmVNMain::ConnectPlayList() {
    connect(Open1, &QAction::triggered, this, &TfrmVNMain::Open1Click);
    // "&Clear" is the window's cancel button.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, bClearPlayList, &QPushButton::click);
    connect(lbPlayList, &ui::ListBox::MouseMoved, this, &TfrmVNMain::lbPlayListMouseMove);
    connect(lbPlayList, &ui::ListBox::MouseLeft, this, [this] { lblFilePath->SetCaption({}); });
}

void TfrmVNMain::Open1Click() {
    if (OpenDialog1 == nullptr) {
        OpenDialog1 = new QFileDialog(this);
        OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
        OpenDialog1->setOption(QFileDialog::DontUseNativeDialog);
        OpenDialog1->setFileMode(QFileDialog::ExistingFiles);
        OpenDialog1->setNameFilter(QStringLiteral("AVI (*.avi)"));
        OpenDialog1->setDefaultSuffix(QStringLiteral("AVI"));
    }
    OpenDialog1->selectFile(QStringLiteral("*.avi"));
    if (OpenDialog1->exec() != QDialog::Accepted || engine_ == nullptr) return;
    engine_->ReplacePlayList(OpenDialog1->selectedFiles());
}

void TfrmVNMain::lbPlayListMouseMove(QPoint position) {
    if (engine_ == nullptr) return;
    ui::SetHintDelays(500, 2500);
    const player::PlayList& list = engine_->playList;
    const QSize area = lbPlayList->viewport()->size();
    const int entry =
        player::EntryUnderMouse(position.x(), position.y(), area.width(), area.height(), lbPlayList->ItemHeight(),
                                lbPlayList->TopIndex(), list.g_nPlayListCount());
    lblFilePath->SetCaption(entry < 0 ? QString() : QString::fromStdString(list.Path(entry)));
}

}  // namespace vn::app
