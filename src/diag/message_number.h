// The message dialog's prepared messages, by the numbers that select them.
#pragma once

namespace vn::diag {

enum Message : int { NoDir = 0, NotFound = 1, UnkFormat = 2, NoFrames = 3 };

}  // namespace vn::diag
