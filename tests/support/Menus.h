// Qt's popup menus in tests: the one open, its entries, closing it.
#pragma once

class QAction;
class QMenu;
class QString;

namespace testing_support {

// The popup menu open now, if any.
QMenu* openMenu();
// Closes the open popup, its deletion done.
void closeMenu();
// The entry whose text, short of its shortcut, is `text`.
QAction* menuEntry(QMenu& menu, const QString& text);

}  // namespace testing_support
