// The main window: the picture area, the play controls, speed, seek,
// statistics, motion search, play list and Movie Info groups, the status bar
// and the menus. Its controls carry their design names as objectName; the
// playback engine decides their state (PlayerView) and the window applies
// it. The window itself owns the preferences, the presentation of pictures,
// zoom and layout, and the program's start and end.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <array>
#include <utility>
#include <vector>

#include "app/player_view.h"
#include "common/geometry.h"
#include "common/picture.h"
#include "platform/language.h"
#include "player/main_layout.h"
#include "player/preferences.h"
#include "recording/segment_export.h"

class QAction;
class QFileDialog;
class QMenu;
class QScrollArea;

namespace vn::ui {
class Button;
class Edit;
class GroupBox;
class Image;
class IniFile;
class Label;
class ListBox;
class Panel;
class ProgressBar;
class SpeedButton;
class StatusBar;
class TrackBar;
}  // namespace vn::ui

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

class TfrmVNMain : public QMainWindow, public PlayerView {
    Q_OBJECT
public:
    explicit TfrmVNMain(ui::IniFile& settings, QWidget* parent = nullptr);
    ~TfrmVNMain() override;

    // The engine whose commands the controls run; null detaches it.
    void AttachEngine(PlayerEngine* engine);

    // What the engine shows (PlayerView).
    void PresentPicture(const vn::Picture& picture) override;
    void HidePicture() override;
    void SizePicture(int width, int height) override;
    void ApplyControls(const player::ControlState& controls) override;
    void ApplyMovieInfo(const avi::MovieInfoPanel& panel) override;
    void MoveSeekBar(int position) override;
    void MoveProgressBar(int position) override;
    void ShowStreamStatus(const std::string& text) override;
    void MoveSpeedBar(int position) override;
    void ShowPlayList(const std::vector<std::string>& names) override;
    void SelectPlayListEntry(int index) override;
    void ShowOpenError(const std::string& path) override;
    void PostAudioNotice(const movie::AudioNotice& notice) override;
    void MarkPlayListEntry(int index, const std::string& reason) override;
    void ShowStatusMessage(const std::string& text) override;
    void ShowMessage(int message, const std::string& detail) override;
    void BringToFront() override;
    void ProposeExportRange(int first, int last) override;
    // Stretched onto pnlSearch while an AVI recording is open. Null: nothing
    // shown.
    void ShowSearchThumbnail(const vn::Picture* thumbnail, int frameIndex) override;
    void RefuseMotionThreshold() override;

    // Zoom and layout.
    void ApplyZoom();
    void PlaceImage();
    void LayoutMainWindow();
    // The size of the pictures about to be shown; ApplyZoom scales it.
    void SetPictureSize(int width, int height);
    // At the first recording opened after start only: the zoom from its
    // picture width, ApplyZoom and LayoutMainWindow. Later calls do nothing.
    void ApplyInitialZoom();

    // The creation handler, once the program's other windows exist: loads
    // the preferences and puts the command line's files in the play list;
    // they play when the window is first shown.
    void FormCreate(const QStringList& commandLine);

    // Preferences and the program's end.
    void LoadSettings();
    void SaveSettings();

    PlayerWindows dialogs;
    player::Preferences prefs;  // nZoom, g_bEmbedTime, g_nDeblockMethod, ... as the file keeps them
    int nZoom() const { return prefs.nZoom; }

signals:
    // Files dropped on the window, in the order of the drop.
    void FilesDropped(const QStringList& paths);
    // Keystrokes seen before the focused control (the window's key
    // preview). A receiver that acts on one accepts the event, which then
    // does not reach the control.
    void KeyPreviewPress(QKeyEvent* event);
    void KeyPreviewRelease(QKeyEvent* event);

protected:
    // Takes the sound output's posted messages (vnmain_movie.cpp).
    bool event(QEvent* event) override;
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
    void FindGovernedControls();
    void ConnectCommands();
    void ConnectPlayList();
    void ConnectEngine();
    void ConnectSearch();

    // Captions and menu texts in the active language.
    void Retranslate();
    // A translated title wider than the designed speed column widens it;
    // the picture gives up the room.
    void FitSpeedColumn();
    static constexpr int kSpeedColumnWidth = 52;
    void SetHints();

    // Commands.
    void Image1MouseDown(Qt::MouseButton button);
    void SetZoom(int zoom);
    void Open1Click();
    void EmbedTimestamp1Click();
    void Deblock1Click();
    void Exit1Click();
    void About1Click();
    void CameraSettings1Click();
    // Switches every window at once and keeps the choice for the next start.
    void LanguageClick(int language);
    // Taking the open recording out (vnmain_export.cpp).
    void ConnectTakingOut();
    void SaveStartClick();
    void SaveEndClick();
    void Export1Click();
    void ReportExport(const avi::ExportSummary& summary);
    void CancelExport();
    void SaveCurrentFrame(bool fromFileMenu);
    void lbPlayListMouseMove(QPoint position);
    // After a modal dialog: this window active again.
    void ReturnFromDialog();
    void FormShow();
    // After the first paint: the command line's first entry plays.
    void StartPlayingWhenPainted();

    // The controls that LayoutMainWindow moves, with their rectangles.
    using LayoutControl = std::pair<QWidget*, vn::Rect player::MainWindowLayout::*>;
    std::vector<LayoutControl> LayoutControls() const;
    vn::Size ClientSize() const;
    int FileKind() const;

    ui::IniFile& settings_;
    PlayerEngine* engine_ = nullptr;
    QWidget* client_ = nullptr;
    QWidget* imageCanvas_ = nullptr;  // what ScrollBox1 scrolls; Image1 sits in it
    vn::Size pictureSize_;
    bool initialZoomPending_ = true;
    bool startPlayingWhenShown_ = false;
    bool shownOnce_ = false;

    // The controls the engine enables and shows (player::Control), each a
    // widget or a menu entry.
    struct GovernedControl {
        QWidget* widget = nullptr;
        QAction* action = nullptr;
    };
    std::array<GovernedControl, player::kControlCount> governed_;

    // Image area.
    QScrollArea* ScrollBox1 = nullptr;
    ui::Image* Image1 = nullptr;

    // Play controls.
    ui::Panel* pnlPlayCtrl = nullptr;
    ui::SpeedButton* sbBackward = nullptr;
    ui::SpeedButton* sbPrevious = nullptr;
    ui::SpeedButton* sbPause = nullptr;
    ui::SpeedButton* sbStop = nullptr;
    ui::SpeedButton* sbNext = nullptr;
    ui::SpeedButton* sbForward = nullptr;
    ui::SpeedButton* sbPrevEvent = nullptr;
    ui::SpeedButton* sbNextEvent = nullptr;

    // Seek.
    ui::GroupBox* gbSeek = nullptr;
    ui::Panel* pnlWhere = nullptr;
    ui::TrackBar* tbWhere = nullptr;
    ui::ProgressBar* pbWhere = nullptr;

    // Speed.
    ui::GroupBox* gbPlayRate = nullptr;
    ui::TrackBar* tbRate = nullptr;
    ui::Label* lblRate = nullptr;

    // Statistics.
    ui::GroupBox* gbStats = nullptr;
    ui::Label* lblCapIntervalTitle = nullptr;
    ui::Label* lblCapInterval = nullptr;
    ui::Label* lblElapsedTimeTitle = nullptr;
    ui::Label* lblElapsedTime = nullptr;
    ui::Label* lblDateTimeTitle = nullptr;  // "Label6"
    ui::Label* lblDate = nullptr;
    ui::Label* lblTime = nullptr;

    // Motion search.
    ui::GroupBox* gbMotion = nullptr;
    ui::Image* pnlSearch = nullptr;
    ui::Label* lblThresholdTitle = nullptr;  // "Thresh"
    ui::Edit* edtMotionThreshold = nullptr;
    ui::SpeedButton* sbSearchBackward = nullptr;
    ui::SpeedButton* sbStopSearch = nullptr;
    ui::SpeedButton* sbSearchForward = nullptr;
    // The four status labels at one place: lblSrchMsg, lblSearchForward,
    // lblSearchBackward, lblSearchFound.
    std::array<ui::Label*, 4> searchLabels_ = {};

    // Play list.
    ui::GroupBox* gbPlayList = nullptr;
    ui::ListBox* lbPlayList = nullptr;
    ui::Label* lblFilePath = nullptr;
    ui::Panel* pnlPLControls = nullptr;
    ui::Button* bPrevious = nullptr;
    ui::Button* bSkip = nullptr;
    ui::Button* bClearPlayList = nullptr;

    // Movie Info: title labels (named ...Title where the design gives no
    // name, or none that says what it is) and value labels, row by row.
    ui::GroupBox* gbMovieInfo = nullptr;
    ui::Label* lblCamModelTitle = nullptr;
    ui::Label* lblCamModel = nullptr;
    ui::Label* lblQTitle = nullptr;
    ui::Label* lblQuant = nullptr;
    ui::Label* lblFlickerTitle = nullptr;
    ui::Label* lblFlicker = nullptr;
    ui::Label* lblSceneTitle = nullptr;
    ui::Label* lblScene = nullptr;
    ui::Label* lblExpoTitle = nullptr;
    ui::Label* lblCustomExpo = nullptr;
    ui::Label* lblSSStartTitle = nullptr;
    ui::Label* lblSSStart = nullptr;
    ui::Label* lblSSStopTitle = nullptr;
    ui::Label* lblSSStop = nullptr;
    ui::Label* lblSSDaysTitle = nullptr;  // "Label4"
    ui::Label* lblSSDays = nullptr;
    ui::Label* lblLEDTitle = nullptr;
    ui::Label* lblLED = nullptr;
    ui::Label* lblLowLightTitle = nullptr;
    ui::Label* lblLowLight = nullptr;
    ui::Label* lblTimeStampTitle = nullptr;
    ui::Label* lblTimeStamp = nullptr;
    ui::Label* lblFWTitle = nullptr;
    ui::Label* lblFW = nullptr;
    ui::Label* lblModeTitle = nullptr;
    ui::Label* lblMode = nullptr;
    ui::Label* lblFPGATitle = nullptr;
    ui::Label* lblFPGA = nullptr;
    ui::Panel* pnlMaxInfo = nullptr;
    ui::Label* lblWBModeTitle = nullptr;
    ui::Label* lblWBMode = nullptr;
    ui::Label* lblContrastTitle = nullptr;
    ui::Label* lblContrast = nullptr;
    ui::Label* lblSharpnessTitle = nullptr;
    ui::Label* lblSharpness = nullptr;
    ui::Label* lblSaturationTitle = nullptr;
    ui::Label* lblSaturation = nullptr;
    ui::Label* lblHDRRangeTitle = nullptr;  // "Label16"
    ui::Label* lblHDRRange = nullptr;
    ui::Panel* pnlWRDInfo = nullptr;
    ui::Label* lblPIRTriggerTitle = nullptr;
    ui::Label* lblPIRTrigger = nullptr;
    // The value labels of the rows above, which a recording fills or leaves
    // blank.
    std::vector<ui::Label*> movieInfoValues_;
    ui::Panel* pnlSeek = nullptr;
    ui::Label* lblPIRSeek = nullptr;
    ui::SpeedButton* sbPIRSeekRev = nullptr;
    ui::SpeedButton* sbStopPIRSearch = nullptr;
    ui::SpeedButton* sbPIRSeekFwd = nullptr;

    ui::StatusBar* StatusBar1 = nullptr;

    // Menus.
    QMenu* fileMenu = nullptr;  // "File1"
    QAction* Open1 = nullptr;
    QAction* SaveCurrent1 = nullptr;
    QAction* Export1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* optionsMenu = nullptr;  // "Options1"
    QAction* CameraSettings1 = nullptr;
    QAction* EmbedTimestamp1 = nullptr;
    QAction* Deblock1 = nullptr;
    QMenu* helpMenu = nullptr;  // "Help1"
    QAction* About1 = nullptr;
    // One entry per named language, "Language1" .. "Language5", the active
    // one checked.
    QMenu* languageMenu = nullptr;  // "LanguageMenu"
    std::array<QAction*, ui::kNamedLanguages> languageActions_{};
    // The picture's pop-up menu: zooms and saving the frame.
    QMenu* pictureMenu = nullptr;                 // "PopupMenu1"
    QAction* zoom1xAction = nullptr;              // "Zoom1X1"
    QAction* zoom2xAction = nullptr;              // "N2xzoom1"
    QAction* zoomVariableAction = nullptr;        // "Varzoom1"
    QAction* pictureSaveCurrentAction = nullptr;  // "SaveCurrent2"
    // The seek bar's pop-up menu: the exported segment's marks and export.
    QMenu* PopupMenu2 = nullptr;
    QAction* SaveStart = nullptr;
    QAction* SaveEnd = nullptr;
    QAction* SaveSegment1 = nullptr;
    QAction* Cancel1 = nullptr;
    // "&Open"'s dialog, made once and kept so that its folder is remembered.
    QFileDialog* OpenDialog1 = nullptr;
    // "&Save Current"'s.
    QFileDialog* SaveDialog1 = nullptr;
};

}  // namespace vn::app
