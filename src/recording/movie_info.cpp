#include "recording/movie_info.h"

#include <initializer_list>
#include <vector>

#include "common/text_format.h"

namespace vn::avi {

namespace {

// Entry `index` of a value list; values outside the list show "???".
std::string Pick(std::initializer_list<const char*> names, int index) {
    if (index < 0 || index >= static_cast<int>(names.size())) return "???";
    return names.begin()[index];
}

// "SMTWTFS" with a blank for every day whose bit (1 Sunday .. 7 Saturday) is clear.
std::string TimerDays(int mask) {
    std::string days = "SMTWTFS";
    for (int i = 0; i < 7; ++i) {
        if ((mask & (1 << (i + 1))) == 0) days[i] = ' ';
    }
    return days;
}

}  // namespace

std::string SignedText(int value) { return Format(value > 0 ? "+%d" : "%d", value); }

void MovieInfoPanel::FillMovieInfo(const Recording& recording, jpeg::CameraRecords& camera) {
    jpeg::FrameCameraRecord& frame = camera.frame;
    if (frame.cameraKind > 5) frame.cameraKind = 0;
    const int kind = frame.cameraKind;
    const bool hasRecord = recording.movieRecordPresent;
    const MovieRecord& record = recording.movieRecord;

    if (kind == 0 && !hasRecord) {
        Show("gbMovieInfo", false);
        return;
    }
    Set("lblExpoTitle", kind == 1 ? "Custom Expo" : "Exposure");
    Set("lblCamModel", hasRecord ? record.modelName()
                                 : Pick({"Not known", "XPR310", "XPR310Max", "WRD310", "XPR130", "Not known"}, kind));
    Show("gbMovieInfo", true);
    Set("lblFW", hasRecord ? std::to_string(record.firmware()) : frame.firmware);
    if (hasRecord) {
        Show("lblQuant", false);
        Show("lblQTitle", false);
    } else {
        Set("lblQuant", Pick({"Best", "Better", "Good"}, frame.Specific(102) >> 4));
        Show("lblQuant", true);
        Show("lblQTitle", true);
    }
    Set("lblFlicker", hasRecord ? Pick({"None", "60Hz", "50Hz"}, record.bandFilter())
                                : Pick({"None", "50Hz", "60Hz"}, frame.Specific(102) & 15));
    if (hasRecord) {
        FromMovieRecord(record);
    } else {
        FromFrameSettings(frame, recording.wrdCaptureMode);
    }
}

void MovieInfoPanel::FromMovieRecord(const MovieRecord& record) {
    Show("lblSceneTitle", true);
    Show("lblScene", true);
    Show("lblCustomExpo", true);
    Set("lblScene", Pick({"Daylight", "Twilight", "Night"}, record.scene()));
    Set("lblCustomExpo", std::to_string(record.expoComp()));
    Set("lblExpoTitle", "Expo Comp");
    Show("lblExpoTitle", true);
    Show("lblLowLight", false);
    Set("lblLED", Pick({"On", "Off"}, record.led()));
    Show("pnlWRDInfo", false);
    Show("pnlMaxInfo", true);
    Set("lblTimeStamp", Pick({"Off", "On"}, record.timeStamp()));
    Set("lblMode", Pick({"Timelapse", "Step Video", "Still", "Stop Motion"}, record.captureMode()));

    const int start = record.timerStart(), stop = record.timerStop();
    const bool timerOn = start != 0 || stop != 0;
    if (timerOn) {
        Set("lblSSStart", Format("%2.2d:%2.2d", start / 60, start % 60));
        Set("lblSSStop", Format("%2.2d:%2.2d", stop / 60, stop % 60));
        Set("lblSSDays", TimerDays(record.timerDays()));
    } else {
        Set("lblSSStart", "Off");
        Set("lblSSStop", "Off");
        Set("lblSSDays", "");
    }
    // The days row only means something while the timer is on.
    Show("Label4", timerOn);
    Show("lblSSDays", timerOn);

    Set("lblContrast", std::to_string(record.contrast()));
    Set("lblSaturation", std::to_string(record.saturation()));
    Set("lblSharpness", std::to_string(record.sharpness()));
    Set("Label16", "HDR Level");
    Set("lblHDRRange", Pick({"Off", "Medium", "High"}, record.hdr()));
    Set("lblWBMode",
        Pick({"AUTO", "DAYLIGHT", "SHADOW", "CLOUDY", "FLUOR1", "FLUOR2", "TUNGSTEN"}, record.whiteBalance()));
}

void MovieInfoPanel::FromFrameSettings(const jpeg::FrameCameraRecord& frame, int wrdCaptureMode) {
    const int kind = frame.cameraKind;
    Show("Label4", false);
    Show("lblSSDays", false);

    const bool sceneRows = kind != 3;
    for (const char* control : {"lblSceneTitle", "lblScene", "lblExpoTitle", "lblCustomExpo"}) Show(control, sceneRows);
    if (sceneRows) {
        const int scene = frame.Specific(103);
        Set("lblScene", kind == 1
                            ? Pick({"Daylight", "Night"}, scene)
                            : Pick({"Daylight", "Twilight", "Night", "Moon", "Star", "Galaxy", "FireFly"}, scene));
        Set("lblCustomExpo", SignedText(frame.Specific(104) - (kind == 1 ? 7 : 5)));
    }

    const int switches = frame.Specific(109);
    Set("lblLED", Pick({"Off", "On"}, (switches >> 1) & 1));
    Set("lblTimeStamp", Pick({"Off", "On"}, switches & 1));
    Set("lblLowLight", Pick({"Off", "On"}, (switches >> 2) & 1));
    Show("lblLowLight", true);

    const int start = frame.Specific(105), stop = frame.Specific(107);
    if (start == 0 && stop == 0) {
        Set("lblSSStart", "Disabled");
        Set("lblSSStop", "Disabled");
    } else {
        Set("lblSSStart", Format("%0.2d:%0.2d", start / 4, start % 4 * 15));
        Set("lblSSStop", Format("%0.2d:%0.2d", stop / 4, stop % 4 * 15));
    }

    if (kind == 1) {
        Show("pnlMaxInfo", false);
        Show("pnlWRDInfo", false);
    } else if (kind == 2 || kind == 4) {
        Show("pnlMaxInfo", true);
        Show("pnlWRDInfo", false);
        Set("lblWBMode", Pick({"Auto", "5000 Daylight", "7000 Shadow", "6000 Cloudy", "4000 Fluor(cool)",
                               "3300 Fluor(warm)", "2800 Incandescent"},
                              frame.Specific(110)));
        Set("lblContrast", SignedText(frame.Specific(111) - 4));
        Set("lblSharpness", SignedText(frame.Specific(112) - 2));
        Set("lblSaturation", SignedText(frame.Specific(113) - 3));
        Set("lblHDRRange", Pick({"High", "Medium", "Low"}, frame.Specific(114)));
    } else if (kind == 3) {
        Show("pnlMaxInfo", false);
        Show("pnlWRDInfo", true);
        if (wrdCaptureMode >= 0 && wrdCaptureMode <= 2) {
            Set("lblMode", Pick({"Motion", "Timelapse", "Hybrid"}, wrdCaptureMode));
        }
        const bool pirActive = (frame.Specific(110) & 0x08) != 0;
        Set("lblPIRTrigger", pirActive ? "Yes" : "No");
        colour["lblPIRTrigger"] = pirActive ? "red" : "black";
        Show("pnlSeek", wrdCaptureMode == 0 || wrdCaptureMode == 2);
    }
}

}  // namespace vn::avi
