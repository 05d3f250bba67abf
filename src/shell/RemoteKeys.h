// The keys of a presentation remote, and Escape, as every activity reads them.
#pragma once

#include <Qt>

namespace shell {

enum class RemoteStep { None, Forward, Back, Exit };

// Page Down, Right and Space step forward; Page Up and Left step back; Escape leaves. With Ctrl,
// Alt or Shift held a key is someone else's.
inline RemoteStep remoteStep(int key, Qt::KeyboardModifiers modifiers) {
    if ((modifiers & ~Qt::KeypadModifier) != Qt::NoModifier) return RemoteStep::None;
    switch (key) {
        case Qt::Key_Escape:
            return RemoteStep::Exit;
        case Qt::Key_PageDown:
        case Qt::Key_Right:
        case Qt::Key_Space:
            return RemoteStep::Forward;
        case Qt::Key_PageUp:
        case Qt::Key_Left:
            return RemoteStep::Back;
        default:
            return RemoteStep::None;
    }
}

}  // namespace shell
