#include "Menus.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

namespace testing_support {

QMenu* openMenu() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

void closeMenu() {
    if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QAction* menuEntry(QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions())
        if (action->text().section(QLatin1Char('\t'), 0, 0) == text) return action;
    return nullptr;
}

}  // namespace testing_support
