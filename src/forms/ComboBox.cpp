#include "forms/ComboBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "forms/Bevel.h"
#include "forms/DropDownList.h"
#include "forms/Platform.h"
#include "forms/Scale.h"
#include "forms/Screen.h"
#include "forms/Screens.h"

namespace forms {

ComboField::ComboField(ComboBox& combo, QWidget* parent) : QWidget(parent), m_combo(combo) {}

void ComboField::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.save();
    m_combo.paint(painter);
    painter.restore();
    if (hasFocus() && m_combo.screen().screens().keyboardInUse())
        drawFocusRing(painter, rect(), m_combo.scale());
}

void ComboField::mousePressEvent(QMouseEvent* event) {
    event->accept();
    m_combo.screen().screens().setKeyboardInUse(false);
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton) m_combo.dropDown();
}

void ComboField::keyPressEvent(QKeyEvent* event) {
    const bool alt = event->modifiers() & Qt::AltModifier;
    const int key = event->key();
    // The field is not for typing; the list opens from the keyboard as desktop lists do, and
    // with Enter, Down, or Space while the ring shows, as the toolkit's buttons are worked.
    const bool opens = key == Qt::Key_F4 || (alt && key == Qt::Key_Down) ||
                       (event->modifiers() == Qt::NoModifier &&
                        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down ||
                         (key == Qt::Key_Space && m_combo.screen().screens().keyboardInUse())));
    if (opens)
        m_combo.dropDown();
    else
        QWidget::keyPressEvent(event);
}

// An open list is a window of its own: it would stay on view when the field is hidden.
void ComboField::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (m_combo.m_list) m_combo.m_list->close();
}

void ComboField::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void ComboField::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

ComboBox::ComboBox(Screen& screen, Container& container, QString name, int index)
    : Control(screen, container, std::move(name), index) {
    m_font = m_fontSpec.toQFont(scale().factor());
    attachWidget(new ComboField(*this, container.surface()));
    widget()->setFocusPolicy(Qt::StrongFocus);
    setTabStop(true);
}

ComboBox::~ComboBox() {
    // The open list belongs to the field's widget, which outlives this object by a moment.
    if (m_list) {
        m_list->onClosed = nullptr;
        delete m_list.data();
    }
}

void ComboBox::addItem(const QString& item) {
    m_items << item;
}

void ComboBox::clear() {
    m_items.clear();
    m_chosen = -1;
}

void ComboBox::setText(const QString& text) {
    m_text = text;
    repaint();
}

void ComboBox::setFont(const FontSpec& font) {
    m_fontSpec = font;
    m_font = font.toQFont(scale().factor());
    repaint();
}

void ComboBox::rescaled() {
    // An open list belongs to the old size; it closes as a press elsewhere would close it.
    if (m_list) m_list->close();
    m_font = m_fontSpec.toQFont(scale().factor());
}

void ComboBox::setColours(Colour fore, Colour back) {
    m_fore = fore;
    m_back = back;
    repaint();
}

void ComboBox::dropDown() {
    if (m_list || m_items.isEmpty() || !isEnabled()) return;
    QWidget* field = widget();
    m_list =
        new DropDownList(field, m_items, {m_font, QColor(m_fore), QColor(m_back)}, kMaxVisibleRows);
    m_list->onClosed = [this](int chosen) { listClosed(chosen); };
    const QSizeF display = screen().screens().platform().displaySize();
    const QRect displayPixels(0, 0, toPixels(static_cast<float>(display.width())),
                              toPixels(static_cast<float>(display.height())));
    m_list->open(QRect(field->mapToGlobal(QPoint(0, 0)), field->size()), displayPixels);
    repaint();
}

bool ComboBox::isDroppedDown() const {
    return !m_list.isNull();
}

DropDownList* ComboBox::list() const {
    return m_list.data();
}

void ComboBox::listClosed(int chosen) {
    m_list = nullptr;
    repaint();
    if (chosen >= 0) choose(chosen);
}

void ComboBox::choose(int i) {
    if (i < 0 || i >= count()) return;
    m_chosen = i;
    if (onClick) onClick();
}

void ComboBox::paint(QPainter& painter) {
    const QRect area(QPoint(0, 0), widget()->size());
    const QColor face(kButtonFace);
    const int line = scale().pixels(1);
    painter.fillRect(area, QColor(m_back));
    drawSunkenEdge(painter, area, face, line);
    const QRect inside = area.adjusted(2 * line, 2 * line, -2 * line, -2 * line);
    const int buttonWidth =
        std::min(inside.height(), scale().pixels(DropDownList::kMinScrollBarWidth));
    const QRect button(inside.right() - buttonWidth + 1, inside.top(), buttonWidth,
                       inside.height());
    painter.fillRect(button, face);
    drawRaisedEdge(painter, button, face, line);
    const int pressed = isDroppedDown() ? line : 0;
    drawArrow(painter, button.translated(pressed, pressed), false,
              isEnabled() ? QColor(kBlack) : face.darker(170));

    const QRect text = inside.adjusted(2 * line, 0, -buttonWidth - 2 * line, 0);
    painter.setFont(m_font);
    painter.setPen(isEnabled() ? QColor(m_fore) : face.darker(170));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(m_text, Qt::ElideRight, text.width()));
    if (widget()->hasFocus()) {
        painter.setPen(QPen(QColor(m_fore), line, Qt::DotLine));
        painter.drawRect(text.adjusted(-line, line, 0, -2 * line));
    }
}

}  // namespace forms
