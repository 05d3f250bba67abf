#include "forms/Shape.h"

#include <QPainter>

#include "forms/Scale.h"

namespace forms {

Shape::Shape(Screen& screen, Container& container, QString name, int index)
    : Control(screen, container, std::move(name), index) {
    attachPaintedWidget(PaintIn::DisplayPixels);
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
    const int lineWidth = scale().pixels(m_lineWidth);
    QPen pen{QColor(m_colour), static_cast<qreal>(lineWidth)};
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const qreal inset = lineWidth / 2.0;
    const QRectF box =
        QRectF(QPointF(0, 0), widget()->size()).adjusted(inset, inset, -inset, -inset);
    if (m_kind == Kind::RoundedRectangle) {
        const qreal radius = 8 * scale().factor();
        painter.drawRoundedRect(box, radius, radius);
    } else {
        painter.drawRect(box);
    }
}

}  // namespace forms
