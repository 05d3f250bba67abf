// Pointer events sent through a screen's window, so that they are delivered as the windowing
// system delivers them (to the control under the pointer, or to the one holding the button).
#pragma once

#include <QPoint>
#include <Qt>

#include "forms/Control.h"

namespace forms {
class Screen;
}

namespace testing_support {

class Mouse {
  public:
    explicit Mouse(forms::Screen& screen) : m_screen(screen) {}

    // Positions are pixels in the screen's client area.
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void move(QPoint to);
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    // Press at from, move in steps to to, release there.
    void drag(QPoint from, QPoint to, int steps = 8, Qt::MouseButton button = Qt::LeftButton);

    // The centre of a control, in the client area's pixels at the screen's scale.
    static QPoint centreOf(const forms::Control& control);
    static QPoint pixelOf(const forms::Control& control, float twipX, float twipY);

    Qt::MouseButtons held() const { return m_held; }

  private:
    void send(int type, QPoint at, Qt::MouseButton button);
    forms::Screen& m_screen;
    Qt::MouseButtons m_held;
};

}  // namespace testing_support
