// The five activity menus: what each menu's design holds, and what a built menu shows.
#pragma once

#include <array>

#include "shell/ScreenNames.h"

namespace shell {

struct MenuEntry {
    const char* caption;
    // The activity screen the entry opens; empty while that activity has no screen.
    const char* screen;
};

// A menu's own design: its number, title and entry width, and whether entry element 5 exists
// (hidden and empty in menus 1 to 4 unless an entry is given to it).
struct MenuLayout {
    int number;
    const char* title;
    float entryWidth;
    bool hasSixthEntry;
};

inline constexpr std::array<MenuLayout, 5> kMenuLayouts{{
    {1, "Menu 1", 5055, true},
    {2, "Menu 2", 4695, true},
    {3, "Menu 3", 4215, true},
    {4, "Menu 4", 5655, true},
    {5, "Menu 5", 4335, false},
}};

// A built menu: its design and its entries, which the program's activities table gives.
struct MenuDesign {
    int number;
    const char* title;
    float entryWidth;
    std::array<MenuEntry, 5> entries;
    bool hasSixthEntry;
    MenuEntry sixthEntry;
};

// The sixth entry, when it shows, sits one entry step below the fifth.
inline constexpr float kSixthEntryTop = 6150;

}  // namespace shell
