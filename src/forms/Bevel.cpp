#include "forms/Bevel.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "forms/Colour.h"

namespace forms {

void drawRaisedEdge(QPainter& painter, const QRect& area, const QColor& face) {
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

void drawSunkenEdge(QPainter& painter, const QRect& area, const QColor& face) {
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
