#include "forms/ScreenWindow.h"

#include <QBackingStore>
#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "forms/Screen.h"
#include "forms/Screens.h"
#include "pictures/Memory.h"

namespace forms {

ScreenWindow::ScreenWindow(Screen& screen) : QWidget(nullptr), m_screen(screen) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
}

void ScreenWindow::letSurfaceGo() {
    QBackingStore* store = backingStore();
    if (!store || !isVisible() || hasLetSurfaceGo()) return;
    // The repaint manager finds the surface smaller than the window at the next paint, however
    // it is asked for (the X server's exposure of the window included), makes it the window's
    // size again and repaints the whole window.
    store->resize(QSize(1, 1));
    // The next surface may well be mapped where this one was: it needs the advice all the same.
    m_advisedSurface = nullptr;
}

bool ScreenWindow::hasLetSurfaceGo() const {
    const QBackingStore* store = backingStore();
    return store && store->size() != size();
}

void ScreenWindow::drawAfresh() {
    if (hasLetSurfaceGo()) update();
}

void ScreenWindow::paintEvent(QPaintEvent* event) {
    // Before this paint first writes to a new surface (at a projector's size, tens of megabytes).
    if (QBackingStore* store = backingStore()) {
        QPaintDevice* device = store->paintDevice();
        if (device && device->devType() == QInternal::Image) {
            const QImage& surface = *static_cast<QImage*>(device);
            if (surface.constBits() != m_advisedSurface) {
                m_advisedSurface = surface.constBits();
                pictures::preferLargePages(surface.constBits(),
                                           static_cast<std::size_t>(surface.sizeInBytes()));
            }
        }
    }
    QPainter painter(this);
    m_screen.paintBackground(painter, event->rect());
}

static MouseEvent twipEvent(const Screen& screen, int button, const QPointF& pos) {
    return {button, screen.scale().toTwips(pos.x()), screen.scale().toTwips(pos.y())};
}

void ScreenWindow::mousePressEvent(QMouseEvent* event) {
    m_screen.screens().setKeyboardInUse(false);
    if (m_screen.onMouseDown)
        m_screen.onMouseDown(twipEvent(m_screen, buttonCode(event->button()), event->position()));
}

void ScreenWindow::mouseMoveEvent(QMouseEvent* event) {
    if (m_screen.onMouseMove)
        m_screen.onMouseMove(twipEvent(m_screen, buttonState(event->buttons()), event->position()));
}

void ScreenWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (m_screen.onMouseUp)
        m_screen.onMouseUp(twipEvent(m_screen, buttonCode(event->button()), event->position()));
}

bool ScreenWindow::focusNextPrevChild(bool next) {
    return m_screen.moveFocus(next);
}

void ScreenWindow::keyPressEvent(QKeyEvent* event) {
    if (m_screen.onKey && m_screen.onKey(event->key(), event->modifiers())) return;
    QWidget::keyPressEvent(event);
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    // The title bar's close button unloads the screen like its own exit would; the registry
    // hides and discards the window, and ends the program when nothing else is on view.
    event->ignore();
    m_screen.screens().unload(m_screen.name());
}

}  // namespace forms
