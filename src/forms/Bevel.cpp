#include "forms/Bevel.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "forms/Colour.h"

namespace forms {

namespace {

// Lines of the edges, each `w` pixels wide: along the top, the bottom, the left and the right of
// `area`, `in` lines inside it, reaching from the line `in` in from each end.
void top(QPainter& p, const QRect& a, int in, int w, const QColor& c) {
    p.fillRect(QRect(a.left() + in * w, a.top() + in * w, a.width() - 2 * in * w, w), c);
}
void bottom(QPainter& p, const QRect& a, int in, int w, const QColor& c) {
    p.fillRect(QRect(a.left() + in * w, a.bottom() - (in + 1) * w + 1, a.width() - 2 * in * w, w),
               c);
}
void left(QPainter& p, const QRect& a, int in, int w, const QColor& c) {
    p.fillRect(QRect(a.left() + in * w, a.top() + in * w, w, a.height() - 2 * in * w), c);
}
void right(QPainter& p, const QRect& a, int in, int w, const QColor& c) {
    p.fillRect(QRect(a.right() - (in + 1) * w + 1, a.top() + in * w, w, a.height() - 2 * in * w),
               c);
}

}  // namespace

void drawRaisedEdge(QPainter& painter, const QRect& area, const QColor& face, int line) {
    if (line > 1) {
        top(painter, area, 0, line, face.lighter(150));
        left(painter, area, 0, line, face.lighter(150));
        bottom(painter, area, 0, line, QColor(kBlack));
        right(painter, area, 0, line, QColor(kBlack));
        bottom(painter, area, 1, line, face.darker(150));
        right(painter, area, 1, line, face.darker(150));
        return;
    }
    painter.setPen(face.lighter(150));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(QColor(kBlack));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
    painter.setPen(face.darker(150));
    painter.drawLine(area.bottomLeft() + QPoint(1, -1), area.bottomRight() + QPoint(-1, -1));
    painter.drawLine(area.topRight() + QPoint(-1, 1), area.bottomRight() + QPoint(-1, -1));
}

void drawSunkenEdge(QPainter& painter, const QRect& area, const QColor& face, int line) {
    if (line > 1) {
        top(painter, area, 0, line, face.darker(150));
        left(painter, area, 0, line, face.darker(150));
        top(painter, area, 1, line, QColor(kBlack));
        left(painter, area, 1, line, QColor(kBlack));
        bottom(painter, area, 0, line, QColor(kWhite));
        right(painter, area, 0, line, QColor(kWhite));
        bottom(painter, area, 1, line, face);
        right(painter, area, 1, line, face);
        return;
    }
    painter.setPen(face.darker(150));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(QColor(kBlack));
    painter.drawLine(area.topLeft() + QPoint(1, 1), area.topRight() + QPoint(-1, 1));
    painter.drawLine(area.topLeft() + QPoint(1, 1), area.bottomLeft() + QPoint(1, -1));
    painter.setPen(QColor(kWhite));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
    painter.setPen(face);
    painter.drawLine(area.bottomLeft() + QPoint(1, -1), area.bottomRight() + QPoint(-1, -1));
    painter.drawLine(area.topRight() + QPoint(-1, 1), area.bottomRight() + QPoint(-1, -1));
}

void drawArrow(QPainter& painter, const QRect& area, bool up, const QColor& colour) {
    const int half = std::max(2, std::min(area.width(), area.height()) / 4);
    const QPoint c = area.center();
    const int dy = up ? -1 : 1;
    QPolygon triangle;
    triangle << QPoint(c.x() - half, c.y() - dy * half / 2)
             << QPoint(c.x() + half, c.y() - dy * half / 2)
             << QPoint(c.x(), c.y() + dy * (half + 1) / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(triangle);
    painter.setBrush(Qt::NoBrush);
}

}  // namespace forms
