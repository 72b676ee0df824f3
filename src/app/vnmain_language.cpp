// The main window's captions and menu texts in the active language.
#include <QAction>
#include <QMenu>

#include "app/vnmain.h"

namespace vn::app {

void TfrmVNMain::Retranslate() {
    setWindowTitle(tr("MVC AVI Player"));

    File1->setTitle(tr("&File"));
    Open1->setText(tr("&Open"));
    SaveCurrent1->setText(tr("&Save Current"));
    Export1->setText(tr("&Export"));
    Exit1->setText(tr("E&xit"));
    Options1->setTitle(tr("&Options"));
    CameraSettings1->setText(tr("&Camera Settings"));
    EmbedTimestamp1->setText(tr("&Embed Timestamp"));
    Deblock1->setText(tr("Deblock"));
    Help1->setTitle(tr("&Help"));
    About1->setText(tr("&About"));
    Zoom1X1->setText(tr("1X zoom"));
    N2xzoom1->setText(tr("2X zoom"));
    Varzoom1->setText(tr("Var zoom"));
    SaveCurrent2->setText(tr("&Save Current"));

    gbPlayRate->setTitle(tr("Speed"));
    gbSeek->setTitle(tr("Seek"));
    gbStats->setTitle(tr("Statistics"));
    gbMotion->setTitle(tr("Motion Search"));
    gbPlayList->setTitle(tr("PlayList"));
    gbMovieInfo->setTitle(tr("Movie Info"));

    lblCapIntervalTitle->setText(tr("Capture Interval"));
    lblElapsedTimeTitle->setText(tr("Elapsed Time"));
    Label6->setText(tr("Date/Time"));
    Thresh->setText(tr("Threshold"));
    lblSrchMsg->setText(tr("Search Inactive"));
    lblSearchForward->setText(tr("Search Forward"));
    lblSearchBackward->setText(tr("Search Backward"));
    lblSearchFound->setText(tr("Found"));
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
    Label4->setText(tr("Timer Days"));
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
    Label16->setText(tr("HDR Range"));
    lblPIRTriggerTitle->setText(tr("PIR Active"));
    lblPIRSeek->setText(tr("PIR Seek"));
}

}  // namespace vn::app
