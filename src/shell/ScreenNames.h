// The shell's own screens by name, for every screen that opens or reaches one of them.
#pragma once

#include <QString>

namespace shell {

inline constexpr char kTitleScreen[] = "Titlefrm";
inline constexpr char kFrontScreen[] = "intro0";
inline constexpr char kBackdropScreen[] = "Grey";
// Opened from any screen while teaching; defined by the program, known here only by name.
inline constexpr char kJotterScreen[] = "notepad";

// Menus are screens of their own, named after their number.
inline QString menuScreenName(int number) {
    return QStringLiteral("menu%1").arg(number);
}

}  // namespace shell
