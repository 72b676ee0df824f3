// LMAX and RMAX, derived from the TCOEF tables at compile time: the tables
// are the one source of the escape modes' offsets.
#include "movie/vlc_tables.h"

#include <algorithm>

namespace vn::mpeg4 {

namespace {

constexpr int kRuns = 64;
constexpr int kLevels = 32;

struct EscapeLimits {
    int lmax[2][kRuns] = {};    // [last][run]
    int rmax[2][kLevels] = {};  // [last][level]
};

constexpr EscapeLimits DeriveLimits(const std::array<TcoefCode, 102>& codes) {
    EscapeLimits limits;
    for (auto& row : limits.rmax) std::fill(std::begin(row), std::end(row), -1);
    for (const TcoefCode& c : codes) {
        limits.lmax[c.last][c.run] = std::max<int>(limits.lmax[c.last][c.run], c.level);
        limits.rmax[c.last][c.level] = std::max<int>(limits.rmax[c.last][c.level], c.run);
    }
    return limits;
}

constexpr EscapeLimits kIntraLimits = DeriveLimits(kIntraTcoefCodes);
constexpr EscapeLimits kInterLimits = DeriveLimits(kInterTcoefCodes);

}  // namespace

int TcoefLmax(bool intra, int last, int run) {
    if (last < 0 || last > 1 || run < 0 || run >= kRuns) return 0;
    return (intra ? kIntraLimits : kInterLimits).lmax[last][run];
}

int TcoefRmax(bool intra, int last, int level) {
    if (last < 0 || last > 1 || level < 0 || level >= kLevels) return -1;
    return (intra ? kIntraLimits : kInterLimits).rmax[last][level];
}

}  // namespace vn::mpeg4
