// The house frame: size, colour, centring and the standard picture buttons of a screen.
#pragma once

namespace forms {
class Screen;
}

namespace shell {

// Frames a screen from its load handler. Every step after the first two is guarded on its own:
// an absent control, a control array or a missing picture skips only that step.
void ApplyScreenFrame(forms::Screen& screen);

}  // namespace shell
