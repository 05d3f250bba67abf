// Printing from the screens: Ctrl+P or "Print worksheet…" opens Qt's print preview.
#pragma once

namespace forms {
class Screen;
}

namespace lists {
struct CheckedList;
}

namespace program {

// The activity's worksheet with its answer sheet after it (of the teacher's list in force, when
// one is), or what is drawn on the Jotter. A screen with nothing to print says so instead. The
// preview opens once the event that asked for it has been handled.
void printScreen(forms::Screen& screen, const lists::CheckedList* inForce = nullptr);

}  // namespace program
