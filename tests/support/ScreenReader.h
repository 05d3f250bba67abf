// What a screen reader asks of a program, asked in the program's own process.
#pragma once

#include <QtGlobal>

class QAccessibleInterface;

namespace testing_support {

// Each object's name, description, value, role, state, place, actions and parent, down the whole
// tree from `object`. The number of objects read.
qint64 readAloud(QAccessibleInterface* object, int depth = 0);

// The same of every top-level window on view.
qint64 readEveryWindow();

}  // namespace testing_support
