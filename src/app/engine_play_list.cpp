// The play list's commands: adding files from the open dialog, drops and the
// command line, moving between entries, clearing, and playing on from one
// entry to the next.
#include <QFile>
#include <QFileDialog>

#include "app/player_engine.h"
#include "app/vnmain.h"
#include "platform/hints.h"

namespace vn::app {

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

void PlayerEngine::AddPlayListFile(const QString& path) {
    const int open = playList.g_nPlayListIndex;
    playList.AddPlayListFile(LocalPath(path), state.g_bPlaying);
    if (playList.g_nPlayListIndex != open) form_.lbPlayList->SetItemIndex(playList.g_nPlayListIndex);
}

void PlayerEngine::ShowPlayList() {
    form_.lbPlayList->clear();
    for (const player::PlayListEntry& entry : playList.entries()) {
        form_.lbPlayList->addItem(QFile::decodeName(player::FileNameOf(entry.path).c_str()));
    }
    form_.lbPlayList->SetItemIndex(playList.g_nPlayListIndex);
}

void PlayerEngine::ClearPlayList() {
    CloseCurrentFile();
    playList.Clear();
    state.g_nDirection = 1;
    DisablePlayControls();
    form_.lbPlayList->clear();
}

void PlayerEngine::OpenPlayListEntry(int index) {
    // An entry that cannot be opened has said why; playing goes on with the
    // next one in the direction of play, and stops once every entry failed.
    const int step = state.g_nDirection < 0 ? -1 : 1;
    for (int tried = 0; tried < playList.g_nPlayListCount(); ++tried, index += step) {
        index = playList.Wrap(index);
        playList.g_nPlayListIndex = index;
        form_.lbPlayList->SetItemIndex(index);
        if (OpenRecordingFile(playList.Path(index), index)) {
            ContinueWithOpenEntry();
            return;
        }
    }
    DisablePlayControls();
}

void PlayerEngine::ContinueWithOpenEntry() {
    // A rate of 0 leaves no direction; the next entry then starts forwards.
    const int direction = state.g_nDirection < 0 ? -1 : 1;
    if (direction < 0) recording.GoToEnd();
    StartPlay(direction);
}

void PlayerEngine::Open1Click() {
    if (OpenDialog1 == nullptr) {
        OpenDialog1 = new QFileDialog(&form_);
        OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
        OpenDialog1->setOption(QFileDialog::DontUseNativeDialog);
        OpenDialog1->setFileMode(QFileDialog::ExistingFiles);
        OpenDialog1->setNameFilter(QStringLiteral("AVI (*.avi)"));
        OpenDialog1->setDefaultSuffix(QStringLiteral("AVI"));
    }
    OpenDialog1->selectFile(QStringLiteral("*.avi"));
    if (OpenDialog1->exec() != QDialog::Accepted) return;
    // A new list; the open file stays open until another is opened.
    playList.Clear();
    for (const QString& path : OpenDialog1->selectedFiles()) AddPlayListFile(path);
    ShowPlayList();
    if (!state.g_bPlaying) OpenPlayListEntry(0);
}

void PlayerEngine::FilesDropped(const QStringList& paths) {
    for (const QString& path : paths) AddPlayListFile(path);
    ShowPlayList();
    if (!state.g_bPlaying) OpenPlayListEntry(0);
}

void PlayerEngine::AddCommandLine(const QStringList& paths) {
    for (const QString& path : paths) AddPlayListFile(path);
    ShowPlayList();
}

void PlayerEngine::PlayFirstEntry() {
    state.g_nDirection = 1;
    OpenPlayListEntry(0);
}

// "&Previous" and "&Next" do not wrap round the list as playing does.
void PlayerEngine::bPreviousClick() {
    if (playList.g_nPlayListIndex <= 0) {
        ui::Beep();
        return;
    }
    OpenPlayListEntry(playList.g_nPlayListIndex - 1);
}

void PlayerEngine::bSkipClick() {
    if (playList.g_nPlayListIndex >= playList.g_nPlayListCount() - 1) {
        ui::Beep();
        return;
    }
    OpenPlayListEntry(playList.g_nPlayListIndex + 1);
}

void PlayerEngine::bClearPlayListClick() {
    StopPlay();
    ClearPlayList();
    const QString none = QStringLiteral("[none]");
    form_.StatusBar1->SetPanelText(0, none);
    for (int panel = 1; panel <= 3; ++panel) form_.StatusBar1->SetPanelText(panel, QString());
    form_.setWindowTitle(none);
    ShowSeekBar(false);
    for (QWidget* search : {form_.sbSearchForward, form_.sbSearchBackward, form_.sbStopSearch}) {
        search->setEnabled(false);
    }
    form_.EmbedTimestamp1->setEnabled(true);
    form_.HidePicture();
}

void PlayerEngine::lbPlayListDblClick() {
    const int selected = form_.lbPlayList->ItemIndex();
    if (selected >= 0) OpenPlayListEntry(selected);
}

}  // namespace vn::app
