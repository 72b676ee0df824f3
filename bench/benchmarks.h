// The benchmarks of vnplay-bench. Each prints its figures one a line, the
// ratio last, and its notes to `log`; 0 when it ran.
#pragma once

#include <ostream>
#include <string>

namespace vn::bench {

int RunJpegBench(const std::string& path, int passes, std::ostream& out, std::ostream& log);
int RunScanBench(const std::string& path, int passes, std::ostream& out, std::ostream& log);
int RunEventsBench(int frames, int passes, std::ostream& out, std::ostream& log);
int RunExportBench(const std::string& path, int passes, std::ostream& out, std::ostream& log);

}  // namespace vn::bench
