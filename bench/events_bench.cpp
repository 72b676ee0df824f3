// Opening an event recording, whose event list the reader builds from the
// camera records at the start of every frame, against reading every frame
// of it twice, the cost of building the list from whole frames with a
// counting pass and a storing pass. The recording, a still night forest with
// the camera's records in each frame, is written by the sample writer into a
// temporary folder. The thread's processor time, the best of the passes.
//
//   vnplay-bench events [FRAMES [PASSES]]
//
// Prints open_ms, read_twice_ms and last open_share = open_ms /
// read_twice_ms; notes go to standard error.
#include <algorithm>
#include <ctime>
#include <filesystem>
#include <functional>
#include <iostream>
#include <limits>
#include <unistd.h>

#include "benchmarks.h"
#include "decode/jpeg_decoder.h"
#include "recording/recording.h"
#include "samplewriter/search_samples.h"

namespace vn::bench {

namespace {

// Milliseconds of the thread's processor time, the kernel's reading for it
// included: other processes sharing the machine do not count.
double Milliseconds(const std::function<void()>& run) {
    const auto now = [] {
        timespec t;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return t.tv_sec * 1e3 + t.tv_nsec * 1e-6;
    };
    const double start = now();
    run();
    return now() - start;
}

}  // namespace

int RunEventsBench(int frames, int passes, std::ostream& out, std::ostream& log) {
    std::string folder = (std::filesystem::temp_directory_path() / "vnplay-bench-XXXXXX").string();
    if (!mkdtemp(folder.data())) {
        log << "cannot make a temporary folder\n";
        return 1;
    }
    const samples::SampleRecording sample = samples::LongEventRecording(frames);
    const bool written = samples::WriteSample(sample, folder);
    const std::string path = folder + "/" + sample.fileName;
    jpeg::JpegDecoder decoder;
    avi::Recording recording(decoder);
    int status = 0;
    double open = std::numeric_limits<double>::max(), readTwice = open;
    if (!written || recording.OpenRecording(path) != avi::OpenResult::kOpened) {
        log << "cannot write or open " << path << "\n";
        status = 1;
    } else if (recording.EventList != std::vector<int32_t>(sample.eventFrames.begin(), sample.eventFrames.end())) {
        log << "the event list is not the one the recording holds\n";
        status = 1;
    }
    for (int p = 0; status == 0 && p <= passes; ++p) {  // pass 0 brings the file into the page cache
        const double opening = Milliseconds([&] { recording.OpenRecording(path); });
        const double reading = Milliseconds([&] {
            for (int twice = 0; twice < 2; ++twice) {
                for (int f = 0; f < recording.header.frames; ++f)
                    status |= recording.ReadFrame(f) != avi::FrameRead::kOk;
            }
        });
        if (p == 0) continue;
        open = std::min(open, opening);
        readTwice = std::min(readTwice, reading);
    }
    std::filesystem::remove_all(folder);
    if (status != 0) return status;
    log << frames << " frames of " << sample.avi.width << " x " << sample.avi.height << ", "
        << recording.EventList.size() << " events, best of " << passes << " passes in thread processor time\n";
    out << "open_ms " << open << "\n";
    out << "read_twice_ms " << readTwice << "\n";
    out << "open_share " << open / readTwice << "\n";
    return 0;
}

}  // namespace vn::bench
