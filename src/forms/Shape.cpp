#include "forms/Shape.h"

#include <QPainter>

namespace forms {

Shape::Shape(Screen& screen, Container& container, QString name, int index)
    : Control(screen, container, std::move(name), index) {
    attachPaintedWidget();
    // An outline takes no part in the mouse: clicks and moves reach what lies beneath.
    widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setKind(Kind kind) {
    m_kind = kind;
    repaint();
}

void Shape::setLine(Colour colour, int widthPx) {
    m_colour = colour;
    m_lineWidth = std::max(1, widthPx);
    repaint();
}

void Shape::paint(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, m_kind == Kind::RoundedRectangle);
    QPen pen{QColor(m_colour), static_cast<qreal>(m_lineWidth)};
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const qreal inset = m_lineWidth / 2.0;
    const QRectF box =
        QRectF(QPointF(0, 0), widget()->size()).adjusted(inset, inset, -inset, -inset);
    if (m_kind == Kind::RoundedRectangle)
        painter.drawRoundedRect(box, 8, 8);
    else
        painter.drawRect(box);
}

}  // namespace forms
