// The teaching menu's look: yellow on black like the house labels, grown with projector mode.
#pragma once

class QMenu;
class QWidget;

namespace forms {
class Scale;
}

namespace tools {

// A menu that deletes itself when closed, owned by `parent`, drawn in the house look at the
// screens' scale: type the size of the boards' label buttons, and every entry at least as tall
// as a house button, so that a pen at the board hits it and the back of the room reads it.
QMenu* houseMenu(QWidget* parent, const forms::Scale& scale);

}  // namespace tools
