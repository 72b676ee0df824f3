// The player as the engine's tests meet it: recordings composed for a test
// in a private folder, the program's windows around the engine, and the
// modal dialogs it raises answered as a user answers them.
#pragma once

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/window_test_support.h"
#include "samplewriter/camera_avi.h"
#include "samplewriter/camera_date.h"
#include "samplewriter/camera_segments.h"
#include "samplewriter/jpeg_encoder.h"
#include "samplewriter/sample_recording.h"

namespace vn::test {

// What a recording composed for a test holds. Every frame is one colour of
// its own, so that the frame on screen tells which it is.
struct RecordingPlan {
    int width = 32;
    int height = 24;
    int frames = 10;
    int32_t scale = 1;  // capture interval in seconds
    int32_t rate = 10;  // playback value: rate / scale frames per second
    // Event frames; frame 0 then asks for them to be listed.
    std::vector<int> events;
    // "ts" records dated `scale` seconds apart from this date on.
    std::optional<samples::CameraDate> clockStart;
    // Camera retries written in the "ts" records (needs clockStart), by frame.
    std::vector<std::pair<int, uint16_t>> retries;
    // Frames whose bytes are no JPEG at all.
    std::vector<int> undecodable;

    RecordingPlan& Size(int w, int h) { return width = w, height = h, *this; }
    RecordingPlan& Frames(int count) { return frames = count, *this; }
    RecordingPlan& Timing(int32_t seconds, int32_t playback) { return scale = seconds, rate = playback, *this; }
    RecordingPlan& Events(std::vector<int> list) { return events = std::move(list), *this; }
    RecordingPlan& Clock(const samples::CameraDate& start) { return clockStart = start, *this; }
    RecordingPlan& Retries(int frame, uint16_t count) { return retries.emplace_back(frame, count), *this; }
    RecordingPlan& Undecodable(std::vector<int> list) { return undecodable = std::move(list), *this; }
};

inline RecordingPlan Plan() { return RecordingPlan{}; }

inline bool Lists(const std::vector<int>& frames, int frame) {
    return std::find(frames.begin(), frames.end(), frame) != frames.end();
}

// Blue, green and red of frame i's colour.
inline std::array<uint8_t, 3> FrameColour(int i) {
    return {static_cast<uint8_t>(40 + 37 * i % 200), static_cast<uint8_t>(90 + 53 * i % 150),
            static_cast<uint8_t>(20 + 71 * i % 220)};
}

inline std::vector<uint8_t> ComposeRecording(const RecordingPlan& plan) {
    std::vector<std::vector<uint8_t>> frames;
    for (int i = 0; i < plan.frames; ++i) {
        if (Lists(plan.undecodable, i)) {
            frames.push_back({'n', 'o', ' ', 'j', 'p', 'e', 'g'});
            continue;
        }
        const auto [blue, green, red] = FrameColour(i);
        std::vector<uint8_t> rgb;
        for (int p = 0; p < plan.width * plan.height; ++p) rgb.insert(rgb.end(), {red, green, blue});
        samples::SampleFrame frame;
        if (plan.clockStart) {
            samples::TsRecord ts;
            ts.date = samples::AddSeconds(*plan.clockStart, int64_t{i} * plan.scale);
            for (const auto& [at, retries] : plan.retries) {
                if (at == i) ts.retries = retries;
            }
            frame.ts = ts;
        }
        if (!plan.events.empty() && (i == 0 || Lists(plan.events, i))) {
            frame.eventByte = static_cast<uint8_t>((i == 0 ? 0x01 : 0) | (Lists(plan.events, i) ? 0x80 : 0));
        }
        frames.push_back(samples::ComposeFrame(frame, samples::EncodeJpeg(rgb.data(), plan.width, plan.height, 90)));
    }
    samples::CameraAviOptions options;
    options.width = plan.width;
    options.height = plan.height;
    options.scale = plan.scale;
    options.rate = plan.rate;
    return samples::BuildCameraAvi(options, frames);
}

// Answers every message dialog as it shows, with OK, and keeps its number.
class MessageAnswers : public QObject {
public:
    explicit MessageAnswers(diag::TfrmMyMsg& dialog) : dialog_(dialog) {
        connect(&poll_, &QTimer::timeout, this, [this] {
            if (QApplication::activeModalWidget() != &dialog_) return;
            shown.push_back(dialog_.nMsgIndex);
            details.push_back(Control<QLabel>(&dialog_, "lblDetail")->text());
            dialog_.accept();
        });
        poll_.start(5);
    }
    std::vector<int> shown;
    QStringList details;  // the detail line of each

private:
    diag::TfrmMyMsg& dialog_;
    QTimer poll_;
};

// Runs `act` on the next modal dialog once it shows.
inline void WhenModalShows(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(modal);
        }
    });
    poll->start(5);
}

// The window shows the engine's decision for every control it governs.
inline void ExpectWindowShows(const app::TfrmVNMain& window, const player::ControlState& controls) {
    for (int i = 0; i < player::kControlCount; ++i) {
        const char* name = player::ControlName(static_cast<player::Control>(i));
        if (auto* widget = window.findChild<QWidget*>(name)) {
            EXPECT_EQ(widget->isEnabled(), controls.enabled[i]) << name;
            EXPECT_EQ(!widget->isHidden(), controls.shown[i]) << name;
        } else if (auto* action = Control<QAction>(&window, name)) {
            // A hidden menu entry reads as disabled too.
            EXPECT_EQ(action->isVisible(), controls.shown[i]) << name;
            if (action->isVisible()) {
                EXPECT_EQ(action->isEnabled(), controls.enabled[i]) << name;
            }
        }
    }
    EXPECT_EQ(!Control(&window, "tbWhere")->isHidden(), controls.seekArea == player::SeekArea::SeekBar);
    EXPECT_EQ(Control(&window, "tbWhere")->isEnabled(), !controls.exporting);
    EXPECT_EQ(!Control(&window, "pbWhere")->isHidden(), controls.seekArea == player::SeekArea::ProgressBar);
    EXPECT_EQ(Control(&window, "pnlWhere")->height(), player::SeekAreaHeight(controls.seekArea));
}

class EngineTest : public MainWindowTest {
protected:
    void SetUp() override { UseFrameTimes(); }
    void TearDown() override {
        answers_.reset();
        MainWindowTest::TearDown();
    }

    // The window shown with the engine, its ticks given by the test.
    app::TfrmVNMain& Player() {
        app::TfrmVNMain& window = ShownWindow();
        answers_ = std::make_unique<MessageAnswers>(program_->frmMyMsg);
        QObject::disconnect(&engine().Timer1, &QTimer::timeout, &engine(), nullptr);
        return window;
    }

    app::PlayerEngine& engine() { return program_->engine; }

    // Files written one after the other are created in that order: the file
    // system's clock moves on between them.
    std::string Write(const std::string& name, const RecordingPlan& plan) {
        return WriteBytes(name, ComposeRecording(plan));
    }
    std::string WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
        const std::string path = folder_.filePath(QString::fromStdString(name)).toStdString();
        EXPECT_TRUE(samples::SaveFile(path, bytes));
        return path;
    }

    // Files dropped on the window as a file manager drops them.
    void Drop(const std::vector<std::string>& paths) {
        QList<QUrl> urls;
        for (const std::string& path : paths) urls.append(QUrl::fromLocalFile(QString::fromStdString(path)));
        QMimeData files;
        files.setUrls(urls);
        app::TfrmVNMain& window = program_->frmVNMain;
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &drop);
    }

    // A copy of a recording (a camera's own, from the fixtures) open and
    // paused.
    void OpenCopyOf(const std::string& source) {
        const std::string name = std::filesystem::path(source).filename().string();
        const std::string path = folder_.filePath(QString::fromStdString(name)).toStdString();
        std::filesystem::copy_file(source, path);
        Drop({path});
        Tick();
        Click("sbPause");
    }

    void Tick(int times = 1) {
        for (int i = 0; i < times; ++i) engine().Timer1Timer();
    }

    // Clicks the main window's button of that name, which must be enabled.
    void Click(const char* name) {
        QWidget* button = Control(&program_->frmVNMain, name);
        ASSERT_TRUE(button->isEnabled()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QString Panel(int i) { return Control<ui::StatusBar>(&program_->frmVNMain, "StatusBar1")->PanelText(i); }
    int Frame() { return engine().recording.currentFrame(); }
    int Entry() { return engine().playList.g_nPlayListIndex; }
    std::vector<int> Messages() { return answers_->shown; }
    QStringList MessageDetails() { return answers_->details; }

    // Frame times read as UTC, as the fixtures' expected values assume.
    static void UseFrameTimes() {
        setenv("TZ", "UTC", 1);
        tzset();
    }

    std::unique_ptr<MessageAnswers> answers_;
};

}  // namespace vn::test
