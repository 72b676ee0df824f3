// The searches through the real window: the motion search crossing entries,
// finding nothing, refusing a threshold, stopped by Stop Search and by a
// double click on the play list; Next and Prev Event across entries; PIR
// Seek on the trigger sensor. Where the window ends, vnplay-tool's search
// ends too.
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "app/engine_test_support.h"
#include "samplewriter/search_samples.h"
#include "tool/run_tool.h"

namespace vn::app {
namespace {

using test::Control;
using test::Plan;

class SearchWindowTest : public test::EngineTest {
protected:
    // The search samples dropped on the window as its play list, paused on
    // frame `frame` of entry `entry`.
    TfrmVNMain& PausedAt(int entry, int frame) {
        std::vector<std::string> paths;
        for (const samples::SampleRecording& sample : list) paths.push_back(WriteSample(sample));
        return PausedAt(paths, entry, frame);
    }

    TfrmVNMain& PausedAt(const std::vector<std::string>& paths, int entry, int frame) {
        TfrmVNMain& window = Player();
        paths_ = paths;
        Drop(paths_);
        for (int i = 0; i < entry; ++i) Click("bSkip");
        Tick(frame);
        Click("sbPause");
        return window;
    }

    std::string WriteSample(const samples::SampleRecording& sample) {
        std::this_thread::sleep_for(std::chrono::milliseconds(15));  // in creation order
        EXPECT_TRUE(samples::WriteSample(sample, folder_.path().toStdString()));
        return folder_.filePath(QString::fromStdString(sample.fileName)).toStdString();
    }

    void TypeThreshold(const QString& text) {
        auto* field = Control<QLineEdit>(&program_->frmVNMain, "edtMotionThreshold");
        field->selectAll();
        QTest::keyClicks(field, text);
    }

    // Runs `act` once, as soon as a search runs (window events run between
    // its frames), as a user's click during the search.
    void DuringTheSearch(std::function<void()> act) {
        auto* poll = new QTimer(&engine());
        QObject::connect(poll, &QTimer::timeout, [this, poll, act] {
            if (!engine().scanning()) return;
            poll->stop();
            poll->deleteLater();
            act();
        });
        poll->start(0);
    }

    void DoubleClickEntry(int entry) {
        auto* rows = Control<ui::ListBox>(&program_->frmVNMain, "lbPlayList");
        const QPoint at = rows->visualItemRect(rows->item(entry)).center();
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(rows->viewport(), Qt::LeftButton, {}, at);
    }

    // The status label shown; exactly one is.
    QString SearchLabel() {
        QString shown;
        int count = 0;
        for (const char* name : {"lblSrchMsg", "lblSearchForward", "lblSearchBackward", "lblSearchFound"}) {
            auto* label = Control<QLabel>(&program_->frmVNMain, name);
            if (label->isHidden()) continue;
            shown = label->text();
            ++count;
        }
        EXPECT_EQ(count, 1);
        return shown;
    }

    // vnplay-tool's search over the same play list ends where the window is,
    // with the label it shows (motion searches).
    void ExpectToolAgrees(const std::string& options, bool motion) {
        std::string files;
        for (const std::string& path : paths_) files += " " + path;
        const test::ToolRun run = test::RunTool("search" + files + options);
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string where = "{\"entry\":" + std::to_string(Entry()) + ",\"file\":\"" + paths_[Entry()] +
                                  "\",\"frame\":" + std::to_string(Frame()) + ",";
        EXPECT_EQ(run.out.substr(0, where.size()), where) << run.out;
        if (motion) {
            EXPECT_NE(run.out.find("\"label\":\"" + SearchLabel().toStdString() + "\""), std::string::npos) << run.out;
        }
    }

    // After every search the player is paused on the frame shown, the seek
    // bar under the picture and no search running.
    void ExpectPausedAfterSearch() {
        EXPECT_FALSE(engine().scanning());
        EXPECT_FALSE(engine().state.g_bSearching);
        EXPECT_FALSE(engine().state.g_bPlaying);
        EXPECT_FALSE(test::Enabled(program_->frmVNMain, "sbStopSearch"));
        test::ExpectWindowShows(program_->frmVNMain, engine().controls());
        EXPECT_EQ(engine().controls().seekArea, player::SeekArea::SeekBar);
        EXPECT_EQ(Panel(3), QString("Frame %1").arg(Frame() + 1));
    }

    // The search panel stretches the thumbnail over its area: the middle of
    // a block shows the block's colour.
    void ExpectPanelShows(TfrmVNMain& window, const Picture& thumbnail) {
        ASSERT_FALSE(thumbnail.empty());
        const QImage shown = Control(&window, "pnlSearch")->grab().toImage();
        const int w = thumbnail.width();
        const int h = thumbnail.height();
        for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {w / 2, h / 2}, {0, h - 1}, {w - 1, h - 1}}) {
            const uint8_t* bgr = thumbnail.data() + static_cast<size_t>(y) * thumbnail.stride() + 3 * x;
            const QRgb pixel = shown.pixel((2 * x + 1) * shown.width() / (2 * w), (2 * y + 1) * shown.height() / (2 * h));
            EXPECT_EQ(pixel & 0xFFFFFF, qRgb(bgr[2], bgr[1], bgr[0]) & 0xFFFFFF) << "block " << x << ", " << y;
        }
    }

    const std::vector<samples::SampleRecording> list = samples::SearchPlayListSamples();
    const QString threshold = QString::number(list[2].motionThreshold);
    const int foxEnters = list[2].changedFrames.front();
    std::vector<std::string> paths_;
};

TEST_F(SearchWindowTest, MotionSearchCrossesIntoTheThirdEntryAndStopsOnTheAnimal) {
    TfrmVNMain& window = PausedAt(0, 0);
    EXPECT_EQ(SearchLabel(), "Search Inactive");
    TypeThreshold(threshold);
    Click("sbSearchForward");
    EXPECT_EQ(Entry(), 2);
    EXPECT_EQ(Frame(), foxEnters);
    EXPECT_EQ(SearchLabel(), "Found");
    EXPECT_EQ(window.windowTitle(), "SRCH0003.AVI");
    ExpectPausedAfterSearch();
    // The scan ends showing the frame it stopped on, though it paints only
    // some of the frames it scans.
    ExpectPanelShows(window, engine().recording.scanner.Thumbnail());
    ExpectToolAgrees(" --motion " + threshold.toStdString(), true);

    // The threshold is kept for the next start.
    window.close();
    EXPECT_TRUE(SettingsFileText().contains("nMotionThreshold=" + threshold.toLatin1()));
}

TEST_F(SearchWindowTest, BackwardSearchFindingNothingEndsOnTheFirstFrameOfTheFirstEntry) {
    PausedAt(2, foxEnters - 1);
    TypeThreshold(threshold);
    Click("sbSearchBackward");
    EXPECT_EQ(Entry(), 0);
    EXPECT_EQ(Frame(), 0);
    EXPECT_EQ(SearchLabel(), "Search Inactive");
    ExpectPausedAfterSearch();
    ExpectToolAgrees(" --motion " + threshold.toStdString() + " --backward --from 2:" + std::to_string(foxEnters - 1),
                     true);
}

TEST_F(SearchWindowTest, AThresholdThatIsNoNumberRefusesTheSearch) {
    TfrmVNMain& window = PausedAt(0, 3);
    const int kept = window.prefs.nMotionThreshold;
    TypeThreshold("abc");
    Click("sbSearchForward");
    EXPECT_EQ(window.focusWidget(), Control(&window, "edtMotionThreshold"));
    EXPECT_EQ(Entry(), 0);
    EXPECT_EQ(Frame(), 3);
    EXPECT_EQ(SearchLabel(), "Search Inactive");
    EXPECT_EQ(window.prefs.nMotionThreshold, kept);
    ExpectPausedAfterSearch();
}

// The stop is noticed after the frame in hand: the first frame compared
// after the one the search started from, the first one walked.
TEST_F(SearchWindowTest, StopSearchEndsOnTheFrameBeingCompared) {
    PausedAt({Write("still.avi", Plan().Frames(400))}, 0, 5);
    TypeThreshold("100000");  // no change of colour reaches it
    DuringTheSearch([this] { Click("sbStopSearch"); });
    Click("sbSearchForward");
    EXPECT_EQ(Frame(), 6);
    EXPECT_EQ(SearchLabel(), "Found");
    EXPECT_EQ(engine().state.g_nSearchDirection, 0);
    ExpectPausedAfterSearch();

    // The PIR panel's Stop Search ends a PIR Seek on the frame it walked.
    DuringTheSearch([this] { Click("sbStopPIRSearch"); });
    Click("sbPIRSeekFwd");
    EXPECT_EQ(Frame(), 7);
    ExpectPausedAfterSearch();
}

TEST_F(SearchWindowTest, ADoubleClickContinuesTheSearchInTheClickedEntry) {
    // Left alone, the search would stop on the fox in the first entry.
    const std::string fox = WriteSample(list[2]);
    PausedAt({fox, Write("colours.avi", Plan())}, 0, 0);
    TypeThreshold(threshold);
    DuringTheSearch([this] { DoubleClickEntry(1); });
    Click("sbSearchForward");
    EXPECT_EQ(Entry(), 1);
    EXPECT_EQ(Frame(), 1);
    EXPECT_EQ(SearchLabel(), "Found");
    EXPECT_EQ(program_->frmVNMain.windowTitle(), "colours.avi");
    ExpectPausedAfterSearch();
}

// Clearing the play list during a search stops it; the list is cleared once
// the search has ended, not under it.
TEST_F(SearchWindowTest, ClearDuringASearchWaitsForItToStop) {
    TfrmVNMain& window = PausedAt(0, 0);
    TypeThreshold(threshold);
    DuringTheSearch([this] { Click("bClearPlayList"); });
    Click("sbSearchForward");
    EXPECT_FALSE(engine().scanning());
    EXPECT_EQ(engine().playList.g_nPlayListCount(), 0);
    EXPECT_EQ(engine().state.g_nFileKind, player::kNoFile);
    EXPECT_EQ(window.windowTitle(), "[none]");
}

TEST_F(SearchWindowTest, NextAndPrevEventCrossEntries) {
    PausedAt(1, 0);
    Click("sbNextEvent");
    EXPECT_EQ(Frame(), 6);
    Click("sbNextEvent");
    EXPECT_EQ(Frame(), 12);
    ExpectToolAgrees(" --events --from 1:6", false);
    Click("sbNextEvent");
    EXPECT_EQ(Entry(), 2);
    EXPECT_EQ(Frame(), 0);
    // From the last event of the last entry: its last frame.
    Click("sbNextEvent");
    EXPECT_EQ(Entry(), 2);
    EXPECT_EQ(Frame(), 23);
    ExpectPausedAfterSearch();
    // Back from there, the entry's only event at its frame 0 is passed over.
    Click("sbPrevEvent");
    EXPECT_EQ(Entry(), 1);
    EXPECT_EQ(Frame(), 12);
    ExpectToolAgrees(" --events --backward --from 2:23", false);
    // After Prev Event "Stop" stays usable.
    EXPECT_TRUE(test::Enabled(program_->frmVNMain, "sbStop"));
}

// The sensor reads 0, 1, 1, 0, 1 from frame 4: each switch-on, then the
// entries after it for events.
TEST_F(SearchWindowTest, PirSeekStopsWhereTheSensorSwitchesOn) {
    PausedAt(1, 4);
    Click("sbPIRSeekFwd");
    EXPECT_EQ(Frame(), 5);
    Click("sbPIRSeekFwd");
    EXPECT_EQ(Frame(), 8);
    ExpectToolAgrees(" --trigger --from 1:5", false);
    Click("sbPIRSeekFwd");
    EXPECT_EQ(Entry(), 2);
    EXPECT_EQ(Frame(), 0);
    ExpectPausedAfterSearch();
}

}  // namespace
}  // namespace vn::app
