// The player at 30 frames per second on a 1280 x 720 recording: the real
// windows and engine, off screen, driven by their own timer as a user's
// player is. The recording first plays at its own rate for a moment so that
// the engine has measured a frame; then the speed bar goes to 30 and
// playback is watched for some seconds.
//
//   vnplay-bench-player [BENCH720.AVI [SECONDS]]
//
// Without a file the benchmark sample is written to a temporary folder.
// Prints the recording frames per second achieved, the frames shown per
// second and how many were skipped, the timer interval, and the median and
// 90th percentile of the frame work time: from the end of a frame's read to
// its presentation (g_nFrameWorkMs, whole milliseconds) and, finer, the
// whole tick that shows it.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/player_program.h"
#include "platform/controls.h"
#include "platform/ini_file.h"
#include "samplewriter/default_samples.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Watch {
    std::vector<double> tickMs;  // each tick that showed a frame
    std::vector<int> workMs;     // the engine's own measure of it
    long framesAdvanced = 0;
    long framesShown = 0;
    long skipped = 0;
};

template <typename T>
T Percentile(std::vector<T> values, double p) {
    if (values.empty()) return T{};
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(p * (values.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    std::string path = argc > 1 ? argv[1] : "";
    const double seconds = argc > 2 ? std::atof(argv[2]) : 6.0;
    if (path.empty()) {
        if (!vn::samples::WriteSample(vn::samples::BenchmarkSample(), folder.path().toStdString())) {
            std::fprintf(stderr, "cannot write the benchmark sample\n");
            return 1;
        }
        path = folder.filePath("BENCH720.AVI").toStdString();
    }

    vn::ui::IniFile settings(folder.filePath("vnplay.ini"));
    vn::app::PlayerProgram program(settings, {QString::fromStdString(path)});
    vn::app::PlayerEngine& engine = program.engine;
    vn::app::TfrmVNMain& window = program.frmVNMain;
    window.show();
    if (engine.state.g_nFileKind != vn::player::kAviRecording || engine.recording.header.width != 1280) {
        std::fprintf(stderr, "%s is no 1280 x 720 recording\n", path.c_str());
        return 1;
    }

    // Each tick timed from outside, in place of the engine's own connection.
    Watch watch;
    bool watching = false;
    QObject::disconnect(&engine.Timer1, &QTimer::timeout, &engine, nullptr);
    QObject::connect(&engine.Timer1, &QTimer::timeout, &engine, [&] {
        const int before = engine.recording.currentFrame();
        const auto start = Clock::now();
        engine.Timer1Timer();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        const int moved = engine.recording.currentFrame() - before;
        if (!watching || moved <= 0) return;
        watch.tickMs.push_back(ms);
        watch.workMs.push_back(engine.state.g_nFrameWorkMs);
        watch.framesAdvanced += moved;
        watch.framesShown += 1;
        watch.skipped += moved - 1;
    });

    QElapsedTimer elapsed;
    double watched = 0;
    QTimer::singleShot(500, &app, [&] {
        window.findChild<vn::ui::TrackBar*>(QStringLiteral("tbRate"))
            ->SetPosition(vn::player::SpeedBarPositionForRate(30));
        watching = true;
        elapsed.start();
        QTimer::singleShot(static_cast<int>(seconds * 1000), Qt::PreciseTimer, &app, [&] {
            watched = elapsed.elapsed() / 1000.0;
            watching = false;
            QApplication::quit();
        });
    });
    QApplication::exec();

    std::printf("recording: %s (%dx%d, %d frames)\n", path.c_str(), engine.recording.header.width,
                engine.recording.header.height, engine.recording.header.frames);
    std::printf("rate: %d frames/s, timer interval %d ms, %d frame(s) per tick\n", window.prefs.nFrmRate,
                engine.Timer1.interval(), engine.state.g_nFramesPerTick);
    std::printf("watched: %.2f s\n", watched);
    std::printf("recording_fps: %.1f\n", watch.framesAdvanced / watched);
    std::printf("shown_fps: %.1f\n", watch.framesShown / watched);
    std::printf("skipped_frames: %ld\n", watch.skipped);
    std::printf("frame_work_ms (read to presented): median %d, p90 %d\n", Percentile(watch.workMs, 0.5),
                Percentile(watch.workMs, 0.9));
    std::printf("tick_ms (whole tick): median %.2f, p90 %.2f\n", Percentile(watch.tickMs, 0.5),
                Percentile(watch.tickMs, 0.9));
    return 0;
}
