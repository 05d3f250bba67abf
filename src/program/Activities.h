// Every menu entry of the program: where it stands, and the activity it opens.
#pragma once

#include <array>
#include <vector>

#include "activities/Activity.h"
#include "shell/MenuTable.h"

namespace program {

using activities::ListOf;
using activities::ScreenMaker;

struct Activity {
    int menu;   // 1 to 5
    int entry;  // 0 to 4 from the top; 5 is a menu's sixth entry
    const activities::Activity& description;
    // The description's, for those that need only these.
    const char* caption = description.caption;
    const char* screen = description.screen;
    const ScreenMaker& make = description.make;
};

// In menu order, every entry once.
const std::vector<Activity>& activities();

// The activity of that screen name, or null.
const Activity* activityOf(const QString& screen);

// The five menus with their entries filled from the activities.
const std::array<shell::MenuDesign, 5>& menus();

}  // namespace program
