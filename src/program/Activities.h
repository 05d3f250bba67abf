// Every menu entry of the program: where it stands, its caption and the screen it opens.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "shell/ActivityScreen.h"
#include "shell/MenuTable.h"

namespace forms {
class Screen;
class Screens;
}  // namespace forms

namespace lists {
struct CheckedList;
}

namespace program {

// The teacher's list in force for a folder of lists, or null for the activities' own.
using ListOf = std::function<const lists::CheckedList*(const char* folder)>;

// Builds an activity's screen under the name and caption its row gives it, with the lists in
// force.
using ScreenMaker = std::function<std::unique_ptr<forms::Screen>(
    forms::Screens&, const shell::ActivityId&, const ListOf&)>;

struct Activity {
    int menu;   // 1 to 5
    int entry;  // 0 to 4 from the top; 5 is a menu's sixth entry
    const char* caption;
    const char* screen;
    ScreenMaker make;
};

// In menu order, every entry once.
const std::vector<Activity>& activities();

// The five menus with their entries filled from the activities.
const std::array<shell::MenuDesign, 5>& menus();

}  // namespace program
