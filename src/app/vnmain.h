// The main window: the picture area, the play controls, speed, seek,
// statistics, motion search, play list and Movie Info groups, the status bar
// and the menus. Its controls are public and carry their names, so that the
// playback engine drives them as the player's behaviour describes. The
// window itself owns the preferences, the presentation of pictures, zoom
// and layout, and the program's start and end.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

#include "common/geometry.h"
#include "common/picture.h"
#include "platform/controls.h"
#include "platform/image.h"
#include "platform/status_bar.h"
#include "player/main_layout.h"
#include "player/preferences.h"

class QAction;
class QMenu;
class QScrollArea;

namespace vn::ui {
class IniFile;
}  // namespace vn::ui

namespace vn::avi {
class MovieInfoPanel;
}  // namespace vn::avi

namespace vn::recording_windows {
class TAboutBox;
class TfrmExtract;
class TfrmExtProgress;
}  // namespace vn::recording_windows

namespace vn::camset {
class TfrmSetCamReg;
}  // namespace vn::camset

namespace vn::diag {
class TfrmDiags;
class TfrmMyMsg;
}  // namespace vn::diag

namespace vn::app {

class PlayerEngine;

// The program's other windows, created once after the main window.
struct PlayerWindows {
    recording_windows::TAboutBox* AboutBox = nullptr;
    camset::TfrmSetCamReg* frmSetCamReg = nullptr;
    diag::TfrmDiags* frmDiags = nullptr;
    diag::TfrmMyMsg* frmMyMsg = nullptr;
    recording_windows::TfrmExtract* frmExtract = nullptr;
    recording_windows::TfrmExtProgress* frmExtProgress = nullptr;
};

class TfrmVNMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmVNMain(ui::IniFile& settings, QWidget* parent = nullptr);
    ~TfrmVNMain() override;

    // Presentation (the engine calls these for every picture it shows).
    // The picture is shown without a copy: it must stay alive while shown,
    // or be withdrawn with HidePicture.
    void PresentPicture(const vn::Picture& picture);
    void HidePicture();
    void ApplyZoom();
    void PlaceImage();
    void LayoutMainWindow();
    // The size of the pictures about to be shown; ApplyZoom scales it.
    void SetPictureSize(int width, int height);
    // At the first recording opened after start only: the zoom from its
    // picture width, ApplyZoom and LayoutMainWindow. Later calls do nothing.
    void ApplyInitialZoom();
    void ApplyMovieInfo(const avi::MovieInfoPanel& panel);
    // A frame scanned by the motion search, stretched onto pnlSearch; moves
    // pbWhere to the frame and lets window events run. Null: nothing shown.
    void ShowSearchThumbnail(const vn::Picture* thumbnail, int frameIndex);
    // Hides the visible search status label and shows label i (0 "Search
    // Inactive", 1 "Search Forward", 2 "Search Backward", 3 "Found").
    void ShowSearchLabel(int i);

    // The creation handler, once the program's other windows exist: loads
    // the preferences and puts the command line's files in the play list;
    // they play when the window is first shown.
    void FormCreate(const QStringList& commandLine);

    // Preferences and the program's end.
    void LoadSettings();
    void SaveSettings();

    PlayerEngine* engine = nullptr;
    PlayerWindows dialogs;
    player::Preferences prefs;  // nZoom, g_bEmbedTime, g_nDeblockMethod, ... as the file keeps them
    int nZoom() const { return prefs.nZoom; }

    // Image area.
    QScrollArea* ScrollBox1 = nullptr;
    vn::ui::Image* Image1 = nullptr;

    // Play controls.
    vn::ui::Panel* pnlPlayCtrl = nullptr;
    vn::ui::SpeedButton* sbBackward = nullptr;
    vn::ui::SpeedButton* sbPrevious = nullptr;
    vn::ui::SpeedButton* sbPause = nullptr;
    vn::ui::SpeedButton* sbStop = nullptr;
    vn::ui::SpeedButton* sbNext = nullptr;
    vn::ui::SpeedButton* sbForward = nullptr;
    vn::ui::SpeedButton* sbPrevEvent = nullptr;
    vn::ui::SpeedButton* sbNextEvent = nullptr;

    // Seek.
    vn::ui::GroupBox* gbSeek = nullptr;
    vn::ui::Panel* pnlWhere = nullptr;
    vn::ui::TrackBar* tbWhere = nullptr;
    vn::ui::ProgressBar* pbWhere = nullptr;

    // Speed.
    vn::ui::GroupBox* gbPlayRate = nullptr;
    vn::ui::TrackBar* tbRate = nullptr;
    vn::ui::Label* lblRate = nullptr;

    // Statistics.
    vn::ui::GroupBox* gbStats = nullptr;
    vn::ui::Label* lblCapIntervalTitle = nullptr;
    vn::ui::Label* lblCapInterval = nullptr;
    vn::ui::Label* lblElapsedTimeTitle = nullptr;
    vn::ui::Label* lblElapsedTime = nullptr;
    vn::ui::Label* Label6 = nullptr;
    vn::ui::Label* lblDate = nullptr;
    vn::ui::Label* lblTime = nullptr;

    // Motion search.
    vn::ui::GroupBox* gbMotion = nullptr;
    vn::ui::Image* pnlSearch = nullptr;
    vn::ui::Label* Thresh = nullptr;
    vn::ui::Edit* edtMotionThreshold = nullptr;
    vn::ui::SpeedButton* sbSearchBackward = nullptr;
    vn::ui::SpeedButton* sbStopSearch = nullptr;
    vn::ui::SpeedButton* sbSearchForward = nullptr;
    vn::ui::Label* lblSrchMsg = nullptr;
    vn::ui::Label* lblSearchForward = nullptr;
    vn::ui::Label* lblSearchBackward = nullptr;
    vn::ui::Label* lblSearchFound = nullptr;

    // Play list.
    vn::ui::GroupBox* gbPlayList = nullptr;
    vn::ui::ListBox* lbPlayList = nullptr;
    vn::ui::Label* lblFilePath = nullptr;
    vn::ui::Panel* pnlPLControls = nullptr;
    vn::ui::Button* bPrevious = nullptr;
    vn::ui::Button* bSkip = nullptr;
    vn::ui::Button* bClearPlayList = nullptr;

    // Movie Info: title labels (named ...Title where the design gives no
    // name) and value labels, row by row.
    vn::ui::GroupBox* gbMovieInfo = nullptr;
    vn::ui::Label* lblCamModelTitle = nullptr;
    vn::ui::Label* lblCamModel = nullptr;
    vn::ui::Label* lblQTitle = nullptr;
    vn::ui::Label* lblQuant = nullptr;
    vn::ui::Label* lblFlickerTitle = nullptr;
    vn::ui::Label* lblFlicker = nullptr;
    vn::ui::Label* lblSceneTitle = nullptr;
    vn::ui::Label* lblScene = nullptr;
    vn::ui::Label* lblExpoTitle = nullptr;
    vn::ui::Label* lblCustomExpo = nullptr;
    vn::ui::Label* lblSSStartTitle = nullptr;
    vn::ui::Label* lblSSStart = nullptr;
    vn::ui::Label* lblSSStopTitle = nullptr;
    vn::ui::Label* lblSSStop = nullptr;
    vn::ui::Label* Label4 = nullptr;
    vn::ui::Label* lblSSDays = nullptr;
    vn::ui::Label* lblLEDTitle = nullptr;
    vn::ui::Label* lblLED = nullptr;
    vn::ui::Label* lblLowLightTitle = nullptr;
    vn::ui::Label* lblLowLight = nullptr;
    vn::ui::Label* lblTimeStampTitle = nullptr;
    vn::ui::Label* lblTimeStamp = nullptr;
    vn::ui::Label* lblFWTitle = nullptr;
    vn::ui::Label* lblFW = nullptr;
    vn::ui::Label* lblModeTitle = nullptr;
    vn::ui::Label* lblMode = nullptr;
    vn::ui::Label* lblFPGATitle = nullptr;
    vn::ui::Label* lblFPGA = nullptr;
    vn::ui::Panel* pnlMaxInfo = nullptr;
    vn::ui::Label* lblWBModeTitle = nullptr;
    vn::ui::Label* lblWBMode = nullptr;
    vn::ui::Label* lblContrastTitle = nullptr;
    vn::ui::Label* lblContrast = nullptr;
    vn::ui::Label* lblSharpnessTitle = nullptr;
    vn::ui::Label* lblSharpness = nullptr;
    vn::ui::Label* lblSaturationTitle = nullptr;
    vn::ui::Label* lblSaturation = nullptr;
    vn::ui::Label* Label16 = nullptr;
    vn::ui::Label* lblHDRRange = nullptr;
    vn::ui::Panel* pnlWRDInfo = nullptr;
    vn::ui::Label* lblPIRTriggerTitle = nullptr;
    vn::ui::Label* lblPIRTrigger = nullptr;
    vn::ui::Panel* pnlSeek = nullptr;
    vn::ui::Label* lblPIRSeek = nullptr;
    vn::ui::SpeedButton* sbPIRSeekRev = nullptr;
    vn::ui::SpeedButton* sbStopPIRSearch = nullptr;
    vn::ui::SpeedButton* sbPIRSeekFwd = nullptr;

    vn::ui::StatusBar* StatusBar1 = nullptr;

    // Menus.
    QMenu* File1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* SaveCurrent1 = nullptr;
    QAction* Export1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Options1 = nullptr;
    QAction* CameraSettings1 = nullptr;
    QAction* EmbedTimestamp1 = nullptr;
    QAction* Deblock1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* About1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Zoom1X1 = nullptr;
    QAction* N2xzoom1 = nullptr;
    QAction* Varzoom1 = nullptr;
    QAction* SaveCurrent2 = nullptr;

signals:
    // Files dropped on the window, in the order of the drop.
    void FilesDropped(const QStringList& paths);
    // Keystrokes seen before the focused control (the window's key
    // preview). A receiver that acts on one accepts the event, which then
    // does not reach the control.
    void KeyPreviewPress(QKeyEvent* event);
    void KeyPreviewRelease(QKeyEvent* event);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction, one part of the window each.
    void CreatePictureArea(QWidget* client);
    void CreatePlayControls(QWidget* client);
    void CreateSpeedAndSeek(QWidget* client);
    void CreateStatistics(QWidget* client);
    void CreateMotionSearch(QWidget* client);
    void CreatePlayList(QWidget* client);
    void CreateMovieInfo(QWidget* client);
    void CreateMenus();
    void ConnectCommands();

    // Captions and menu texts in the active language.
    void Retranslate();
    void SetHints();

    // Commands.
    void Image1MouseDown(Qt::MouseButton button);
    void SetZoom(int zoom);
    void EmbedTimestamp1Click();
    void Deblock1Click();
    void Exit1Click();
    void About1Click();
    void CameraSettings1Click();
    void FormShow();

    // The controls that LayoutMainWindow moves, with their rectangles.
    using LayoutControl = std::pair<QWidget*, vn::Rect player::MainWindowLayout::*>;
    std::vector<LayoutControl> LayoutControls() const;
    vn::Size ClientSize() const;
    int FileKind() const;

    ui::IniFile& settings_;
    QWidget* client_ = nullptr;
    QWidget* imageCanvas_ = nullptr;  // what ScrollBox1 scrolls; Image1 sits in it
    vn::ui::Label* searchLabels_[4] = {};
    int visibleSearchLabel_ = 0;
    vn::Size pictureSize_;
    bool initialZoomPending_ = true;
    bool startPlayingWhenShown_ = false;
    bool shownOnce_ = false;
};

}  // namespace vn::app
