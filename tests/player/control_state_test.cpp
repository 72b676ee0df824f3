#include "player/control_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player/player_state.h"

namespace vn::player {
namespace {

using enum Control;

PlayerPosition At(int frame, int frames, int entry = 0) { return {kAviRecording, frame, frames, entry}; }

FrameFacts Frame(int frame, bool presented) {
    FrameFacts facts;
    facts.frame = frame;
    facts.presented = presented;
    return facts;
}

using Names = std::vector<std::string>;

Names EnabledAmong(const ControlState& controls, std::initializer_list<Control> among) {
    Names names;
    for (Control control : among) {
        if (controls.IsEnabled(control)) names.push_back(ControlName(control));
    }
    return names;
}

Names EnabledButtons(const ControlState& controls) {
    return EnabledAmong(controls, {sbBackward, sbPrevious, sbPause, sbStop, sbNext, sbForward, sbPrevEvent, sbNextEvent,
                                   sbSearchBackward, sbStopSearch, sbSearchForward});
}

// Playing shows the thin progress bar and leaves only the other direction,
// pause and stop; a pause opens each way where there are frames; a stop
// goes back to frame 0 with forward and the events open.
TEST(PlayControls, PlayPauseAndStopSetTheButtonsForThePosition) {
    ControlState controls;
    controls.StartPlay(1);
    EXPECT_EQ(EnabledButtons(controls), Names({"sbBackward", "sbPause", "sbStop"}));
    EXPECT_EQ(controls.seekArea, SeekArea::ProgressBar);
    EXPECT_EQ(SeekAreaHeight(controls.seekArea), 16);
    controls.StartPlay(-1);
    EXPECT_EQ(EnabledButtons(controls), Names({"sbPause", "sbStop", "sbForward"}));

    controls.PausePlay(At(3, 6));
    EXPECT_EQ(EnabledButtons(controls), Names({"sbBackward", "sbPrevious", "sbStop", "sbNext", "sbForward",
                                               "sbPrevEvent", "sbNextEvent", "sbSearchBackward", "sbSearchForward"}));
    EXPECT_EQ(controls.seekArea, SeekArea::SeekBar);
    EXPECT_EQ(SeekAreaHeight(controls.seekArea), 32);

    controls.StopPlay(At(3, 6));
    EXPECT_EQ(EnabledButtons(controls), Names({"sbNext", "sbForward", "sbPrevEvent", "sbNextEvent"}));

    controls.StartPlay(1);
    controls.PausePlay(At(5, 6));
    EXPECT_EQ(EnabledButtons(controls),
              Names({"sbBackward", "sbPrevious", "sbStop", "sbPrevEvent", "sbSearchBackward"}));
    controls.StartPlay(1);
    controls.PausePlay(At(0, 1));
    EXPECT_EQ(EnabledButtons(controls), Names({"sbStop"}));
}

// Each step names only the buttons its move changes: after a stop, stepping
// to frame 1 opens "Backward 1 Frame" but not "Play Backward".
TEST(PlayControls, StepsOpenAndCloseOnlyTheWayTheyMoved) {
    ControlState controls;
    controls.StartPlay(1);
    controls.StopPlay(At(0, 4));
    controls.StepForward(At(1, 4));
    EXPECT_TRUE(controls.IsEnabled(sbPrevious));
    EXPECT_FALSE(controls.IsEnabled(sbBackward));
    controls.StepForward(At(3, 4));
    EXPECT_FALSE(controls.IsEnabled(sbNext));
    EXPECT_TRUE(controls.IsEnabled(sbForward));

    controls.StepBackward(At(2, 4));
    EXPECT_EQ(EnabledAmong(controls, {sbNext, sbForward}), Names({"sbNext", "sbForward"}));
    // Frame 0 of a later entry still steps back into the entry before.
    controls.StepBackward(At(0, 4, 1));
    EXPECT_TRUE(controls.IsEnabled(sbPrevious));
    controls.StepBackward(At(0, 4, 0));
    EXPECT_EQ(EnabledAmong(controls, {sbPrevious, sbBackward}), Names());
}

TEST(PlayControls, ASeekOpensEachWayWhereThereAreFrames) {
    ControlState controls;
    controls.Seek(At(9, 10));
    EXPECT_EQ(EnabledButtons(controls), Names({"sbBackward", "sbPrevious", "sbSearchBackward"}));
    controls.Seek(At(0, 10));
    EXPECT_EQ(EnabledButtons(controls), Names({"sbNext", "sbForward", "sbSearchForward"}));
}

// After a file failed to open nothing plays; the seek bar goes, the
// progress bar a clear left stays.
TEST(PlayControls, DisabledPlayControlsLeaveOnlyTheSearchesAsTheyWere) {
    ControlState controls;
    controls.StartPlay(1);
    controls.PausePlay(At(2, 5));
    controls.DisablePlayControls();
    EXPECT_EQ(EnabledButtons(controls), Names({"sbSearchBackward", "sbSearchForward"}));
    EXPECT_EQ(controls.seekArea, SeekArea::Neither);

    controls.Clear();
    controls.DisablePlayControls();
    EXPECT_EQ(controls.seekArea, SeekArea::ProgressBar);
}

TEST(PlayControls, ClearNamesNoFileAndEmptiesTheRecordingsPanels) {
    ControlState controls;
    controls.OpenFile("a.avi");
    controls.OpenAviRecording({320, 240, 60, 10});
    controls.ShowFrame({}, {4, true, "0:00:40", "2012/02/28", "23:59:20"});
    controls.StartPlay(1);
    controls.Clear();
    const Captions& shown = controls.captions;
    EXPECT_EQ(shown.lblCapInterval + shown.lblElapsedTime + shown.lblDate + shown.lblTime, "");
    EXPECT_EQ(controls.windowTitle, "[none]");
    EXPECT_EQ(controls.statusPanels, (std::array<std::string, 4>{"[none]", "", "", ""}));
    EXPECT_EQ(controls.seekArea, SeekArea::ProgressBar);
    EXPECT_EQ(EnabledAmong(controls, {sbSearchForward, sbSearchBackward, sbStopSearch}), Names());
    EXPECT_TRUE(controls.IsEnabled(EmbedTimestamp1));
}

TEST(RecordingControls, AnAviRecordingShowsItsFactsAndItsMenus) {
    ControlState controls;
    EXPECT_EQ(EnabledButtons(controls), Names());
    EXPECT_FALSE(controls.IsShown(Deblock1));
    controls.OpenFile("REC0001.AVI");
    controls.OpenAviRecording({.width = 320, .height = 240, .frames = 250, .intervalSecs = 3600, .hasEvents = true});
    EXPECT_EQ(controls.windowTitle, "REC0001.AVI");
    EXPECT_EQ(controls.statusPanels, (std::array<std::string, 4>{"REC0001.AVI", "320x240", "Frames = 250", ""}));
    EXPECT_EQ(controls.captions.lblCapInterval, "01:00:00");
    EXPECT_EQ(controls.captions.lblCapIntervalTitle, "Shutdown Delay");
    EXPECT_TRUE(controls.eventButtonsShown);
    EXPECT_EQ(controls.seekMax, 249);
    EXPECT_EQ(controls.seekTickInterval, 2);
    EXPECT_FALSE(controls.IsShown(CameraSettings1));
    EXPECT_FALSE(controls.IsShown(EmbedTimestamp1));
    EXPECT_FALSE(controls.IsEnabled(EmbedTimestamp1));
    EXPECT_TRUE(controls.IsShown(Deblock1));

    // As fast as possible: the interval stays until a frame says "ASAP".
    controls.OpenAviRecording({.frames = 3, .asap = true});
    EXPECT_EQ(controls.captions.lblCapInterval, "01:00:00");
    EXPECT_EQ(controls.captions.lblCapIntervalTitle, "Capture Interval");
    EXPECT_FALSE(controls.eventButtonsShown);
    EXPECT_EQ(controls.seekTickInterval, 1);
    controls.ShowFrame({.asap = true}, Frame(0, true));
    EXPECT_EQ(controls.captions.lblCapInterval, "ASAP");
}

// A frame that could not be shown changes the frame number and elapsed
// time; the date, the time and the rows stay the last good frame's.
TEST(RecordingControls, AFrameShowsItsNumberTimesAndRows) {
    ControlState controls;
    const RecordingFacts events{.hasEvents = true, .showCaptureInterval = false};
    controls.ShowFrame(events, {3, true, "2 of 3", "2012/07/14", "09:30:06"});
    EXPECT_EQ(controls.statusPanels[3], "Frame 4");
    EXPECT_EQ(controls.captions.lblElapsedTimeTitle, "Event Number");
    EXPECT_EQ(controls.captions.lblElapsedTime, "2 of 3");
    EXPECT_EQ(controls.captions.lblDate, "2012/07/14");
    EXPECT_FALSE(controls.IsShown(lblCapIntervalTitle));
    EXPECT_FALSE(controls.IsShown(lblCapInterval));
    EXPECT_TRUE(controls.IsShown(lblElapsedTime));

    controls.ShowFrame({.showElapsedTime = false}, {4, false, "0:00:05", "", ""});
    EXPECT_EQ(controls.statusPanels[3], "Frame 5");
    EXPECT_EQ(controls.captions.lblElapsedTimeTitle, "Elapsed Time");
    EXPECT_EQ(controls.captions.lblElapsedTime, "0:00:05");
    EXPECT_EQ(controls.captions.lblDate, "2012/07/14");
    EXPECT_EQ(controls.captions.lblTime, "09:30:06");
    EXPECT_FALSE(controls.IsShown(lblCapInterval));
    EXPECT_TRUE(controls.IsShown(lblElapsedTime));
}

PlayerPosition InMovie(int kind, bool ended = false) {
    PlayerPosition at{kind, 5, 0, 0};
    at.streamEnded = ended;
    return at;
}

// Movies show a compact window: no recording groups, a raw movie not even
// the play list; the bars count stream positions, the raw movie's seek bar
// in steps of 16.
TEST(MovieControls, AMovieHidesTheRecordingGroupsAndCountsPositions) {
    ControlState controls;
    controls.OpenMovie({kRawMovie, 176, 144, 1000});
    for (Control group : {gbMotion, gbStats, gbPlayRate, lblRate, gbPlayList, CameraSettings1, EmbedTimestamp1})
        EXPECT_FALSE(controls.IsShown(group)) << ControlName(group);
    EXPECT_TRUE(controls.IsShown(Deblock1));
    EXPECT_EQ(controls.progressMax, 1000);
    EXPECT_EQ(controls.seekMax, 1000 / 16);
    EXPECT_EQ(controls.statusPanels[1], "176x144");
    EXPECT_FALSE(controls.eventButtonsShown);

    controls.OpenMovie({kMpeg4Stream, 320, 240, 300});
    EXPECT_TRUE(controls.IsShown(gbPlayList));
    controls.OpenAviRecording({});
    EXPECT_TRUE(controls.IsShown(gbPlayList)) << "a recording after a raw movie shows the list again";
}

// Movies play forwards only; a raw movie steps back by seeking and, read to
// its end, leaves only Stop among the ways on.
TEST(MovieControls, PauseAndStopOfMoviesOpenOnlyTheWaysAMovieCanGo) {
    ControlState controls;
    controls.StartPlay(1, kMpeg4Stream);
    EXPECT_EQ(EnabledButtons(controls), Names({"sbPause", "sbStop"}));
    controls.PausePlay(InMovie(kMpeg4Stream));
    EXPECT_EQ(EnabledButtons(controls), Names({"sbStop", "sbNext", "sbForward"}));
    EXPECT_EQ(controls.seekArea, SeekArea::ProgressBar);
    controls.StopPlay(InMovie(kMpeg4Stream));
    EXPECT_EQ(EnabledButtons(controls), Names({"sbNext", "sbForward"}));

    controls.StartPlay(1, kRawMovie);
    controls.PausePlay(InMovie(kRawMovie));
    EXPECT_EQ(EnabledButtons(controls), Names({"sbPrevious", "sbStop", "sbNext", "sbForward"}));
    EXPECT_EQ(controls.seekArea, SeekArea::SeekBar);

    controls.StartPlay(1, kRawMovie);
    controls.PausePlay(InMovie(kRawMovie, true));
    EXPECT_EQ(EnabledButtons(controls), Names({"sbPrevious", "sbStop"}));
    controls.StopPlay(InMovie(kRawMovie, true));
    EXPECT_EQ(EnabledButtons(controls), Names({"sbForward"}));
    controls.RewindRawMovie();
    EXPECT_EQ(controls.seekArea, SeekArea::ProgressBar);
    controls.SeekRawMovie();
    EXPECT_EQ(EnabledButtons(controls), Names({"sbStop", "sbNext", "sbForward"}));
}

Names TakingOut(const ControlState& controls) {
    return EnabledAmong(controls, {SaveCurrent1, Export1, SaveCurrent2, SaveStart, SaveEnd, SaveSegment1});
}

// Saving and exporting need an AVI recording open: a command that could
// do nothing is not offered.
TEST(ExportControls, OfferedWhileARecordingIsOpen) {
    ControlState controls;
    EXPECT_TRUE(TakingOut(controls).empty());
    controls.OpenFile("REC0001.AVI");
    controls.OpenAviRecording({320, 240, 60});
    EXPECT_EQ(TakingOut(controls),
              Names({"SaveCurrent1", "Export1", "SaveCurrent2", "SaveStart", "SaveEnd", "SaveSegment1"}));
    controls.OpenFile("MOV0001.M4V");
    EXPECT_TRUE(TakingOut(controls).empty());
    controls.OpenMovie({kMpeg4Stream, 320, 240, 300});
    EXPECT_EQ(TakingOut(controls), Names({"SaveCurrent1", "SaveCurrent2"})) << "a movie's picture saves as a bitmap";
    controls.OpenAviRecording({320, 240, 60});
    controls.Clear();
    EXPECT_TRUE(TakingOut(controls).empty());
}

// While an export reads the recording nothing may change it; afterwards
// each control is as it was, the ones disabled before included.
TEST(ExportControls, AnExportHoldsEveryCommandThatWouldChangeTheRecording) {
    ControlState controls;
    controls.OpenAviRecording({320, 240, 60});
    controls.StopPlay(At(0, 60));
    const auto before = controls.enabled;
    ASSERT_FALSE(controls.IsEnabled(sbPrevious));

    controls.BeginExport();
    EXPECT_TRUE(EnabledButtons(controls).empty());
    EXPECT_TRUE(TakingOut(controls).empty());
    EXPECT_TRUE(EnabledAmong(controls, {Open1, lbPlayList, bPrevious, bSkip, bClearPlayList}).empty());
    EXPECT_TRUE(controls.exporting);
    EXPECT_TRUE(controls.IsEnabled(CameraSettings1)) << "unrelated to the recording";

    controls.EndExport();
    EXPECT_EQ(controls.enabled, before);
    EXPECT_FALSE(controls.exporting);
}

// A motion search leaves only Stop Search open under its label; the pause
// at its end opens each way where there are frames, but not "Stop".
TEST(SearchControls, AMotionSearchLeavesOnlyStopSearchOpenUntilItPauses) {
    ControlState controls;
    controls.PausePlay(At(3, 6));
    controls.PrepareSearch();
    EXPECT_EQ(controls.seekArea, SeekArea::ProgressBar);
    controls.StartMotionSearch(-1);
    EXPECT_EQ(EnabledButtons(controls), Names({"sbStopSearch"}));
    EXPECT_EQ(controls.searchLabel, static_cast<int>(SearchLabel::Backward));
    controls.ShowSearchLabel(SearchLabel::Found);
    controls.PausePlay(At(5, 6));
    EXPECT_EQ(EnabledButtons(controls), Names({"sbBackward", "sbPrevious", "sbPrevEvent", "sbSearchBackward"}));
    EXPECT_EQ(controls.seekArea, SeekArea::SeekBar);
    EXPECT_EQ(controls.searchLabel, static_cast<int>(SearchLabel::Found));

    // An entry that would not open ended it: no search runs any more.
    controls.StartMotionSearch(1);
    EXPECT_EQ(controls.searchLabel, static_cast<int>(SearchLabel::Forward));
    controls.EndSearchWithoutFile();
    controls.DisablePlayControls();
    EXPECT_EQ(EnabledButtons(controls), Names());
    EXPECT_EQ(controls.searchLabel, static_cast<int>(SearchLabel::Inactive));
}

// The event searches leave the motion search as it was; after Prev Event
// "Stop" stays usable, after Next Event it does not.
TEST(SearchControls, EventSearchesCloseThePlayControls) {
    ControlState controls;
    controls.PausePlay(At(3, 6));
    controls.StartEventSearch(1);
    EXPECT_EQ(controls.seekArea, SeekArea::ProgressBar);
    EXPECT_EQ(EnabledButtons(controls), Names({"sbSearchBackward", "sbSearchForward"}));
    controls.PausePlay(At(3, 6));
    controls.StartEventSearch(-1);
    EXPECT_EQ(EnabledButtons(controls), Names({"sbStop", "sbSearchBackward", "sbSearchForward"}));
    controls.PausePlay(At(3, 6));
    EXPECT_TRUE(controls.IsEnabled(sbStop));
}

}  // namespace
}  // namespace vn::player
