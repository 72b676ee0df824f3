// The engineers' window onto the decoder and the camera: a list of
// diagnostic lines, the camera values of the frame on screen, the focus
// measure, breakpoints that pause playback, and switches that change
// decoding. Created once at start-up; closing it only hides it.
#pragma once

#include <QDialog>

#include <string>
#include <unordered_map>
#include <vector>

#include "diag/breakpoint.h"
#include "diag/camera_values.h"
#include "diag/frame_diagnostics.h"
#include "diag/movie_diagnostics.h"

class QAction;
class QFileDialog;
class QMenu;

namespace vn::ui {
class Button;
class CheckBox;
class Edit;
class GroupBox;
class IniFile;
class Label;
class ListBox;
class RadioGroup;
}  // namespace vn::ui

namespace vn::jpeg {
class JpegDecoder;
}  // namespace vn::jpeg

namespace vn::diag {

class TfrmDiags : public QDialog, public FrameDiagnosticsView, public MovieDiagnosticsView {
    Q_OBJECT

public:
    // Reads the window's keys from settings and, when diagnostics are on,
    // shows the window. The keys it owns are written back when it is
    // destroyed, so settings must outlive it.
    TfrmDiags(QWidget* parent, ui::IniFile& settings);
    ~TfrmDiags() override;

    // The decoder whose switches this window sets and whose camera records
    // and planes it shows. The switches are applied at once.
    void SetDecoder(jpeg::JpegDecoder* decoder);

    // Adds a line to the list.
    void AppendLine(const std::string& line);
    // Adds the lines and scrolls so that the last 8 lines are visible.
    void AppendLines(const std::vector<std::string>& lines);
    // Adds a bad frame's line and shows the raised bad-frame count.
    void AddBadFrameLine(const std::string& line);

    // The player's frames (FrameDiagnosticsView).
    // Moves the clock dump lines the decoder has collected into the list.
    void TakeRtcDumpLines() override;
    // Writes the camera values of the frame just decoded into the labels and
    // tests the breakpoint. True when playback is to pause. Does nothing
    // (false) while the window is hidden.
    bool ShowFrameCameraValues() override;
    void ReportBadFrame(int frame, uint32_t offset) override;
    // While Show Expo or Show Times is on.
    void LogFrameDiagnostics(int frame, int intervalMs, bool intervalKnown) override;
    // The last frame's decode and display times in milliseconds.
    void ShowFrameTimes(int decodeMs, int displayMs) override;

    // The playing of movies (MovieDiagnosticsView).
    bool ShowQuantOn() const override { return bShowQuant; }
    bool PauseOnStopOn() const override { return bPauseOnStop; }
    bool MvmSingleStepOn() const override { return bEnableMVMSingleStep; }
    void ShowQuantiser(int quantiser) override;
    void LogMovieLines(const std::vector<std::string>& lines) override;

    // The deblocking method chosen elsewhere (the main window's menu).
    void SelectDeblockMethod(int method);

    // Switches read by the player, the decoder and the movie side.
    bool bShowExpo = false;
    bool bShowTimes = false;
    bool bDumpRTCData = false;
    bool g_bShowBadFrames = false;
    bool bReportAllFrames = false;
    bool bCheckSpuriousEOI = false;
    bool g_bForceBW = false;
    bool g_bShowChecksums = false;
    int g_nDeblockMethod = 2;
    bool bShowQuant = false;
    bool bPauseOnStop = false;
    bool bEnableMVMSingleStep = false;
    int nBadFrameCount = 0;

signals:
    // "MVM Restart" was clicked.
    void MvmRestartClicked();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DesignControls();
    void DesignCameraValues();
    void Retranslate();
    void RetranslateCameraValues();
    void FormCreate();
    void FormDestroy();
    void ApplySwitches();
    void SetLabelTexts(const LabelTexts& texts);

    void Button1Click();
    void Clear1Click();
    void ListBox1DblClick();
    bool SaveList(const QString& path) const;
    void rgBreakpointClick(int index);
    void bGetFocusScoreClick();

    ui::IniFile& settings_;
    jpeg::JpegDecoder* decoder_ = nullptr;
    Breakpoint breakpoint_;
    FrameDiagnosticsLog frameLog_;
    // The three switches read only while diagnostics are on are written back
    // only then, so a run without diagnostics keeps the stored choices.
    bool diagnosticSwitchesRead_ = false;

    ui::ListBox* ListBox1;
    ui::Button* bClearList;
    ui::Label* lblBadFrms;
    ui::Label* lblBadFrameCount;
    QMenu* listMenu;
    QAction* Clear1;
    QAction* Cancel1;
    QFileDialog* SaveDialog1;
    std::vector<ui::CheckBox*> switchBoxes_;  // in the order of the switch table
    ui::RadioGroup* rgBreakpoint;
    ui::Edit* edtRetryCount;
    ui::Edit* edtChgLuma;
    ui::RadioGroup* rgDeBlockMethod;
    ui::GroupBox* gbCamera;
    ui::GroupBox* gbChecksums;
    ui::Label* lblFocusScore;
    ui::Button* bGetFocusScore;
    ui::Button* bMVMRestart;
    ui::Label* lblDecTime;
    ui::Label* lblDispTime;
    std::vector<ui::Label*> valueTitles_;  // in the order of the value table
    std::unordered_map<std::string, ui::Label*> valueLabels_;
};

}  // namespace vn::diag
