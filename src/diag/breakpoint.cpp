#include "diag/breakpoint.h"

#include <climits>
#include <cstdlib>

namespace vn::diag {

int LeadingNumber(std::string_view text) {
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > INT_MAX) return INT_MAX;
    }
    return static_cast<int>(value);
}

void Breakpoint::Select(int newKind, std::string_view retryCountText, std::string_view lumaChangeText) {
    kind = newKind;
    if (kind == RetriesAbove) {
        limit = LeadingNumber(retryCountText);
    } else if (kind == LumaChangeAbove) {
        limit = LeadingNumber(lumaChangeText);
    }
}

bool Breakpoint::Test(int retries, int luma) {
    bool pause = false;
    if (kind == RetriesAbove) {
        pause = retries > limit;
    } else if (kind == LumaChangeAbove) {
        pause = previousLuma != 0 && std::abs(luma - previousLuma) > limit;
    }
    previousLuma = luma;
    return pause;
}

}  // namespace vn::diag
