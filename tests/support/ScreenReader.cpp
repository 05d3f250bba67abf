#include "ScreenReader.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

namespace testing_support {

qint64 readAloud(QAccessibleInterface* object, int depth) {
    if (!object || !object->isValid() || depth > 32) return 0;
    for (QAccessible::Text text : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
        object->text(text);
    object->role();
    object->state();
    object->rect();
    object->parent();
    if (QAccessibleActionInterface* actions = object->actionInterface()) actions->actionNames();
    qint64 read = 1;
    for (int i = 0; i < object->childCount(); ++i) read += readAloud(object->child(i), depth + 1);
    return read;
}

qint64 readEveryWindow() {
    qint64 read = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) read += readAloud(QAccessible::queryAccessibleInterface(window));
    return read;
}

}  // namespace testing_support
