// Application-wide services of the window system: hint timing and the
// warning beep.
#pragma once

namespace vn::ui {

// Hints appear after showMs of the mouse resting on a control and disappear
// hideMs after they appeared. Applies to every window.
void SetHintDelays(int showMs, int hideMs);
// The delays set last; -1 while the platform's own apply.
int HintShowDelay();
int HintHideDelay();

// The standard warning sound.
void Beep();

}  // namespace vn::ui
