#include "forms/Control.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "forms/Accessible.h"
#include "forms/Scale.h"
#include "forms/Screen.h"
#include "forms/Screens.h"

namespace forms {

int buttonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return kLeftButton;
        case Qt::RightButton:
            return kRightButton;
        case Qt::MiddleButton:
            return kMiddleButton;
        default:
            return kNoButton;
    }
}

int buttonState(Qt::MouseButtons buttons) {
    int state = kNoButton;
    if (buttons & Qt::LeftButton) state |= kLeftButton;
    if (buttons & Qt::RightButton) state |= kRightButton;
    if (buttons & Qt::MiddleButton) state |= kMiddleButton;
    return state;
}

Control::Control(Screen& screen, Container& container, QString name, int index)
    : m_screen(screen), m_container(container), m_name(std::move(name)), m_index(index) {}

Control::~Control() {
    delete m_widget.data();
}

void Control::attachWidget(QWidget* widget) {
    m_widget = widget;
    widget->setMouseTracking(true);
    widget->setFocusPolicy(Qt::NoFocus);
    applyGeometry();
}

void Control::attachPaintedWidget(PaintIn units) {
    m_paintIn = units;
    attachWidget(new ControlWidget(*this, m_container.surface()));
}

bool Control::acceptsClick() const {
    if (!onClick || !isEnabled()) return false;
    return !m_arrayHandlesClick || m_arrayHandlesClick();
}

bool Control::takesKeyboard() const {
    if (acceptsClick()) return true;
    if (!onKey || !isEnabled()) return false;
    return !m_arrayHandlesKeys || m_arrayHandlesKeys();
}

void Control::repaint() {
    if (m_widget) m_widget->update();
}

const Scale& Control::scale() const {
    return m_screen.scale();
}

QRect Control::designArea() const {
    return {QPoint(0, 0), m_rect.toPixels().size()};
}

void Control::applyGeometry() {
    if (m_widget) m_widget->setGeometry(scale().toPixels(m_rect));
}

void Control::rescale() {
    applyGeometry();
    rescaled();
    repaint();
}

void Control::setRect(const TwipRect& rect) {
    if (rect == m_rect) return;
    m_rect = rect;
    applyGeometry();
    rectChanged();
}

void Control::setLeft(float left) {
    setRect({left, m_rect.top, m_rect.width, m_rect.height});
}
void Control::setTop(float top) {
    setRect({m_rect.left, top, m_rect.width, m_rect.height});
}
void Control::setWidth(float width) {
    setRect({m_rect.left, m_rect.top, width, m_rect.height});
}
void Control::setHeight(float height) {
    setRect({m_rect.left, m_rect.top, m_rect.width, height});
}
void Control::move(float left, float top) {
    setRect({left, top, m_rect.width, m_rect.height});
}

void Control::setDescription(const QString& description) {
    if (description == m_description) return;
    m_description = description;
    tellChanged(*this, QAccessible::DescriptionChanged);
    tellChanged(*this, QAccessible::NameChanged);
}

bool Control::isVisible() const {
    return m_widget && !m_widget->isHidden();
}
void Control::setVisible(bool visible) {
    if (!m_widget) return;
    const bool shows = visible && m_widget->isHidden();
    m_widget->setVisible(visible);
    if (shows && m_announced) tellChanged(*this, QAccessible::Alert);
}
bool Control::isEnabled() const {
    return m_widget && m_widget->isEnabled();
}
void Control::setEnabled(bool enabled) {
    if (m_widget) m_widget->setEnabled(enabled);
}

void Control::setTabStop(bool tabStop) {
    m_tabStop = tabStop;
    if (m_widget && m_widget->focusPolicy() != Qt::NoFocus)
        m_widget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void Control::toFront() {
    if (m_widget) m_widget->raise();
}
void Control::toBack() {
    if (m_widget) m_widget->lower();
}
void Control::setPointer(const QCursor& cursor) {
    if (m_widget) m_widget->setCursor(cursor);
}

void Control::copyLookFrom(const Control& other) {
    setRect(other.rect());
    if (m_widget && other.m_widget) {
        m_widget->setEnabled(other.m_widget->isEnabled());
        if (other.m_widget->testAttribute(Qt::WA_SetCursor))
            m_widget->setCursor(other.m_widget->cursor());
    }
    setTabStop(other.m_tabStop);
}

MouseEvent Control::twipEvent(int button, QPointF pos) const {
    // Measured from the control's own corner in twips, not from the pixel its widget was rounded
    // to: a label dragged by its centre would otherwise wobble by a pixel from move to move.
    const QPoint origin = m_widget ? m_widget->pos() : QPoint();
    const Scale& s = scale();
    return {button, s.toTwips(pos.x() + origin.x()) - m_rect.left,
            s.toTwips(pos.y() + origin.y()) - m_rect.top};
}

void Control::dispatchPress(int button, QPointF pos) {
    m_pressedButton = button;
    if (onMouseDown) onMouseDown(twipEvent(button, pos));
}

void Control::dispatchMove(int buttons, QPointF pos) {
    if (onMouseMove) onMouseMove(twipEvent(buttons, pos));
}

void Control::dispatchRelease(int button, QPointF pos, bool inside) {
    const bool click = button == kLeftButton && m_pressedButton == kLeftButton && inside;
    m_pressedButton = kNoButton;
    if (onMouseUp) onMouseUp(twipEvent(button, pos));
    // The handlers above may have unloaded the screen; the widget is still alive until the event
    // loop turns, so finishing the click is safe.
    if (click && onClick) onClick();
}

ControlWidget::ControlWidget(Control& control, QWidget* parent)
    : QWidget(parent), m_control(control) {}

void ControlWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.save();
    if (m_control.m_paintIn == Control::PaintIn::DesignPixels) {
        const double factor = m_control.scale().factor();
        painter.scale(factor, factor);
    }
    m_control.paint(painter);
    // Over whatever clip the control drew with (a house button's rounded face).
    painter.restore();
    // The window's own focus, active or not: on a projector the class sees the ring either way.
    if (window()->focusWidget() == this && m_control.screen().screens().keyboardInUse())
        drawFocusRing(painter, rect(), m_control.scale());
}

void ControlWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    m_control.screen().screens().setKeyboardInUse(false);
    if (focusPolicy() != Qt::NoFocus) setFocus(Qt::MouseFocusReason);
    m_control.dispatchPress(buttonCode(event->button()), event->position());
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // A quick second press is just another press to these controls.
    mousePressEvent(event);
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    m_control.dispatchMove(buttonState(event->buttons()), event->position());
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    m_control.dispatchRelease(buttonCode(event->button()), event->position(),
                              rect().contains(event->position().toPoint()));
}

void ControlWidget::keyPressEvent(QKeyEvent* event) {
    if (m_control.keyPress(event->key())) return;
    if (m_control.onKey && m_control.onKey(event->key(), event->modifiers())) return;
    // Enter does what a click does; Space too while the ring shows, and otherwise stays the
    // presentation remote's forward.
    const bool modifiers = (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier;
    const int key = event->key();
    const bool activates = key == Qt::Key_Return || key == Qt::Key_Enter ||
                           (key == Qt::Key_Space && m_control.screen().screens().keyboardInUse());
    if (!modifiers && activates && m_control.acceptsClick()) {
        m_control.onClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ControlWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void ControlWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
    // Not when the whole window loses the focus (another window on top): the control keeps it.
    if (event->reason() != Qt::ActiveWindowFocusReason && m_control.onFocusLost)
        m_control.onFocusLost();
}

}  // namespace forms
