// The benchmarks of vnplay-bench. Each prints its figures one a line to out,
// the ratio last, and notes to log; 0 when it ran.
#pragma once

#include <iosfwd>
#include <string>

namespace vn::bench {

// JPEG decoder against libjpeg-turbo on a recording's frames.
int RunJpegBench(const std::string& recording, int passes, std::ostream& out, std::ostream& log);
// Segment export against cp and FFmpeg's stream copy.
int RunExportBench(const std::string& recording, int passes, std::ostream& out, std::ostream& log);

}  // namespace vn::bench
