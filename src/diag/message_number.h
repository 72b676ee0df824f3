// The message dialog's prepared messages, by the numbers that select them.
#pragma once

namespace vn::diag {

// CannotOpen: a file that is there but cannot be played, where none of the
// others is true (the detail line says why).
enum Message : int { NoDir = 0, NotFound = 1, UnkFormat = 2, NoFrames = 3, CannotOpen = 4 };

}  // namespace vn::diag
