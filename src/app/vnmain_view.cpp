// The window's side of the engine's decisions (PlayerView): the state of the
// controls applied in one place, the moves of the bars and the play list,
// and the messages and dialogs the engine asks for.
#include <QAction>

#include "app/vnmain.h"
#include "diag/message_dialog.h"
#include "platform/controls.h"
#include "platform/language.h"
#include "platform/status_bar.h"
#include "recording/windows/export_dialog.h"

namespace vn::app {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void TfrmVNMain::FindGovernedControls() {
    for (size_t i = 0; i < governed_.size(); ++i) {
        const QString name = QString::fromLatin1(player::ControlName(static_cast<player::Control>(i)));
        GovernedControl& control = governed_[i];
        control.widget = findChild<QWidget*>(name);
        if (control.widget == nullptr) control.action = findChild<QAction*>(name);
        Q_ASSERT(control.widget != nullptr || control.action != nullptr);
    }
}

void TfrmVNMain::ApplyControls(const player::ControlState& controls) {
    for (size_t i = 0; i < governed_.size(); ++i) {
        if (QWidget* widget = governed_[i].widget) {
            widget->setEnabled(controls.enabled[i]);
            widget->setVisible(controls.shown[i]);
        } else {
            governed_[i].action->setEnabled(controls.enabled[i]);
            governed_[i].action->setVisible(controls.shown[i]);
        }
    }

    tbWhere->setVisible(controls.seekArea == player::SeekArea::SeekBar);
    // A seek would move the reader under the export.
    tbWhere->setEnabled(!controls.exporting);
    pbWhere->setVisible(controls.seekArea == player::SeekArea::ProgressBar);
    pnlWhere->resize(pnlWhere->width(), player::SeekAreaHeight(controls.seekArea));
    tbWhere->SetMax(controls.seekMax);
    pbWhere->SetMax(controls.progressMax);
    tbWhere->SetFrequency(controls.seekTickInterval);
    const QWidget* lastButton = controls.eventButtonsShown ? sbNextEvent : sbForward;
    pnlPlayCtrl->resize(lastButton->x() + lastButton->width() + 5, pnlPlayCtrl->height());
    if (controls.searchLabel >= 0 && controls.searchLabel < static_cast<int>(searchLabels_.size())) {
        for (size_t i = 0; i < searchLabels_.size(); ++i) {
            searchLabels_[i]->setVisible(static_cast<int>(i) == controls.searchLabel);
        }
    }

    if (!controls.windowTitle.empty()) setWindowTitle(Text(controls.windowTitle));
    for (size_t panel = 0; panel < controls.statusPanels.size(); ++panel) {
        StatusBar1->SetPanelText(static_cast<int>(panel), Text(controls.statusPanels[panel]));
    }
    const player::Captions& captions = controls.captions;
    lblRate->SetCaption(Text(captions.lblRate));
    lblCapInterval->SetCaption(Text(captions.lblCapInterval));
    lblElapsedTime->SetCaption(Text(captions.lblElapsedTime));
    lblDate->SetCaption(Text(captions.lblDate));
    lblTime->SetCaption(Text(captions.lblTime));
    // Other languages keep their translated titles.
    if (ui::IsEnglish()) {
        if (!captions.lblCapIntervalTitle.empty()) lblCapIntervalTitle->SetCaption(Text(captions.lblCapIntervalTitle));
        if (!captions.lblElapsedTimeTitle.empty()) lblElapsedTimeTitle->SetCaption(Text(captions.lblElapsedTimeTitle));
    }
}

void TfrmVNMain::MoveSeekBar(int position) {
    tbWhere->SetPosition(position);
    pbWhere->SetPosition(position);
}

void TfrmVNMain::MoveSpeedBar(int position) { tbRate->SetPosition(position); }

void TfrmVNMain::ShowPlayList(const std::vector<std::string>& names) {
    lbPlayList->clear();
    for (const std::string& name : names) lbPlayList->addItem(Text(name));
}

void TfrmVNMain::SelectPlayListEntry(int index) { lbPlayList->SetItemIndex(index); }

void TfrmVNMain::MarkPlayListEntry(int index, const std::string& reason) {
    QListWidgetItem* item = lbPlayList->item(index);
    if (item == nullptr) return;
    QFont struckOut = item->font();
    struckOut.setStrikeOut(true);
    item->setFont(struckOut);
    item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    item->setToolTip(Text(reason));
}

void TfrmVNMain::ShowStatusMessage(const std::string& text) {
    constexpr int kShownMs = 10000;
    StatusBar1->showMessage(Text(text), kShownMs);
}

void TfrmVNMain::ShowMessage(int message, const std::string& detail) {
    if (dialogs.frmMyMsg == nullptr) return;
    dialogs.frmMyMsg->ShowMessage(message, Text(detail));
    ReturnFromDialog();
}

// The window manager gives the focus back to the window a modal dialog
// belonged to; without one, the keys and the seek bar would stay dead.
void TfrmVNMain::ReturnFromDialog() {
    if (isVisible()) activateWindow();
}

void TfrmVNMain::BringToFront() {
    if (isActiveWindow()) return;
    raise();
    activateWindow();
}

void TfrmVNMain::ProposeExportRange(int first, int last) {
    if (dialogs.frmExtract != nullptr) dialogs.frmExtract->SetFrameRange(first, last);
}

}  // namespace vn::app
