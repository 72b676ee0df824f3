// The diagnostics window as the playing of MPEG-4 streams and raw movies
// sees it: the movie switches, the quantiser display and the list.
#pragma once

#include <string>
#include <vector>

namespace vn::diag {

class MovieDiagnosticsView {
public:
    // "Show QScale": each picture's quantiser is shown.
    virtual bool ShowQuantOn() const = 0;
    // "MVM Pause on Stop (don't reset movie)": Stop keeps a raw movie's picture.
    virtual bool PauseOnStopOn() const = 0;
    // "Enable MVM Single Step": a raw movie's forward step shows the next
    // picture, not the next intra picture.
    virtual bool MvmSingleStepOn() const = 0;
    virtual void ShowQuantiser(int quantiser) = 0;
    // Lines for the list; taken only while the window is visible.
    virtual void LogMovieLines(const std::vector<std::string>& lines) = 0;

protected:
    ~MovieDiagnosticsView() = default;
};

}  // namespace vn::diag
