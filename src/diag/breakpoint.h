// Break conditions that pause playback on the camera values of a shown frame.
#pragma once

#include <string_view>

namespace vn::diag {

// The number made of the decimal digits at the start of text; 0 when it
// starts with anything else. Too many digits give the largest int.
int LeadingNumber(std::string_view text);

class Breakpoint {
public:
    // Items of the breakpoint group, in their order.
    enum Kind { None = 0, RetriesAbove = 1, LumaChangeAbove = 2, Tbd = 3 };

    // The user picked item `kind`; the limit is taken from the field that
    // belongs to it, as it reads now. "None" and "tbd" keep the limit.
    void Select(int kind, std::string_view retryCountText, std::string_view lumaChangeText);

    // Tests one shown frame's values and remembers its luma for the next one.
    // True when playback is to pause.
    bool Test(int retries, int luma);

    int kind = None;
    int limit = 0;
    int previousLuma = 0;  // 0 until a frame has been shown: no change is measured from it
};

}  // namespace vn::diag
