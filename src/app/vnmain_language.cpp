// The main window's captions and menu texts in the active language.
#include <QAction>
#include <QMenu>

#include <algorithm>

#include "app/vnmain.h"
#include "platform/controls.h"
#include "platform/language.h"

namespace vn::app {

void TfrmVNMain::Retranslate() {
    setWindowTitle(tr("MVC AVI Player"));

    fileMenu->setTitle(tr("&File"));
    Open1->setText(tr("&Open"));
    SaveCurrent1->setText(tr("&Save Current"));
    Export1->setText(tr("&Export"));
    Exit1->setText(tr("E&xit"));
    optionsMenu->setTitle(tr("&Options"));
    CameraSettings1->setText(tr("&Camera Settings"));
    EmbedTimestamp1->setText(tr("&Embed Timestamp"));
    Deblock1->setText(tr("Deblock"));
    helpMenu->setTitle(tr("&Help"));
    languageMenu->setTitle(tr("&Language"));
    for (size_t i = 0; i < languageActions_.size(); ++i) {
        languageActions_[i]->setChecked(ui::ActiveLanguage() == ui::kEnglish + static_cast<int>(i));
    }
    About1->setText(tr("&About"));
    zoom1xAction->setText(tr("1X zoom"));
    zoom2xAction->setText(tr("2X zoom"));
    zoomVariableAction->setText(tr("Var zoom"));
    pictureSaveCurrentAction->setText(tr("&Save Current"));
    SaveStart->setText(tr("Mark Start of Exported Segment"));
    SaveEnd->setText(tr("Mark End of Exported Segment"));
    SaveSegment1->setText(tr("Export Segment"));
    Cancel1->setText(tr("Cancel"));

    gbPlayRate->setTitle(tr("Speed"));
    gbSeek->setTitle(tr("Seek"));
    gbStats->setTitle(tr("Statistics"));
    gbMotion->setTitle(tr("Motion Search"));
    gbPlayList->setTitle(tr("PlayList"));
    gbMovieInfo->setTitle(tr("Movie Info"));

    lblCapIntervalTitle->setText(tr("Capture Interval"));
    lblElapsedTimeTitle->setText(tr("Elapsed Time"));
    lblDateTimeTitle->setText(tr("Date/Time"));
    lblThresholdTitle->setText(tr("Threshold"));
    searchLabels_[0]->setText(tr("Search Inactive"));
    searchLabels_[1]->setText(tr("Search Forward"));
    searchLabels_[2]->setText(tr("Search Backward"));
    searchLabels_[3]->setText(tr("Found"));
    bPrevious->setText(tr("&Previous"));
    bSkip->setText(tr("&Next"));
    bClearPlayList->setText(tr("&Clear"));

    lblCamModelTitle->setText(tr("Camera Model:  "));
    lblQTitle->setText(tr("Image Quality"));
    lblFlickerTitle->setText(tr("Band Filter"));
    lblSceneTitle->setText(tr("Scene"));
    lblExpoTitle->setText(tr("Custom Expo"));
    lblSSStartTitle->setText(tr("Timer Start"));
    lblSSStopTitle->setText(tr("Timer Stop"));
    lblSSDaysTitle->setText(tr("Timer Days"));
    lblLEDTitle->setText(tr("LED Display"));
    lblLowLightTitle->setText(tr("Low Light Rec"));
    lblTimeStampTitle->setText(tr("Time Stamp"));
    lblFWTitle->setText(tr("Firmware"));
    lblModeTitle->setText(tr("Capture Mode"));
    lblFPGATitle->setText(tr("FPGA"));
    lblWBModeTitle->setText(tr("WB Mode"));
    lblContrastTitle->setText(tr("Contrast"));
    lblSharpnessTitle->setText(tr("Sharpness"));
    lblSaturationTitle->setText(tr("Saturation"));
    lblHDRRangeTitle->setText(tr("HDR Range"));
    lblPIRTriggerTitle->setText(tr("PIR Active"));
    lblPIRSeek->setText(tr("PIR Seek"));
    FitSpeedColumn();
}

void TfrmVNMain::FitSpeedColumn() {
    const int width = std::max(kSpeedColumnWidth, ui::TitleWidth(*gbPlayRate));
    gbPlayRate->resize(width, gbPlayRate->height());
    lblRate->resize(width, lblRate->height());
}

}  // namespace vn::app
