// The engine's ties to the window: which control runs which command, the
// keys that step frames, the speed and seek bars' focus, drops.
#include "app/player_engine.h"

#include <QAction>
#include <QKeyEvent>
#include <QShortcut>

#include "app/vnmain.h"
#include "diag/diagnostics_window.h"
#include "platform/hints.h"

namespace vn::app {

PlayerEngine::PlayerEngine(TfrmVNMain& form) : form_(form) {
    Timer1.setObjectName(QStringLiteral("Timer1"));
    // 33 ms ticks must not be rounded to the coarse timer's 5 %.
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &PlayerEngine::Timer1Timer);
    decoder.InitJpegDecoder();
    ConnectControls();
    form_.engine = this;
}

PlayerEngine::~PlayerEngine() {
    Timer1.stop();
    form_.HidePicture();
    if (form_.dialogs.frmDiags != nullptr) form_.dialogs.frmDiags->SetDecoder(nullptr);
    form_.engine = nullptr;
}

void PlayerEngine::ConnectControls() {
    connect(form_.sbForward, &QToolButton::clicked, this, [this] { StartPlay(1); });
    connect(form_.sbBackward, &QToolButton::clicked, this, [this] { StartPlay(-1); });
    connect(form_.sbPause, &QToolButton::clicked, this, &PlayerEngine::PausePlay);
    connect(form_.sbStop, &QToolButton::clicked, this, &PlayerEngine::StopPlay);
    connect(form_.sbNext, &QToolButton::clicked, this, &PlayerEngine::sbNextClick);
    connect(form_.sbPrevious, &QToolButton::clicked, this, &PlayerEngine::sbPreviousClick);

    connect(form_.tbRate, &QSlider::valueChanged, this, &PlayerEngine::tbRateChange);
    // While the speed bar holds the focus, seek-bar changes are not seeks.
    connect(form_.tbRate, &ui::TrackBar::Entered, this, [this] { state.g_bSeekLock = true; });
    connect(form_.tbRate, &ui::TrackBar::Exited, this, [this] { state.g_bSeekLock = false; });
    connect(form_.tbWhere, &QSlider::valueChanged, this, &PlayerEngine::tbWhereChange);
    connect(form_.tbWhere, &ui::TrackBar::Entered, this, [this] { state.g_bSeekFocused = true; });
    connect(form_.tbWhere, &ui::TrackBar::Exited, this, [this] { state.g_bSeekFocused = false; });

    connect(form_.Open1, &QAction::triggered, this, &PlayerEngine::Open1Click);
    connect(&form_, &TfrmVNMain::FilesDropped, this, &PlayerEngine::FilesDropped);
    connect(form_.bPrevious, &QPushButton::clicked, this, &PlayerEngine::bPreviousClick);
    connect(form_.bSkip, &QPushButton::clicked, this, &PlayerEngine::bSkipClick);
    connect(form_.bClearPlayList, &QPushButton::clicked, this, &PlayerEngine::bClearPlayListClick);
    // "&Clear" is the window's cancel button.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &form_);
    connect(escape, &QShortcut::activated, form_.bClearPlayList, &QPushButton::click);
    connect(form_.lbPlayList, &QListWidget::itemDoubleClicked, this, &PlayerEngine::lbPlayListDblClick);
    connect(form_.lbPlayList, &ui::ListBox::MouseMoved, this, &PlayerEngine::lbPlayListMouseMove);
    connect(form_.lbPlayList, &ui::ListBox::MouseLeft, this, [this] { form_.lblFilePath->SetCaption({}); });

    connect(&form_, &TfrmVNMain::KeyPreviewPress, this, &PlayerEngine::KeyPreviewPress);
    connect(&form_, &TfrmVNMain::KeyPreviewRelease, this, &PlayerEngine::KeyPreviewRelease);
}

// "+" and "-" step as typed characters. An arrow key steps when it is
// released; its press is kept from the focused control too, which would
// otherwise move a bar as well.
void PlayerEngine::KeyPreviewPress(QKeyEvent* event) {
    const QString typed = event->text();
    if (typed == QStringLiteral("+") && form_.sbNext->isEnabled()) {
        sbNextClick();
        event->accept();
    } else if (typed == QStringLiteral("-") && form_.sbPrevious->isEnabled()) {
        sbPreviousClick();
        event->accept();
    } else if ((event->key() == Qt::Key_Right && form_.sbNext->isEnabled()) ||
               (event->key() == Qt::Key_Left && form_.sbPrevious->isEnabled())) {
        event->accept();
    }
}

void PlayerEngine::KeyPreviewRelease(QKeyEvent* event) {
    if (event->key() == Qt::Key_Right && form_.sbNext->isEnabled()) {
        sbNextClick();
        event->accept();
    } else if (event->key() == Qt::Key_Left && form_.sbPrevious->isEnabled()) {
        sbPreviousClick();
        event->accept();
    }
}

void PlayerEngine::lbPlayListMouseMove(QPoint position) {
    ui::SetHintDelays(500, 2500);
    const QSize area = form_.lbPlayList->viewport()->size();
    const int entry =
        player::EntryUnderMouse(position.x(), position.y(), area.width(), area.height(), form_.lbPlayList->ItemHeight(),
                                form_.lbPlayList->TopIndex(), playList.g_nPlayListCount());
    form_.lblFilePath->SetCaption(entry < 0 ? QString() : QString::fromStdString(playList.Path(entry)));
}

}  // namespace vn::app
