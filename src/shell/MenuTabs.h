// The column of "Menu 1" to "Menu 5" tabs and the exit button that the front screen and the
// menus share.
#pragma once

#include "forms/ControlArray.h"

namespace forms {
class CommandButton;
class Label;
}  // namespace forms

namespace shell {

inline constexpr int kMenuTabCount = 5;

// The design's tab element 0, "Menu 1", hidden until the load shows the column.
forms::Label& addFirstMenuTab(forms::ControlArray<forms::Label>& tabs);
// Tabs 1 to 4 as copies of element 0 below it, their captions, and the column shown; also the
// unused hidden "WWW Links" element 5.
void loadMenuTabs(forms::ControlArray<forms::Label>& tabs);

// The exit button's picture and its place in the house frame's bottom-left corner.
void setUpExitButton(forms::CommandButton& button);

}  // namespace shell
