// A screen that puts entries of its own in the house menu, in places of its own choosing.
#pragma once

#include <QPoint>

class QMenu;

namespace tools {

// The house menu (the Jotter, the timer) is offered on backgrounds and pictures. A screen whose
// own background has a use of its own says instead where the menu may open, and what it adds.
class ScreenMenu {
  public:
    virtual ~ScreenMenu() = default;
    // Whether a right click (held false) or a press held still (held true) at this point of the
    // client area opens the menu.
    virtual bool offersMenuAt(QPoint clientPx, bool held) const = 0;
    // The screen's own entries, which stand first in place of "Jotter".
    virtual void addMenuEntries(QMenu& menu) = 0;
};

}  // namespace tools
