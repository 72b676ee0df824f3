// The main window's part in playing movies: the sound output's messages,
// posted from the sound device's thread and taken on the window's, and the
// raw movie that cannot be opened.
#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>

#include "app/player_engine.h"
#include "app/vnmain.h"
#include "platform/controls.h"
#include "platform/status_bar.h"

namespace vn::app {

namespace {

// Message 1281: the window system's first user message + 257.
constexpr auto kAudioMessageEvent = static_cast<QEvent::Type>(QEvent::User + 257);

class AudioNoticeEvent : public QEvent {
public:
    explicit AudioNoticeEvent(const movie::AudioNotice& notice) : QEvent(kAudioMessageEvent), notice(notice) {}
    movie::AudioNotice notice;
};

}  // namespace

void TfrmVNMain::PostAudioNotice(const movie::AudioNotice& notice) {
    // Safe from any thread; Qt drops what is still queued when the window goes.
    QCoreApplication::postEvent(this, new AudioNoticeEvent(notice));
}

bool TfrmVNMain::event(QEvent* event) {
    if (event->type() != kAudioMessageEvent) return QMainWindow::event(event);
    if (engine_ != nullptr) engine_->AudioMessage(static_cast<AudioNoticeEvent*>(event)->notice);
    return true;
}

void TfrmVNMain::MoveProgressBar(int position) { pbWhere->SetPosition(position); }

void TfrmVNMain::ShowStreamStatus(const std::string& text) {
    StatusBar1->SetPanelText(4, QString::fromStdString(text));
}

void TfrmVNMain::ShowOpenError(const std::string& path) {
    QMessageBox::critical(this, tr("Error"), tr("Error opening %1").arg(QString::fromLocal8Bit(path.c_str())));
    ReturnFromDialog();
}

}  // namespace vn::app
