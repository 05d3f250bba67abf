#include "Mouse.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWindow>

#include "forms/Scale.h"
#include "forms/Screen.h"

namespace testing_support {

void Mouse::send(int type, QPoint at, Qt::MouseButton button) {
    QWidget* top = m_screen.window();
    QWindow* window = top->windowHandle();
    Q_ASSERT_X(window, "Mouse", "the screen must be shown");
    const QPointF local(at);
    QMouseEvent event(static_cast<QEvent::Type>(type), local, local, top->mapToGlobal(local),
                      button, m_held, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
}

void Mouse::press(QPoint at, Qt::MouseButton button) {
    m_held |= button;
    send(QEvent::MouseButtonPress, at, button);
}

void Mouse::move(QPoint to) {
    send(QEvent::MouseMove, to, Qt::NoButton);
}

void Mouse::release(QPoint at, Qt::MouseButton button) {
    m_held &= ~Qt::MouseButtons(button);
    send(QEvent::MouseButtonRelease, at, button);
}

void Mouse::click(QPoint at, Qt::MouseButton button) {
    press(at, button);
    release(at, button);
}

void Mouse::drag(QPoint from, QPoint to, int steps, Qt::MouseButton button) {
    press(from, button);
    for (int i = 1; i <= steps; ++i) move(from + (to - from) * i / steps);
    release(to, button);
}

QPoint Mouse::pixelOf(const forms::Control& control, float twipX, float twipY) {
    QWidget* widget = control.widget();
    const forms::Scale& scale = control.screen().scale();
    const QPoint inControl(scale.toPixels(twipX), scale.toPixels(twipY));
    return widget->mapTo(widget->window(), inControl);
}

QPoint Mouse::centreOf(const forms::Control& control) {
    return pixelOf(control, control.width() / 2, control.height() / 2);
}

}  // namespace testing_support
